// The seat's keyboard and pointer, watched for what ends the saver: any key, any button, or a
// pointer movement of more than the jitter from where the pointer was first seen. The pointer's
// image is hidden over the saver's surfaces.
#pragma once

#include <wayland-client.h>

#include "core/forms/cursor_anchor.h"

namespace globulon::wayland {

class InputWatch {
  public:
    explicit InputWatch(wl_seat* seat);
    ~InputWatch();
    InputWatch(const InputWatch&) = delete;
    InputWatch& operator=(const InputWatch&) = delete;

    bool EndRequested() const { return endRequested_; }

  private:
    struct Events;  // the protocol's event handlers

    void PointerAt(wl_surface* surface, wl_fixed_t x, wl_fixed_t y);
    void ReleaseKeyboard();
    void ReleasePointer();

    wl_seat* seat_;
    wl_keyboard* keyboard_ = nullptr;
    wl_pointer* pointer_ = nullptr;
    bool endRequested_ = false;
    // Where the pointer was first seen: on which surface, and there in surface coordinates.
    wl_surface* anchorSurface_ = nullptr;
    bool hasAnchor_ = false;
    ScreenPoint anchor_;
};

}  // namespace globulon::wayland
