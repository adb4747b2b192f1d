// One output and the saver's surface on it: a layer-shell surface on the overlay layer over the
// whole output, or where the compositor has no layer shell a fullscreen toplevel on it; its
// pictures in the output's physical pixels, and the frame it may show next.
#pragma once

#include <wayland-client.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "core/settings/twips.h"
#include "wayland/shm_buffer.h"
#include "wayland/wayland_globals.h"

namespace globulon::wayland {

class OutputSurface {
  public:
    // output: bound from the registry's global name; owned from now on.
    OutputSurface(const WaylandGlobals& globals, wl_output* output, std::uint32_t name);
    ~OutputSurface();
    OutputSurface(const OutputSurface&) = delete;
    OutputSurface& operator=(const OutputSurface&) = delete;

    std::uint32_t GlobalName() const { return name_; }
    bool HasSurface() const { return surface_ != nullptr; }
    // Configured and holding a picture.
    bool HasPicture() const { return !buffers_.empty() && !closed_; }
    // Holds a picture and the compositor has shown the last one: a new frame may go.
    bool Ready() const { return HasPicture() && !frameCallback_; }
    // The compositor took the surface away (the output went, or it closed the layer).
    bool Closed() const { return closed_; }
    // The fullscreen toplevel was asked to close (a user's close, not the output going).
    bool CloseRequested() const { return closeRequested_; }
    // True once after the picture got a new size: the spheres must be laid out again.
    bool TakeResized();

    // The picture's size in the output's physical pixels.
    std::int32_t Width() const;
    std::int32_t Height() const;
    // Where the run's layout puts this output's sphere.
    PixelRect Area;

    // The picture to draw this frame in, up to date with the newest one; null when there is
    // none to draw in (not configured, or every buffer still with the compositor).
    std::uint32_t* BeginFrame();
    // What the frame changed in the picture BeginFrame gave.
    void EndFrame(const PixelBox& changed);
    // Sends the drawn picture with its changed part, once the compositor has shown the last one.
    void Present();

  private:
    struct Events;  // the protocol's event handlers

    void MakeSurface();
    void Configure(std::int32_t logicalWidth, std::int32_t logicalHeight);
    void ApplySize();

    const WaylandGlobals& globals_;
    wl_output* output_;
    std::uint32_t name_;
    // What the output says of itself.
    std::int32_t modeWidth_ = 0;
    std::int32_t modeHeight_ = 0;
    std::int32_t integerScale_ = 1;
    std::uint32_t preferredScale120_ = 0;  // fractional scale in 120ths; 0 until told

    wl_surface* surface_ = nullptr;
    wp_viewport* viewport_ = nullptr;
    wp_fractional_scale_v1* fractional_ = nullptr;
    zwlr_layer_surface_v1* layer_ = nullptr;
    xdg_surface* xdgSurface_ = nullptr;
    xdg_toplevel* toplevel_ = nullptr;
    wl_callback* frameCallback_ = nullptr;

    std::int32_t logicalWidth_ = 0;
    std::int32_t logicalHeight_ = 0;
    std::int32_t pendingWidth_ = 0;  // the toplevel's size until its surface's configure
    std::int32_t pendingHeight_ = 0;
    bool closed_ = false;
    bool closeRequested_ = false;
    bool resized_ = false;

    std::vector<std::unique_ptr<ShmBuffer>> buffers_;
    int current_ = -1;  // the buffer with the newest picture
    int drawing_ = -1;  // drawn in and not yet sent
    PixelBox unsent_;   // changed since the last picture sent
};

}  // namespace globulon::wayland
