// The About box's links: hover underline and pointer, and the click that opens a link. The box's
// handling is chained before each label's own procedure with SetWindowSubclass, which keeps the
// label's procedure and its user data the label's own.
#include <string>

// commctrl.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "win32/about/about_box.h"
#include "win32/about/hand_cursor.h"
#include "win32/host/end_rule.h"
#include "win32/host/user_desktop.h"

namespace globulon {

void AboutBox::LinkMouseMove(LinkLabel& hovered, LinkLabel& other) {
    SetNormalCursor(other);
    SetHandCursor(hovered);
    SetUnderline(other, false);
    SetUnderline(hovered, true);
}

void AboutBox::ClearUnderlines() {
    SetUnderline(lblmailto_, false);
    SetUnderline(lblweb_, false);
}

void AboutBox::SetUnderline(LinkLabel& label, bool underlined) {
    if (!label.Hwnd || label.Underlined == underlined) return;
    label.Underlined = underlined;
    HFONT font = underlined ? linkUnderlineFont_.Get() : linkFont_.Get();
    SendMessageW(label.Hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void AboutBox::LinkMouseDown(const LinkLabel& link) {
    const std::wstring target = link.Target;
    // Whether or not the link opens, the box closes and the program ends. On a desktop other
    // than the user's (a saver that asks for the password) the program it starts would open
    // there, where nobody sees it, and be lost with that desktop: nothing opens.
    if (openLink_ && OnUsersDesktop()) openLink_(GetDesktopWindow(), target);
    Unload();
    if (context_.QuitRequested) EndSaver(*context_.QuitRequested);
}

void AboutBox::Subclass(LinkLabel& link) {
    if (!link.Hwnd) return;
    const auto id = static_cast<UINT_PTR>(GetDlgCtrlID(link.Hwnd));
    SetWindowSubclass(link.Hwnd, &AboutBox::LinkProc, id, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK AboutBox::LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR boxData) {
    auto* box = reinterpret_cast<AboutBox*>(boxData);
    LinkLabel& link = id == MailLabelId ? box->lblmailto_ : box->lblweb_;
    LinkLabel& other = id == MailLabelId ? box->lblweb_ : box->lblmailto_;
    switch (message) {
        case WM_SETCURSOR:
            if (ApplyLabelCursor(link)) return TRUE;
            break;
        case WM_MOUSEMOVE:
            box->LinkMouseMove(link, other);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // Any button opens the link. The label is gone afterwards: nothing more to do here.
            box->LinkMouseDown(link);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &AboutBox::LinkProc, id);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace globulon
