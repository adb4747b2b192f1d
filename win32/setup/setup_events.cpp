// The settings dialog's events: what the controls and the pointer tell the form goes into the
// logic, and what OK, Cancel and closing do.
#include <cstdint>

#include "win32/about/hand_cursor.h"
#include "win32/setup/setup_form.h"

namespace globulon {

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

bool SetupForm::OnSetCursor(HWND over, int hitTest, UINT mouseMessage) {
    if (over != Control(SetupControlId::Swatch) || hitTest != HTCLIENT) return false;
    // The system asks for the pointer on every mouse move: that is the swatch's mouse-move event.
    if (mouseMessage == WM_MOUSEMOVE) lblColor_MouseMove();
    if (!logic_.Controls().SwatchHandCursor) return false;
    SetCursor(HandCursor());
    return true;
}

}  // namespace globulon
