// The settings dialog shows the logic's state: after each user event the logic's state is copied
// into the controls, which send no events for it.
#include "win32/setup/setup_form.h"

namespace globulon {

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

}  // namespace globulon
