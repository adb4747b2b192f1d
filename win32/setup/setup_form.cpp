// The settings dialog's window: made, shown and unloaded, where it opens, and its message
// routing; see setup_form.h.
#include "win32/setup/setup_form.h"

#include <utility>

#include "win32/about/sys_menu.h"
#include "win32/host/dpi_change.h"
#include "win32/host/monitors.h"
#include "win32/host/settings_store.h"
#include "win32/host/window_dpi.h"

namespace globulon {
namespace {

// No WS_CLIPCHILDREN: the form paints the background inside the frame, which the frame itself
// leaves alone.
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// WS_EX_CONTROLPARENT gives the form the dialog keys in the message pump.
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;

HWND MakeHiddenOwner() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           ProgramInstance(), nullptr);
}

}  // namespace

SettingReader ProgramSettingReader() {
    return [](std::wstring_view key, std::wstring_view defaultValue) {
        return GetProgramSetting(key, defaultValue);
    };
}

SettingWriter ProgramSettingWriter() {
    return [](std::wstring_view key, std::wstring_view value) { SaveProgramSetting(key, value); };
}

SetupForm::SetupForm(FormContext context, SettingReader readSetting, SettingWriter saveSetting)
    : context_(std::move(context)),
      saveSetting_(std::move(saveSetting)),
      logic_(std::move(readSetting)) {}

SetupForm::~SetupForm() {
    Unload();
}

bool SetupForm::Load(HWND askedBy) {
    if (IsLoaded()) return true;
    // An owned window stays out of the task bar; the owner itself is never shown.
    hiddenOwner_ = MakeHiddenOwner();
    // Made on the monitor it opens on, so that it has that monitor's DPI from the start; sized
    // for the system DPI here and for the monitor's in the load handler.
    screen_ = MonitorOfOwner(askedBy);
    const int dpi = SystemDpi();
    if (!CreateForm(context_.AppTitle, FormStyle, FormExStyle,
                    TwipsToPixelsAtDpi(SetupClientWidthTwips, dpi),
                    TwipsToPixelsAtDpi(SetupClientHeightTwips, dpi), hiddenOwner_,
                    {screen_.Left, screen_.Top})) {
        Unload();
        return false;
    }
    return true;
}

void SetupForm::Show() {
    if (IsLoaded()) ShowWindow(Hwnd(), SW_SHOWNORMAL);
}

void SetupForm::Unload() {
    // The controls go with the window, before the font they use and the owner they sit on; the
    // icons once no window shows them.
    DestroyForm();
    icons_.Clear();
    font_.Reset();
    if (hiddenOwner_) DestroyWindow(hiddenOwner_);
    hiddenOwner_ = nullptr;
}

HWND SetupForm::Control(SetupControlId id) const {
    return IsLoaded() ? GetDlgItem(Hwnd(), static_cast<int>(id)) : nullptr;
}

void SetupForm::OnCreate() {
    Form_Load();
}

void SetupForm::Form_Load() {
    HWND hwnd = Hwnd();
    dpi_ = WindowDpi(hwnd);
    icons_.Apply(hwnd, dpi_);
    SetClientSize(hwnd, TwipsToPixelsAtDpi(SetupClientWidthTwips, dpi_),
                  TwipsToPixelsAtDpi(SetupClientHeightTwips, dpi_));
    CenterOnScreen();
    CreateControls();
    // Enter presses OK unless the focus is on another push button.
    SendMessageW(hwnd, DM_SETDEFID, IDOK, 0);
    FillLists();
    logic_.LoadSettings();
    MirrorControls();
    AddSysMenuItem(hwnd, AboutCommandId, L"About...", true);
}

void SetupForm::CenterOnScreen() {
    // The screen is the monitor of the window that asked for the dialog, as the saver reads the
    // screen per monitor; the pointer's when nothing asked.
    RECT frame;
    if (!GetWindowRect(Hwnd(), &frame)) return;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = screen_.Left + (screen_.Width - width) / 2;
    const int top = screen_.Top + (screen_.Height - height) / 2;
    SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT SetupForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLOREDIT:
            return OnControlColor(message, reinterpret_cast<HDC>(wParam),
                                  reinterpret_cast<HWND>(lParam));
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(Hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_WINDOW));
            return 1;
        }
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam), HIWORD(lParam))) {
                return TRUE;
            }
            break;
        case WM_SYSCOMMAND:
            if (wParam == AboutCommandId) ShowAboutFromMenu(about_, Hwnd(), context_);
            // Move, Minimise, Close and the rest: the default handling (Close then sends
            // WM_CLOSE).
            break;
        case WM_GETDPISCALEDSIZE: {
            const int dpi = static_cast<int>(wParam);
            return AnswerDpiScaledSize(Hwnd(), wParam, lParam,
                                       TwipsToPixelsAtDpi(SetupClientWidthTwips, dpi),
                                       TwipsToPixelsAtDpi(SetupClientHeightTwips, dpi));
        }
        case WM_DPICHANGED:
            if (lParam) {
                OnDpiChanged(DpiChangedValue(wParam), *reinterpret_cast<const RECT*>(lParam));
            }
            return 0;
        case WM_CLOSE:
            Form_QueryUnload();
            return 0;
        case WM_ENDSESSION:
            if (wParam) Form_QueryUnload();
            return 0;
        default:
            break;
    }
    return FormWindow::OnMessage(message, wParam, lParam);
}

LRESULT SetupForm::DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefDlgProcW(hwnd, message, wParam, lParam);
}

}  // namespace globulon
