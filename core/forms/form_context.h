// What the program's forms (the settings dialog, the About box) need of the running program. The
// entry point fills it and hands it down; nothing below reaches up for it.
#pragma once

#include <string>

#include "core/settings/program_texts.h"

namespace globulon {

struct FormContext {
    std::wstring AppTitle = ApplicationTitle;
    std::wstring CopyrightYears = CopyrightYearsText;
    // The running loop's end flag, set by OK, Cancel, closing, or a link chosen in the About box
    // over the saver. Null when nothing is to be ended.
    bool* QuitRequested = nullptr;

    void RequestQuit() const {
        if (QuitRequested) *QuitRequested = true;
    }
    bool QuitWasRequested() const { return QuitRequested && *QuitRequested; }
};

}  // namespace globulon
