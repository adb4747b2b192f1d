// The colour picker; see color_dialog.h.
#include "win32/setup/color_dialog.h"

#include <commdlg.h>

namespace globulon {

ColorDialogModule& ColorDialogState() {
    static ColorDialogModule state;
    return state;
}

std::int32_t ShowColorDialog(HWND owner, std::int32_t initialColor, const std::wstring& title) {
    ColorDialogModule& module = ColorDialogState();
    module.DialogTitle = title == NoColorDialogTitle ? DefaultColorDialogTitle : title;

    CHOOSECOLORW choice = {};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    // A negative colour is a system-colour reference; only its colour bits make sense here.
    choice.rgbResult = static_cast<COLORREF>(initialColor) & 0xFFFFFF;
    choice.lpCustColors = module.CustomColors.data();
    choice.Flags = CC_RGBINIT | CC_ENABLEHOOK;
    choice.lpfnHook = ColorDialogHook;
    if (!ChooseColorW(&choice)) return -1;
    return static_cast<std::int32_t>(choice.rgbResult & 0xFFFFFF);
}

UINT_PTR CALLBACK ColorDialogHook(HWND dialog, UINT message, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    if (message == WM_INITDIALOG) SetWindowTextW(dialog, ColorDialogState().DialogTitle.c_str());
    return 0;
}

}  // namespace globulon
