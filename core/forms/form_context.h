// What the program's forms (the settings dialog, the About box) need of the running program. The
// entry point fills it and hands it down; nothing below reaches up for it.
#pragma once

#include <cstdint>
#include <string>

#include "core/settings/program_texts.h"
#include "core/settings/twips.h"

namespace globulon {

struct FormContext {
    std::wstring AppTitle = ApplicationTitle;
    std::wstring CopyrightYears = CopyrightYearsText;
    // The screen's scale, for forms designed in twips.
    std::int32_t TwipsPerPixelX = DefaultTwipsPerPixel;
    std::int32_t TwipsPerPixelY = DefaultTwipsPerPixel;
    // The running loop's end flag, set by OK, Cancel, closing, or a link chosen in the About box
    // over the saver. Null when nothing is to be ended.
    bool* QuitRequested = nullptr;

    void RequestQuit() const {
        if (QuitRequested) *QuitRequested = true;
    }
    bool QuitWasRequested() const { return QuitRequested && *QuitRequested; }
};

}  // namespace globulon
