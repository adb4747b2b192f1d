// The settings dialog's window and controls; see setup_form.h.
#include "win32/setup/setup_form.h"

#include <algorithm>
#include <string>
#include <utility>

#include "win32/about/hand_cursor.h"
#include "win32/about/sys_menu.h"
#include "win32/host/settings_store.h"
#include "win32/host/window_dpi.h"

namespace globulon {
namespace {

// No WS_CLIPCHILDREN: the form paints the background inside the frame, which the frame itself
// leaves alone.
constexpr DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
// WS_EX_CONTROLPARENT gives the form the dialog keys in the message pump.
constexpr DWORD FormExStyle = WS_EX_CONTROLPARENT;
constexpr double FontPoints = 8.25;
// "MS Shell Dlg" is the system's dialog face: on Windows the TrueType successor of "MS Sans
// Serif" at the same size, elsewhere whatever face the system keeps for its dialogs.
constexpr wchar_t FontFace[] = L"MS Shell Dlg";
// Room below a list's selection field for its drop-down part, at 96 DPI.
constexpr int DropDownPixels = 200;
constexpr int ListEntries = 256;
constexpr int IconId = 101;

struct ControlClass {
    const wchar_t* ClassName;
    DWORD Style;
};

ControlClass ClassOf(const SetupControlLayout& control) {
    switch (control.Kind) {
        case ControlKind::CheckBox:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP};
        case ControlKind::OptionButton: {
            // The first option starts the group; the checked one carries the tab stop.
            DWORD style = BS_AUTORADIOBUTTON;
            if (control.Id == SetupControlId::Random) style |= WS_GROUP;
            return {L"BUTTON", style};
        }
        case ControlKind::Label:
            return {L"STATIC", SS_LEFT | WS_GROUP};
        case ControlKind::DropDownList:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP | WS_GROUP};
        case ControlKind::PushButton: {
            DWORD style = WS_TABSTOP | WS_GROUP;
            style |= control.Id == SetupControlId::OK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            return {L"BUTTON", style};
        }
        case ControlKind::Frame:
            // Last in the stacking order: it must not paint over the controls inside it.
            return {L"BUTTON", BS_GROUPBOX | WS_GROUP | WS_CLIPSIBLINGS};
        case ControlKind::Swatch:
            return {L"STATIC", SS_NOTIFY | WS_BORDER | WS_GROUP};
    }
    return {L"STATIC", 0};
}

SetupControlId ListId(ColorList list) {
    switch (list) {
        case ColorList::Red:
            return SetupControlId::Red;
        case ColorList::Green:
            return SetupControlId::Green;
        case ColorList::Blue:
            return SetupControlId::Blue;
    }
    return SetupControlId::Red;
}

HWND MakeHiddenOwner() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           ProgramInstance(), nullptr);
}

HFONT MakeDialogFont(int dpi) {
    return CreateFontW(FontHeightAtDpi(FontPoints, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, FontFace);
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

bool SetupForm::Load() {
    if (IsLoaded()) return true;
    // An owned window stays out of the task bar; the owner itself is never shown.
    hiddenOwner_ = MakeHiddenOwner();
    // Sized for the system DPI here; the load handler sizes it for the DPI of its monitor.
    const int dpi = SystemDpi();
    if (!CreateForm(context_.AppTitle, FormStyle, FormExStyle,
                    TwipsToPixelsAtDpi(SetupClientWidthTwips, dpi),
                    TwipsToPixelsAtDpi(SetupClientHeightTwips, dpi), hiddenOwner_)) {
        Unload();
        return false;
    }
    return true;
}

void SetupForm::Show() {
    if (IsLoaded()) ShowWindow(Hwnd(), SW_SHOWNORMAL);
}

void SetupForm::Unload() {
    // The controls go with the window, before the font they use and the owner they sit on.
    DestroyForm();
    font_.Reset();
    if (hiddenOwner_) DestroyWindow(hiddenOwner_);
    hiddenOwner_ = nullptr;
}

HWND SetupForm::Control(SetupControlId id) const {
    return IsLoaded() ? GetDlgItem(Hwnd(), static_cast<int>(id)) : nullptr;
}

HWND SetupForm::ListControl(ColorList list) const {
    return Control(ListId(list));
}

void SetupForm::OnCreate() {
    Form_Load();
}

void SetupForm::Form_Load() {
    HWND hwnd = Hwnd();
    // Shared icons belong to the system's cache: nothing to free later.
    const auto loadIcon = [](int size) {
        return static_cast<HICON>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(IconId),
                                             IMAGE_ICON, size, size, LR_SHARED));
    };
    if (HICON big = loadIcon(GetSystemMetrics(SM_CXICON))) {
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    }
    if (HICON small = loadIcon(GetSystemMetrics(SM_CXSMICON))) {
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    }
    dpi_ = WindowDpi(hwnd);
    font_.Reset(MakeDialogFont(dpi_));
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
    RECT frame;
    if (!GetWindowRect(Hwnd(), &frame)) return;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetupForm::CreateControls() {
    // Made in tab order: new children go to the bottom of the stacking order, which is the
    // order the dialog keys walk.
    for (const SetupControlLayout& control : SetupLayout) {
        const ControlClass cls = ClassOf(control);
        const PixelRect at = ControlPlace(control);
        HWND child = CreateWindowExW(
            0, cls.ClassName, control.Caption, WS_CHILD | WS_VISIBLE | cls.Style, at.Left, at.Top,
            at.Width, at.Height, Hwnd(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(static_cast<int>(control.Id))),
            ProgramInstance(), nullptr);
        if (child && font_) {
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), 0);
        }
    }
}

