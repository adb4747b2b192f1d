// The compositor's global objects the program binds: where surfaces, buffers and input come
// from, and the shells that place a surface above everything.
#pragma once

#include <wayland-client.h>

#include <cstdint>

#include "fractional-scale-v1-client.h"
#include "viewporter-client.h"
#include "wlr-layer-shell-unstable-v1-client.h"
#include "xdg-shell-client.h"

namespace globulon::wayland {

struct WaylandGlobals {
    wl_display* Display = nullptr;
    wl_compositor* Compositor = nullptr;
    wl_shm* Shm = nullptr;
    wl_seat* Seat = nullptr;
    zwlr_layer_shell_v1* LayerShell = nullptr;  // null on GNOME and weston
    xdg_wm_base* WmBase = nullptr;              // the fallback: a fullscreen toplevel
    wp_viewporter* Viewporter = nullptr;
    wp_fractional_scale_manager_v1* FractionalScale = nullptr;
};

// Binds the global when it is one of those above (none yet of its kind); false for any other.
bool BindGlobal(WaylandGlobals& globals, wl_registry* registry, std::uint32_t name,
                const char* interface, std::uint32_t version);

// Gives back every global bound, in the reverse order of their kinds above.
void ReleaseGlobals(WaylandGlobals& globals);

}  // namespace globulon::wayland
