// The values start-up gathers and the run modes share. Main owns the one instance and hands it,
// or the parts a lower floor needs, down to the mode it runs.
#pragma once

#include <string>

#include "core/forms/form_context.h"
#include "core/front_end.h"
#include "core/settings/command_line.h"
#include "core/settings/program_texts.h"

namespace globulon {

struct ProgramState {
    RunModes RunMode = ModeNone;
    std::wstring AppTitle = ApplicationTitle;  // also the settings' name and the dialog's caption
    std::wstring CopyrightYears = CopyrightYearsText;  // shown in the About box
    bool UseMouseMove = false;     // a real mouse movement ends the full-screen saver
    bool QuitRequested = false;    // set by input handlers and the dialog; ends the running loop
    bool MonitorsChanged = false;  // set by the saver window when the monitor layout changed
    StartUp Start;  // the pen, background, screen scale and seed the runs start the sphere from

    // What the forms need of this state; they set QuitRequested through it.
    FormContext Forms() {
        FormContext context;
        context.AppTitle = AppTitle;
        context.CopyrightYears = CopyrightYears;
        context.QuitRequested = &QuitRequested;
        return context;
    }
};

}  // namespace globulon
