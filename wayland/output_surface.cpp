// One output and the saver's surface on it; see output_surface.h.
#include "wayland/output_surface.h"

#include <cmath>

#include "core/raster/pixel_raster.h"

namespace globulon::wayland {
namespace {

// Two pictures take turns; a third only while the compositor holds both.
constexpr std::size_t MostBuffers = 3;
constexpr std::uint32_t AllEdges =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
constexpr char Namespace[] = "globulon";

}  // namespace

struct OutputSurface::Events {
    static OutputSurface& Of(void* data) { return *static_cast<OutputSurface*>(data); }

    static void Geometry(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                         std::int32_t, const char*, const char*, std::int32_t) {}
    static void Mode(void* data, wl_output*, std::uint32_t flags, std::int32_t width,
                     std::int32_t height, std::int32_t) {
        if (!(flags & WL_OUTPUT_MODE_CURRENT)) return;
        Of(data).modeWidth_ = width;
        Of(data).modeHeight_ = height;
    }
    static void Done(void* data, wl_output*) {
        OutputSurface& self = Of(data);
        if (!self.surface_) {
            self.MakeSurface();
        } else if (self.HasPicture()) {
            self.ApplySize();
        }
    }
    static void Scale(void* data, wl_output*, std::int32_t factor) {
        Of(data).integerScale_ = factor > 0 ? factor : 1;
    }
    static void Name(void*, wl_output*, const char*) {}
    static void Description(void*, wl_output*, const char*) {}
    static constexpr wl_output_listener Output = {Geometry, Mode, Done, Scale, Name, Description};

    static void LayerConfigure(void* data, zwlr_layer_surface_v1* layer, std::uint32_t serial,
                               std::uint32_t width, std::uint32_t height) {
        zwlr_layer_surface_v1_ack_configure(layer, serial);
        Of(data).Configure(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height));
    }
    static void LayerClosed(void* data, zwlr_layer_surface_v1*) { Of(data).closed_ = true; }
    static constexpr zwlr_layer_surface_v1_listener Layer = {LayerConfigure, LayerClosed};

    static void ToplevelConfigure(void* data, xdg_toplevel*, std::int32_t width,
                                  std::int32_t height, wl_array*) {
        Of(data).pendingWidth_ = width;
        Of(data).pendingHeight_ = height;
    }
    static void ToplevelClose(void* data, xdg_toplevel*) { Of(data).closeRequested_ = true; }
    static void ToplevelBounds(void*, xdg_toplevel*, std::int32_t, std::int32_t) {}
    static void ToplevelCapabilities(void*, xdg_toplevel*, wl_array*) {}
    static constexpr xdg_toplevel_listener Toplevel = {ToplevelConfigure, ToplevelClose,
                                                       ToplevelBounds, ToplevelCapabilities};

    static void SurfaceConfigure(void* data, xdg_surface* surface, std::uint32_t serial) {
        xdg_surface_ack_configure(surface, serial);
        Of(data).Configure(Of(data).pendingWidth_, Of(data).pendingHeight_);
    }
    static constexpr xdg_surface_listener XdgSurface = {SurfaceConfigure};

    static void PreferredScale(void* data, wp_fractional_scale_v1*, std::uint32_t scale) {
        OutputSurface& self = Of(data);
        if (scale == self.preferredScale120_) return;
        self.preferredScale120_ = scale;
        if (self.HasPicture()) self.ApplySize();
    }
    static constexpr wp_fractional_scale_v1_listener Fractional = {PreferredScale};

    static void FrameDone(void* data, wl_callback* callback, std::uint32_t) {
        wl_callback_destroy(callback);
        Of(data).frameCallback_ = nullptr;
    }
    static constexpr wl_callback_listener Frame = {FrameDone};
};

OutputSurface::OutputSurface(const WaylandGlobals& globals, wl_output* output, std::uint32_t name)
    : globals_(globals), output_(output), name_(name) {
    wl_output_add_listener(output_, &Events::Output, this);
}

OutputSurface::~OutputSurface() {
    if (frameCallback_) wl_callback_destroy(frameCallback_);
    buffers_.clear();
    if (layer_) zwlr_layer_surface_v1_destroy(layer_);
    if (toplevel_) xdg_toplevel_destroy(toplevel_);
    if (xdgSurface_) xdg_surface_destroy(xdgSurface_);
    if (fractional_) wp_fractional_scale_v1_destroy(fractional_);
    if (viewport_) wp_viewport_destroy(viewport_);
    if (surface_) wl_surface_destroy(surface_);
    if (wl_output_get_version(output_) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
        wl_output_release(output_);
    } else {
        wl_output_destroy(output_);
    }
}