PixelRect SetupForm::ControlPlace(const SetupControlLayout& control) const {
    PixelRect at = SetupControlPixels(control, dpi_);
    if (control.Kind == ControlKind::DropDownList) at.Height += ScaleToDpi(DropDownPixels, dpi_);
    // A label grows to its text: the dialog face of some systems is wider than the one the
    // layout was drawn with, and a clipped "Green:" helps nobody.
    if (control.Kind == ControlKind::Label) {
        at.Width = std::max(at.Width, CaptionWidth(control.Caption));
    }
    return at;
}

void SetupForm::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The controls take the new font before the old one is deleted.
    GdiObject<HFONT> font(MakeDialogFont(dpi_));
    if (font) {
        for (const SetupControlLayout& control : SetupLayout) {
            if (HWND child = Control(control.Id)) {
                SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), 0);
            }
        }
        font_ = std::move(font);
    }
    for (const SetupControlLayout& control : SetupLayout) {
        const PixelRect at = ControlPlace(control);
        if (HWND child = Control(control.Id)) {
            SetWindowPos(child, nullptr, at.Left, at.Top, at.Width, at.Height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

int SetupForm::CaptionWidth(const std::wstring& caption) const {
    std::wstring shown = caption;
    if (const size_t amp = shown.find(L'&'); amp != std::wstring::npos) shown.erase(amp, 1);
    HDC dc = GetDC(Hwnd());
    if (!dc) return 0;
    HGDIOBJ old = font_ ? SelectObject(dc, font_.Get()) : nullptr;
    SIZE size = {};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    if (old) SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
    return size.cx;
}

void SetupForm::FillLists() {
    for (ColorList list : AllColorLists) {
        if (HWND combo = ListControl(list)) {
            SendMessageW(combo, CB_INITSTORAGE, ListEntries, ListEntries * 6 * sizeof(wchar_t));
        }
    }
    for (int i = 0; i < ListEntries; ++i) {
        const std::wstring entry = L"  " + std::to_wstring(i);
        for (ColorList list : AllColorLists) {
            if (HWND combo = ListControl(list)) {
                SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
            }
        }
    }
}

void SetupForm::MirrorControls() {
    const SetupControls& state = logic_.Controls();
    for (ColorList list : AllColorLists) {
        HWND combo = ListControl(list);
        if (!combo) continue;
        const ColorListState& wanted = state.List(list);
        if (SendMessageW(combo, CB_GETCURSEL, 0, 0) != wanted.Selected) {
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(wanted.Selected), 0);
        }
        if ((IsWindowEnabled(combo) != FALSE) != wanted.Enabled) {
            EnableWindow(combo, wanted.Enabled ? TRUE : FALSE);
        }
        if (shown_.List(list).Background != wanted.Background) InvalidateRect(combo, nullptr, TRUE);
    }

    const auto setCheck = [this](SetupControlId id, bool checked) {
        if (HWND button = Control(id)) {
            SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    };
    const bool fixed = state.Option == ColorOption::Fixed;
    setCheck(SetupControlId::Random, !fixed);
    setCheck(SetupControlId::Fisso, fixed);
    // Of an option group, only the selected button is a tab stop.
    for (SetupControlId id : {SetupControlId::Random, SetupControlId::Fisso}) {
        if (HWND button = Control(id)) {
            const bool selected = (id == SetupControlId::Fisso) == fixed;
            LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
            style = selected ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
            SetWindowLongPtrW(button, GWL_STYLE, style);
        }
    }
    setCheck(SetupControlId::Black, state.BlackTicked);
    setCheck(SetupControlId::Mouse, state.MouseTicked);

    if (shown_.SwatchColor != state.SwatchColor) {
        if (HWND swatch = Control(SetupControlId::Swatch)) InvalidateRect(swatch, nullptr, TRUE);
    }
    shown_ = state;
}

void SetupForm::Form_QueryUnload() {
    // Only the user or the system closes the window this way; the program itself unloads it
    // with DestroyForm. Nothing is saved, and the run unloads the window when it sees the flag.
    context_.RequestQuit();
}

void SetupForm::cmdOK_Click() {
    for (const SettingWrite& write : logic_.cmdOK_Click()) saveSetting_(write.Key, write.Value);
    context_.RequestQuit();
}

void SetupForm::cmdCancel_Click() {
    context_.RequestQuit();
}

void SetupForm::lblColor_Click() {
    HWND owner = Hwnd();
    logic_.lblColor_Click([this, owner](ColorValue initialColor) {
        return colorDialog_.Show(owner, static_cast<std::int32_t>(initialColor));
    });
    MirrorControls();
}

void SetupForm::lblColor_MouseMove() {
    logic_.lblColor_MouseMove();
}

void SetupForm::OnCommand(int id, int code) {
    if (OnControlEvent(static_cast<SetupControlId>(id), code)) MirrorControls();
}

bool SetupForm::OnControlEvent(SetupControlId id, int code) {
    // Controls send more notifications than the ones handled here (a list sends CBN_DROPDOWN,
    // CBN_SELENDOK and CBN_CLOSEUP around a pick); those change nothing, and mirroring the logic
    // on them would put a list's old selection back before its CBN_SELCHANGE arrives.
    switch (id) {
        case SetupControlId::OK:
            if (code == BN_CLICKED) cmdOK_Click();
            return false;
        case SetupControlId::Cancel:
            if (code == BN_CLICKED) cmdCancel_Click();
            return false;
        case SetupControlId::Black:
        case SetupControlId::Mouse: {
            if (code != BN_CLICKED) return false;
            const bool ticked = IsDlgButtonChecked(Hwnd(), static_cast<int>(id)) == BST_CHECKED;
            if (id == SetupControlId::Black) {
                logic_.SetBlackTicked(ticked);
            } else {
                logic_.SetMouseTicked(ticked);
            }
            return true;
        }
        case SetupControlId::Random:
        case SetupControlId::Fisso:
            if (code != BN_CLICKED) return false;
            logic_.SelectOption(id == SetupControlId::Fisso ? ColorOption::Fixed
                                                            : ColorOption::Random);
            return true;
        case SetupControlId::Red:
        case SetupControlId::Green:
        case SetupControlId::Blue: {
            if (code != CBN_SELCHANGE) return false;
            const ColorList list = id == SetupControlId::Red     ? ColorList::Red
                                   : id == SetupControlId::Green ? ColorList::Green
                                                                 : ColorList::Blue;
            const LRESULT index = SendMessageW(ListControl(list), CB_GETCURSEL, 0, 0);
            logic_.SelectListEntry(list, static_cast<int>(index));
            return true;
        }
        case SetupControlId::Swatch:
            if (code == STN_CLICKED) lblColor_Click();
            return false;
        default:
            return false;
    }
}

LRESULT SetupForm::OnControlColor(UINT message, HDC dc, HWND control) {
    const SetupControls& state = logic_.Controls();
    if (control == Control(SetupControlId::Swatch)) {
        SetBkColor(dc, state.SwatchColor);
        SetDCBrushColor(dc, state.SwatchColor);
        return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
    }
    for (ColorList list : AllColorLists) {
        if (control == ListControl(list)) {
            const ColorValue background = state.List(list).Background;
            SetBkColor(dc, background);
            SetDCBrushColor(dc, background);
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
    }
    if (message == WM_CTLCOLORLISTBOX || message == WM_CTLCOLOREDIT) {
        return DefWindowProcW(Hwnd(), message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    }
    // Labels, check boxes, option buttons, the frame and the buttons' corners: the form's own
    // window colours.
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
}

bool SetupForm::OnSetCursor(HWND over, int hitTest, UINT mouseMessage) {
    if (over != Control(SetupControlId::Swatch) || hitTest != HTCLIENT) return false;
    // The system asks for the pointer on every mouse move: that is the swatch's mouse-move event.
    if (mouseMessage == WM_MOUSEMOVE) lblColor_MouseMove();
    if (!logic_.Controls().SwatchHandCursor) return false;
    SetCursor(HandCursor());
    return true;
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
