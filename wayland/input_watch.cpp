// The seat's keyboard and pointer; see input_watch.h.
#include "wayland/input_watch.h"

#include <unistd.h>

#include <cmath>

namespace globulon::wayland {

struct InputWatch::Events {
    static InputWatch& Of(void* data) { return *static_cast<InputWatch*>(data); }

    static void Keymap(void*, wl_keyboard*, std::uint32_t, std::int32_t file, std::uint32_t) {
        close(file);  // keys end the saver whatever they mean
    }
    static void KeyboardEnter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
    static void KeyboardLeave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}
    static void Key(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t,
                    std::uint32_t state) {
        if (state == WL_KEYBOARD_KEY_STATE_PRESSED) Of(data).endRequested_ = true;
    }
    static void Modifiers(void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t,
                          std::uint32_t, std::uint32_t) {}
    static void RepeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}
    static constexpr wl_keyboard_listener Keyboard = {Keymap, KeyboardEnter, KeyboardLeave,
                                                      Key,    Modifiers,     RepeatInfo};

    static void PointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial,
                             wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
        wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);  // no pointer over the saver
        Of(data).PointerAt(surface, x, y);
    }
    static void PointerLeave(void*, wl_pointer*, std::uint32_t, wl_surface*) {}
    static void Motion(void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) {
        Of(data).PointerAt(Of(data).anchorSurface_, x, y);
    }
    static void Button(void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t,
                       std::uint32_t state) {
        if (state == WL_POINTER_BUTTON_STATE_PRESSED) Of(data).endRequested_ = true;
    }
    static void Axis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
    static void Frame(void*, wl_pointer*) {}
    static void AxisSource(void*, wl_pointer*, std::uint32_t) {}
    static void AxisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
    static void AxisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
    static void AxisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
    static constexpr wl_pointer_listener Pointer = {
        PointerEnter, PointerLeave, Motion,   Button,       Axis,
        Frame,        AxisSource,   AxisStop, AxisDiscrete, AxisValue120};

    static void Capabilities(void* data, wl_seat* seat, std::uint32_t capabilities) {
        InputWatch& self = Of(data);
        if ((capabilities & WL_SEAT_CAPABILITY_KEYBOARD) && !self.keyboard_) {
            self.keyboard_ = wl_seat_get_keyboard(seat);
            wl_keyboard_add_listener(self.keyboard_, &Keyboard, &self);
        } else if (!(capabilities & WL_SEAT_CAPABILITY_KEYBOARD)) {
            self.ReleaseKeyboard();
        }
        if ((capabilities & WL_SEAT_CAPABILITY_POINTER) && !self.pointer_) {
            self.pointer_ = wl_seat_get_pointer(seat);
            wl_pointer_add_listener(self.pointer_, &Pointer, &self);
        } else if (!(capabilities & WL_SEAT_CAPABILITY_POINTER)) {
            self.ReleasePointer();
        }
    }
    static void SeatName(void*, wl_seat*, const char*) {}
    static constexpr wl_seat_listener Seat = {Capabilities, SeatName};
};

InputWatch::InputWatch(wl_seat* seat) : seat_(seat) {
    if (seat_) wl_seat_add_listener(seat_, &Events::Seat, this);
}

InputWatch::~InputWatch() {
    ReleasePointer();
    ReleaseKeyboard();
}

void InputWatch::ReleaseKeyboard() {
    if (!keyboard_) return;
    if (wl_keyboard_get_version(keyboard_) >= WL_KEYBOARD_RELEASE_SINCE_VERSION) {
        wl_keyboard_release(keyboard_);
    } else {
        wl_keyboard_destroy(keyboard_);
    }
    keyboard_ = nullptr;
}

void InputWatch::ReleasePointer() {
    if (!pointer_) return;
    if (wl_pointer_get_version(pointer_) >= WL_POINTER_RELEASE_SINCE_VERSION) {
        wl_pointer_release(pointer_);
    } else {
        wl_pointer_destroy(pointer_);
    }
    pointer_ = nullptr;
}

void InputWatch::PointerAt(wl_surface* surface, wl_fixed_t x, wl_fixed_t y) {
    const ScreenPoint position = {static_cast<std::int32_t>(std::lround(wl_fixed_to_double(x))),
                                  static_cast<std::int32_t>(std::lround(wl_fixed_to_double(y)))};
    // Each output's surface counts from its own corner: the pointer crossing to another output
    // has moved from where it was seen.
    if (hasAnchor_ && surface != anchorSurface_) {
        endRequested_ = true;
        return;
    }
    anchorSurface_ = surface;
    if (JudgeCursorMove(hasAnchor_, anchor_, position) == CursorMove::RealMove) {
        endRequested_ = true;
    }
}

}  // namespace globulon::wayland
