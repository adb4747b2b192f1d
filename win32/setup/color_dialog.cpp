// The colour picker; see color_dialog.h.
#include "win32/setup/color_dialog.h"

#include <commdlg.h>

namespace globulon {

std::int32_t ColorDialog::Show(HWND owner, std::int32_t initialColor, const std::wstring& title) {
    const std::wstring shownTitle = title == NoColorDialogTitle ? DefaultColorDialogTitle : title;

    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    // A negative colour is a system-colour reference; only its colour bits make sense here.
    choice.rgbResult = static_cast<COLORREF>(initialColor) & 0xFFFFFF;
    choice.lpCustColors = customColors_.data();
    choice.Flags = CC_RGBINIT | CC_ENABLEHOOK;
    choice.lpfnHook = ColorDialogHook;
    choice.lCustData = reinterpret_cast<LPARAM>(shownTitle.c_str());
    if (!ChooseColorW(&choice)) return -1;
    return static_cast<std::int32_t>(choice.rgbResult & 0xFFFFFF);
}

UINT_PTR CALLBACK ColorDialogHook(HWND dialog, UINT message, WPARAM /*wParam*/, LPARAM lParam) {
    // The dialog hands its hook the structure it was opened with.
    if (message == WM_INITDIALOG && lParam) {
        const auto* choice = reinterpret_cast<const CHOOSECOLORW*>(lParam);
        if (const auto* title = reinterpret_cast<const wchar_t*>(choice->lCustData)) {
            SetWindowTextW(dialog, title);
        }
    }
    return 0;
}

}  // namespace globulon
