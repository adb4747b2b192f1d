// The settings dialog's layout in pixels; see setup_layout.h.
#include "core/forms/setup_layout.h"

namespace globulon {

PixelRect SetupControlPixels(const SetupControlLayout& control, int dpi) {
    PixelRect rect = TwipsToPixelsAtDpi(control.Position, dpi);
    if (control.InFrame) {
        // Inside the frame, positions count from the frame's own corner.
        const PixelRect frame = SetupControlPixels(*FindSetupControl(SetupControlId::Frame), dpi);
        rect.Left += frame.Left;
        rect.Top += frame.Top;
    }
    return rect;
}

const SetupControlLayout* FindSetupControl(SetupControlId id) {
    for (const SetupControlLayout& control : SetupLayout) {
        if (control.Id == id) return &control;
    }
    return nullptr;
}

}  // namespace globulon