void OutputSurface::MakeSurface() {
    surface_ = wl_compositor_create_surface(globals_.Compositor);
    if (!surface_) return;
    // A fractional scale is drawn at the output's own pixels and shown through a viewport.
    if (globals_.Viewporter && globals_.FractionalScale) {
        viewport_ = wp_viewporter_get_viewport(globals_.Viewporter, surface_);
        fractional_ =
            wp_fractional_scale_manager_v1_get_fractional_scale(globals_.FractionalScale, surface_);
        wp_fractional_scale_v1_add_listener(fractional_, &Events::Fractional, this);
    }
    if (globals_.LayerShell) {
        layer_ = zwlr_layer_shell_v1_get_layer_surface(
            globals_.LayerShell, surface_, output_, ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY, Namespace);
        zwlr_layer_surface_v1_set_size(layer_, 0, 0);
        zwlr_layer_surface_v1_set_anchor(layer_, AllEdges);
        zwlr_layer_surface_v1_set_exclusive_zone(layer_, -1);
        zwlr_layer_surface_v1_set_keyboard_interactivity(
            layer_, ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE);
        zwlr_layer_surface_v1_add_listener(layer_, &Events::Layer, this);
    } else {
        xdgSurface_ = xdg_wm_base_get_xdg_surface(globals_.WmBase, surface_);
        xdg_surface_add_listener(xdgSurface_, &Events::XdgSurface, this);
        toplevel_ = xdg_surface_get_toplevel(xdgSurface_);
        xdg_toplevel_add_listener(toplevel_, &Events::Toplevel, this);
        xdg_toplevel_set_title(toplevel_, "Globulon");
        xdg_toplevel_set_app_id(toplevel_, "globulon");
        xdg_toplevel_set_fullscreen(toplevel_, output_);
    }
    wl_surface_commit(surface_);
}

void OutputSurface::Configure(std::int32_t logicalWidth, std::int32_t logicalHeight) {
    // A size left to the client is the output's own.
    logicalWidth_ = logicalWidth > 0 ? logicalWidth : modeWidth_ / integerScale_;
    logicalHeight_ = logicalHeight > 0 ? logicalHeight : modeHeight_ / integerScale_;
    ApplySize();
}

std::int32_t OutputSurface::Width() const {
    return buffers_.empty() ? 0 : buffers_.front()->Width();
}

std::int32_t OutputSurface::Height() const {
    return buffers_.empty() ? 0 : buffers_.front()->Height();
}

void OutputSurface::ApplySize() {
    if (logicalWidth_ <= 0 || logicalHeight_ <= 0) return;
    std::int32_t width = logicalWidth_ * integerScale_;
    std::int32_t height = logicalHeight_ * integerScale_;
    const bool fractional = viewport_ && preferredScale120_ > 0;
    if (fractional) {
        // Rounded half away from zero, as the protocol reckons the buffer's size.
        width = static_cast<std::int32_t>(std::lround(logicalWidth_ * preferredScale120_ / 120.0));
        height =
            static_cast<std::int32_t>(std::lround(logicalHeight_ * preferredScale120_ / 120.0));
        wp_viewport_set_destination(viewport_, logicalWidth_, logicalHeight_);
    }
    wl_surface_set_buffer_scale(surface_, fractional ? 1 : integerScale_);
    if (width == Width() && height == Height()) return;

    buffers_.clear();
    current_ = drawing_ = -1;
    for (int made = 0; made < 2; ++made) {
        std::unique_ptr<ShmBuffer> buffer = ShmBuffer::Make(globals_.Shm, width, height);
        if (!buffer) break;
        buffers_.push_back(std::move(buffer));
    }
    if (buffers_.empty()) return;
    // The first picture is black all over, sent at once: the surface covers the output.
    current_ = drawing_ = 0;
    unsent_ = {0, 0, width, height};
    resized_ = true;
    Present();
}

bool OutputSurface::TakeResized() {
    const bool resized = resized_;
    resized_ = false;
    return resized;
}

std::uint32_t* OutputSurface::BeginFrame() {
    if (!HasPicture()) return nullptr;
    if (drawing_ < 0) {
        int pick = -1;
        if (current_ >= 0 && !buffers_[current_]->Busy) {
            pick = current_;
        } else {
            for (std::size_t index = 0; index < buffers_.size() && pick < 0; ++index) {
                if (!buffers_[index]->Busy) pick = static_cast<int>(index);
            }
        }
        if (pick < 0 && buffers_.size() < MostBuffers) {
            std::unique_ptr<ShmBuffer> extra = ShmBuffer::Make(globals_.Shm, Width(), Height());
            if (extra) {
                extra->Missing = {0, 0, Width(), Height()};
                buffers_.push_back(std::move(extra));
                pick = static_cast<int>(buffers_.size()) - 1;
            }
        }
        if (pick < 0) return nullptr;
        ShmBuffer& target = *buffers_[pick];
        if (pick != current_ && current_ >= 0) target.CopyFrom(*buffers_[current_], target.Missing);
        target.Missing = {};
        drawing_ = pick;
    }
    return buffers_[drawing_]->Pixels();
}

void OutputSurface::EndFrame(const PixelBox& changed) {
    if (drawing_ < 0) return;
    for (std::size_t index = 0; index < buffers_.size(); ++index) {
        if (static_cast<int>(index) != drawing_) {
            buffers_[index]->Missing = UnionBox(buffers_[index]->Missing, changed);
        }
    }
    unsent_ = UnionBox(unsent_, changed);
    current_ = drawing_;
}

void OutputSurface::Present() {
    if (closed_ || drawing_ < 0 || frameCallback_ || IsEmptyBox(unsent_)) return;
    ShmBuffer& picture = *buffers_[drawing_];
    wl_surface_attach(surface_, picture.Handle(), 0, 0);
    wl_surface_damage_buffer(surface_, unsent_.Left, unsent_.Top, unsent_.Right - unsent_.Left,
                             unsent_.Bottom - unsent_.Top);
    // The compositor answers when it shows this picture; a hidden surface gets no answer, and
    // then no further frame is sent.
    frameCallback_ = wl_surface_frame(surface_);
    wl_callback_add_listener(frameCallback_, &Events::Frame, this);
    wl_surface_commit(surface_);
    picture.Busy = true;
    drawing_ = -1;
    unsent_ = {};
}

}  // namespace globulon::wayland
