// The running saver on a Wayland compositor; see saver_run.h.
#include "wayland/saver_run.h"

#include <algorithm>
#include <cstring>

#include "core/front_end.h"
#include "wayland/local_clock.h"

namespace globulon::wayland {
namespace {

// wl_output 4 names itself; 3 has release.
constexpr std::uint32_t OutputVersion = 4;

void LayOutSpheres(SaverRun& run) {
    // The outputs side by side in one plane of physical pixels: each sphere's area is its
    // output's picture, and the canvas finds the output again by it.
    std::vector<PixelRect> areas;
    std::int32_t left = 0;
    for (const std::unique_ptr<OutputSurface>& output : run.Outputs) {
        if (!output->HasPicture()) {
            output->Area = {};
            continue;
        }
        output->Area = {left, 0, output->Width(), output->Height()};
        areas.push_back(output->Area);
        left += output->Width();
    }
    run.Core.LayOut(areas, 0, 0);
    // Every sphere starts again: what was drawn around the old spheres would stay behind.
    for (const PixelRect& area : areas) {
        run.Canvas->EnterArea(area);
        run.Canvas->ClearPicture();
        run.Canvas->LeaveArea();
    }
}

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t version) {
    SaverRun& run = *static_cast<SaverRun*>(data);
    if (std::strcmp(interface, wl_output_interface.name) == 0) {
        // Its surface is made once the output has told its size and scale (its done event).
        auto* output = static_cast<wl_output*>(wl_registry_bind(
            registry, name, &wl_output_interface, std::min(version, OutputVersion)));
        if (output)
            run.Outputs.push_back(std::make_unique<OutputSurface>(run.Globals, output, name));
        return;
    }
    BindGlobal(run.Globals, registry, name, interface, version);
}

void OnGlobalRemove(void* data, wl_registry*, std::uint32_t name) {
    SaverRun& run = *static_cast<SaverRun*>(data);
    const auto gone = std::ranges::find_if(
        run.Outputs, [name](const auto& output) { return output->GlobalName() == name; });
    if (gone == run.Outputs.end()) return;
    const bool hadPicture = (*gone)->HasPicture();
    run.Outputs.erase(gone);
    if (hadPicture) LayOutSpheres(run);
}

constexpr wl_registry_listener RegistryListener = {OnGlobal, OnGlobalRemove};

}  // namespace

bool StartRun(SaverRun& run, wl_display* display, const Options& options, std::string& problem) {
    run.Globals.Display = display;
    run.Registry = wl_display_get_registry(display);
    wl_registry_add_listener(run.Registry, &RegistryListener, &run);
    // The globals, then what each output says of itself (and with it their surfaces).
    if (wl_display_roundtrip(display) < 0) {
        problem = "the compositor ended the connection";
        return false;
    }
    if (!run.Globals.Compositor || !run.Globals.Shm) {
        problem = "the compositor offers no wl_compositor 4 or no wl_shm";
        return false;
    }
    if (!run.Globals.LayerShell && !run.Globals.WmBase) {
        problem = "the compositor offers neither zwlr_layer_shell_v1 nor xdg_wm_base";
        return false;
    }
    run.Input.emplace(run.Globals.Seat);

    StartUp startUp;
    startUp.RandomPen = options.RandomColors;
    startUp.FixedPen = options.PenColor;
    startUp.Seed = ProcessSeed();
    // No spheres until the outputs have their pictures: LayOutSpheres gives them.
    run.Core = StartFullScreen(startUp, {});
    run.Canvas.emplace(run.Outputs, run.Core.PenColor());
    if (wl_display_roundtrip(display) < 0) {
        problem = "the compositor ended the connection";
        return false;
    }
    AfterEvents(run);
    return true;
}

void AfterEvents(SaverRun& run) {
    bool changed = false;
    const auto closed =
        std::ranges::remove_if(run.Outputs, [](const auto& output) { return output->Closed(); });
    if (closed.begin() != closed.end()) {
        run.Outputs.erase(closed.begin(), closed.end());
        changed = true;
    }
    for (const std::unique_ptr<OutputSurface>& output : run.Outputs) {
        run.MadeSurface = run.MadeSurface || output->HasSurface();
        if (output->TakeResized()) changed = true;
    }
    if (changed) LayOutSpheres(run);
}

bool AnyOutputReady(const SaverRun& run) {
    return std::ranges::any_of(run.Outputs, [](const auto& output) { return output->Ready(); });
}

void DrawFrame(SaverRun& run) {
    run.Core.Tick(LocalClockSeconds(), *run.Canvas);
    for (const std::unique_ptr<OutputSurface>& output : run.Outputs) output->Present();
}

bool RunShouldEnd(const SaverRun& run) {
    if (run.Input && run.Input->EndRequested()) return true;
    if (std::ranges::any_of(run.Outputs,
                            [](const auto& output) { return output->CloseRequested(); })) {
        return true;
    }
    return run.MadeSurface && std::ranges::none_of(run.Outputs, [](const auto& output) {
               return output->HasSurface();
           });
}

void EndRun(SaverRun& run) {
    run.Canvas.reset();
    run.Outputs.clear();
    run.Input.reset();
    ReleaseGlobals(run.Globals);
    if (run.Registry) wl_registry_destroy(run.Registry);
    run.Registry = nullptr;
}

}  // namespace globulon::wayland
