// The About box's links: hover underline and pointer, and the click that opens a link.
#include <string>

#include "win32/about/about_box.h"
#include "win32/about/hand_cursor.h"
#include "win32/host/end_rule.h"

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
    // Whether or not the link opens, the box closes and the program ends.
    if (openLink_) openLink_(GetDesktopWindow(), target);
    Unload();
    if (context_.QuitRequested) EndSaver(*context_.QuitRequested);
}

LinkLabel* AboutBox::LinkOf(HWND hwnd) {
    if (hwnd && hwnd == lblmailto_.Hwnd) return &lblmailto_;
    if (hwnd && hwnd == lblweb_.Hwnd) return &lblweb_;
    return nullptr;
}

void AboutBox::Subclass(LinkLabel& link) {
    if (!link.Hwnd) return;
    SetWindowLongPtrW(link.Hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    link.PreviousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        link.Hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AboutBox::LinkProc)));
}

LRESULT CALLBACK AboutBox::LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<AboutBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    LinkLabel* link = box ? box->LinkOf(hwnd) : nullptr;
    if (!link || !link->PreviousProc) return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC previous = link->PreviousProc;
    switch (message) {
        case WM_SETCURSOR:
            if (ApplyLabelCursor(*link)) return TRUE;
            break;
        case WM_MOUSEMOVE:
            box->LinkMouseMove(*link, link == &box->lblmailto_ ? box->lblweb_ : box->lblmailto_);
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            // Any button opens the link. The label is gone afterwards: nothing more to do here.
            box->LinkMouseDown(*link);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
}

}  // namespace globulon
