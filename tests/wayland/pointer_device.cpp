// A pointer plugged into a headless compositor's seat: headless sway has no input device, so its
// seat offers clients no pointer and `swaymsg seat seat0 cursor move` reaches nobody. This
// device sends nothing itself; the compositor's cursor moves as the test tells sway. Prints
// "ready" once the device exists and keeps it until its input ends.
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "wlr-virtual-pointer-unstable-v1-client.h"

namespace {

struct Globals {
    wl_seat* Seat = nullptr;
    zwlr_virtual_pointer_manager_v1* Manager = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t) {
    Globals& globals = *static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals.Seat) {
        globals.Seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals.Manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

constexpr wl_registry_listener RegistryListener = {OnGlobal, OnGlobalRemove};

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fputs("pointer_device: no compositor\n", stderr);
        return 1;
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, &globals);
    wl_display_roundtrip(display);
    if (!globals.Manager) {
        std::fputs("pointer_device: the compositor makes no virtual pointers\n", stderr);
        return 1;
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.Manager, globals.Seat);
    wl_display_roundtrip(display);
    std::puts("ready");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwlr_virtual_pointer_manager_v1_destroy(globals.Manager);
    if (globals.Seat) wl_seat_destroy(globals.Seat);
    wl_registry_destroy(registry);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
