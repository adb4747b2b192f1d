// The settings dialog's controls: made from the window-free layout at the form's DPI, filled,
// and placed anew when the form moves to a monitor of another DPI.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "win32/host/dpi_change.h"
#include "win32/host/form_window.h"
#include "win32/host/gdi_owners.h"
#include "win32/setup/setup_form.h"

namespace globulon {
namespace {

constexpr double FontPoints = 8.25;
// "MS Shell Dlg" is the system's dialog face: on Windows the TrueType successor of "MS Sans
// Serif" at the same size, elsewhere whatever face the system keeps for its dialogs.
constexpr wchar_t FontFace[] = L"MS Shell Dlg";
// Room below a list's selection field for its drop-down part, at 96 DPI.
constexpr int DropDownPixels = 200;
constexpr int ListEntries = 256;

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

HFONT MakeDialogFont(int dpi) {
    return CreateFontW(FontHeightAtDpi(FontPoints, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, FontFace);
}

}  // namespace

HWND SetupForm::ListControl(ColorList list) const {
    return Control(ListId(list));
}

void SetupForm::CreateControls() {
    font_.Reset(MakeDialogFont(dpi_));
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
    icons_.Apply(Hwnd(), dpi_);
    // The labels are measured in the new font; the old one is deleted only once the controls
    // hold the new one. Without a new font they keep the old one.
    GdiObject<HFONT> font(MakeDialogFont(dpi_));
    const bool newFont = static_cast<bool>(font);
    if (newFont) std::swap(font, font_);
    std::vector<ControlAtDpi> controls;
    for (const SetupControlLayout& control : SetupLayout) {
        controls.push_back(
            {Control(control.Id), newFont ? font_.Get() : nullptr, ControlPlace(control)});
    }
    ApplyDpiChange(Hwnd(), controls, suggested, TwipsToPixelsAtDpi(SetupClientWidthTwips, dpi_),
                   TwipsToPixelsAtDpi(SetupClientHeightTwips, dpi_));
    // `font`, now the old one, is deleted here.
}

int SetupForm::CaptionWidth(const std::wstring& caption) const {
    std::wstring shown = caption;
    if (const size_t amp = shown.find(L'&'); amp != std::wstring::npos) shown.erase(amp, 1);
    const WindowDc dc(Hwnd());
    if (!dc) return 0;
    const SelectedObject font(dc.Get(), font_.Get());
    SIZE size = {};
    GetTextExtentPoint32W(dc.Get(), shown.c_str(), static_cast<int>(shown.size()), &size);
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

}  // namespace globulon
