// The program-wide values that start-up stores and every run mode reads: one instance per process.
#pragma once

#include <string>

#include "scene/sphere_model.h"
#include "startup/command_line.h"

namespace globulon {

struct ProgramState {
    RunModes RunMode = ModeNone;
    std::wstring AppTitle;        // also the settings' application name and the dialog's caption
    std::wstring CopyrightYears;  // shown in the About box
    bool UseMouseMove = false;    // a real mouse movement ends the full-screen saver
    bool QuitRequested = false;   // set by input handlers and the dialog; ends the running loop
    SphereScene Scene;            // the sphere and its colours
};

// The process's one ProgramState.
ProgramState& Program();

// Fixed texts of the program.
inline constexpr wchar_t ApplicationTitle[] = L"Globulon Screen Saver";
inline constexpr wchar_t CopyrightYearsText[] = L"2026";
inline constexpr wchar_t SettingsSection[] = L"Setting";

}  // namespace globulon
