// Start-up and mode dispatch; see globulon_main.h.
#include "win32/app/globulon_main.h"

#include <windows.h>

#include <optional>

#include "core/forms/program_state.h"
#include "core/settings/command_line.h"
#include "core/settings/handle_text.h"
#include "core/settings/setting_texts.h"
#include "core/sphere/random_source.h"
#include "win32/app/preview_run.h"
#include "win32/app/saver_run.h"
#include "win32/host/app_window.h"
#include "win32/host/clock.h"
#include "win32/host/gdi_owners.h"
#include "win32/host/settings_store.h"
#include "win32/setup/configure_run.h"

namespace globulon {
namespace {

// A named object held for the life of the process tells later copies that this one runs.
// Called once; the handle is deliberately never closed, so the name lives as long as the process.
bool AnotherInstanceRunning() {
    HANDLE marker = CreateMutexW(nullptr, FALSE, L"Local\\Globulon Screen Saver instance");
    return marker && GetLastError() == ERROR_ALREADY_EXISTS;
}

// A 32-bit handle made into a window handle as the system does: sign-extended.
HWND HandleFromNumber(std::int32_t number) {
    return static_cast<HWND>(LongToHandle(number));
}

// "ActiveSetup" counts only while it names a window that exists: a value left behind by a
// preview that was killed, or one that names no handle at all, is no running preview.
bool PreviewRecorded() {
    const std::optional<std::int32_t> handle = ReadHandleText(GetProgramSetting(ActiveSetupKey));
    return handle && *handle != 0 && IsWindow(HandleFromNumber(*handle));
}

// An open form of another copy bearing the title (such as its settings dialog) comes to the
// front instead of this process doing anything. True when one was found.
bool HandedOverToOpenForm(const std::wstring& appTitle) {
    HWND open = FindAppWindow(appTitle, L"");
    if (!open) return false;
    RestoreAppWindow(open);
    return true;
}

// False when this process must end at once because another copy runs.
bool PassesInstanceCheck(const ProgramState& program, bool& previewRunning) {
    if (!AnotherInstanceRunning()) return !HandedOverToOpenForm(program.AppTitle);
    switch (program.RunMode) {
        case ModeSaver:
            // A saver started from the host dialog goes ahead while that dialog's preview runs.
            previewRunning = PreviewRecorded();
            return previewRunning;
        case ModePreview:
            return false;
        case ModeSetup:
            return !HandedOverToOpenForm(program.AppTitle);
        default:
            return true;
    }
}

// Twips per pixel of the screen, from its dots per inch.
void StoreScreenScale(StartUp& start) {
    const WindowDc screen(nullptr);
    if (!screen) return;
    start.TwipsPerPixelX = TwipsPerPixelForDpi(GetDeviceCaps(screen.Get(), LOGPIXELSX));
    start.TwipsPerPixelY = TwipsPerPixelForDpi(GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

void ReadSettings(ProgramState& program) {
    const SaverSettings settings =
        ReadSaverSettings([](const SettingKey& key) { return GetProgramSetting(key); });
    program.Start.BlackScreen = settings.UseBlackScreen;
    program.UseMouseMove = settings.UseMouseMove;
    program.Start.RandomPen = settings.UseRandomColors;
    program.Start.FixedPen = settings.FixedColor;
    program.Start.Seed = SeedFromClockSeconds(ClockSeconds());
}

void RunPreviewMode(ProgramState& program, std::wstring_view commandText) {
    HWND previewWindow = HandleFromNumber(HandleAfter(commandText, L' ').value_or(0));
    HWND hostDialog = nullptr;
    if (previewWindow) {
        // The display-settings dialog is three steps above its preview window.
        if (HWND p1 = GetParent(previewWindow)) {
            if (HWND p2 = GetParent(p1)) hostDialog = GetParent(p2);
        }
    }
    RunPreview(program, previewWindow, hostDialog);
}

void RunConfigureMode(ProgramState& program, std::wstring_view commandText, bool searchOwner) {
    HWND owner = nullptr;
    if (searchOwner) {
        if (HWND handle = HandleFromNumber(HandleAfter(commandText, L':').value_or(0))) {
            owner = GetParent(handle);
        }
    }
    RunConfigure(owner, program.Forms());
}

}  // namespace

void Main(std::wstring_view commandLine) {
    ProgramState program;
    const std::wstring commandText = MakeCommandText(commandLine);
    program.RunMode = ChooseRunMode(commandText);

    bool previewRunning = false;
    if (!PassesInstanceCheck(program, previewRunning)) return;

    StoreScreenScale(program.Start);
    ReadSettings(program);

    switch (program.RunMode) {
        case ModeNone:
            program.RunMode = ModeSetup;
            RunConfigureMode(program, commandText, false);
            break;
        case ModeSetup:
            RunConfigureMode(program, commandText, true);
            break;
        case ModeSaver:
            RunSaver(program, previewRunning);
            break;
        case ModePreview:
            RunPreviewMode(program, commandText);
            break;
        case ModePassword:
            MessageBeep(MB_OK);
            break;
    }
}

}  // namespace globulon
