// The compositor's global objects; see wayland_globals.h.
#include "wayland/wayland_globals.h"

#include <algorithm>
#include <cstring>

namespace globulon::wayland {
namespace {

// The versions this program is written for: damage_buffer needs wl_compositor 4; wl_seat 5
// keeps the pointer events to those handled; layer shell 4 has the exclusive keyboard.
constexpr std::uint32_t CompositorVersion = 4;
constexpr std::uint32_t SeatVersion = 5;
constexpr std::uint32_t LayerShellVersion = 4;
constexpr std::uint32_t WmBaseVersion = 2;

void OnPing(void*, xdg_wm_base* base, std::uint32_t serial) {
    xdg_wm_base_pong(base, serial);
}
constexpr xdg_wm_base_listener PingListener = {OnPing};

template <typename T>
bool Bind(T*& slot, wl_registry* registry, std::uint32_t name, const wl_interface* interface,
          std::uint32_t offered, std::uint32_t wanted, std::uint32_t least = 1) {
    if (slot || offered < least) return slot != nullptr;
    slot = static_cast<T*>(wl_registry_bind(registry, name, interface, std::min(offered, wanted)));
    return slot != nullptr;
}

}  // namespace

bool BindGlobal(WaylandGlobals& globals, wl_registry* registry, std::uint32_t name,
                const char* interface, std::uint32_t version) {
    const auto is = [interface](const wl_interface& kind) {
        return std::strcmp(interface, kind.name) == 0;
    };
    if (is(wl_compositor_interface)) {
        return Bind(globals.Compositor, registry, name, &wl_compositor_interface, version,
                    CompositorVersion, CompositorVersion);
    }
    if (is(wl_shm_interface))
        return Bind(globals.Shm, registry, name, &wl_shm_interface, version, 1);
    if (is(wl_seat_interface)) {
        return Bind(globals.Seat, registry, name, &wl_seat_interface, version, SeatVersion);
    }
    if (is(zwlr_layer_shell_v1_interface)) {
        return Bind(globals.LayerShell, registry, name, &zwlr_layer_shell_v1_interface, version,
                    LayerShellVersion);
    }
    if (is(xdg_wm_base_interface)) {
        const bool bound = !globals.WmBase && Bind(globals.WmBase, registry, name,
                                                   &xdg_wm_base_interface, version, WmBaseVersion);
        if (bound) xdg_wm_base_add_listener(globals.WmBase, &PingListener, nullptr);
        return bound;
    }
    if (is(wp_viewporter_interface)) {
        return Bind(globals.Viewporter, registry, name, &wp_viewporter_interface, version, 1);
    }
    if (is(wp_fractional_scale_manager_v1_interface)) {
        return Bind(globals.FractionalScale, registry, name,
                    &wp_fractional_scale_manager_v1_interface, version, 1);
    }
    return false;
}

void ReleaseGlobals(WaylandGlobals& globals) {
    if (globals.FractionalScale) wp_fractional_scale_manager_v1_destroy(globals.FractionalScale);
    if (globals.Viewporter) wp_viewporter_destroy(globals.Viewporter);
    if (globals.WmBase) xdg_wm_base_destroy(globals.WmBase);
    if (globals.LayerShell) {
        if (zwlr_layer_shell_v1_get_version(globals.LayerShell) >= 3) {
            zwlr_layer_shell_v1_destroy(globals.LayerShell);
        } else {
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(globals.LayerShell));
        }
    }
    if (globals.Seat) {
        if (wl_seat_get_version(globals.Seat) >= WL_SEAT_RELEASE_SINCE_VERSION) {
            wl_seat_release(globals.Seat);
        } else {
            wl_seat_destroy(globals.Seat);
        }
    }
    if (globals.Shm) wl_shm_destroy(globals.Shm);
    if (globals.Compositor) wl_compositor_destroy(globals.Compositor);
    globals = WaylandGlobals{globals.Display};
}

}  // namespace globulon::wayland
