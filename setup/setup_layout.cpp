// The settings dialog's layout in pixels; see setup_layout.h.
#include "setup/setup_layout.h"

namespace globulon {

int TwipsToPixels(int twips, int twipsPerPixel) {
    return twips / (twipsPerPixel > 0 ? twipsPerPixel : 15);
}

PixelRect SetupControlPixels(const SetupControlLayout& control, int twipsPerPixelX,
                             int twipsPerPixelY) {
    PixelRect rect;
    rect.Left = TwipsToPixels(control.Position.Left, twipsPerPixelX);
    rect.Top = TwipsToPixels(control.Position.Top, twipsPerPixelY);
    rect.Width = TwipsToPixels(control.Position.Width, twipsPerPixelX);
    rect.Height = TwipsToPixels(control.Position.Height, twipsPerPixelY);
    if (control.InFrame) {
        // Inside the frame, positions count from the frame's own corner.
        const PixelRect frame = SetupControlPixels(*FindSetupControl(SetupControlId::Frame),
                                                   twipsPerPixelX, twipsPerPixelY);
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
