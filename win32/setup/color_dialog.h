// The colour picker behind the settings dialog's swatch: the system's colour dialog with a title
// of the program's own.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <string>

namespace globulon {

// The title given when the caller gives none; it is shown as "Set Color".
inline constexpr wchar_t NoColorDialogTitle[] = L"#A#O";
inline constexpr wchar_t DefaultColorDialogTitle[] = L"Set Color";

// One picker keeps the dialog's own "custom colours" row from one opening to the next.
class ColorDialog {
  public:
    ColorDialog() { customColors_.fill(RGB(255, 255, 255)); }

    // Shows the modal colour dialog over owner, starting on initialColor (a negative value is
    // reduced to its low 24 bits). The chosen colour, or -1 when the user cancelled or the dialog
    // could not be shown.
    std::int32_t Show(HWND owner, std::int32_t initialColor,
                      const std::wstring& title = NoColorDialogTitle);

  private:
    std::array<COLORREF, 16> customColors_{};
};

// The colour dialog's hook: gives the dialog the title its CHOOSECOLORW carries in lCustData
// when it opens; never takes a message away from the dialog.
UINT_PTR CALLBACK ColorDialogHook(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace globulon
