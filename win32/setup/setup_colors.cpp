// The settings dialog's colours: the swatch and the lists in the logic's colours, everything
// else in the form's own window colours.
#include "win32/setup/setup_form.h"

namespace globulon {

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

}  // namespace globulon
