// Link pointers; see hand_cursor.h.
#include "win32/about/hand_cursor.h"

#include "win32/host/form_window.h"
#include "win32/host/resource_ids.h"

namespace globulon {
namespace {

bool MouseIsOver(HWND hwnd) {
    POINT point;
    return hwnd && GetCursorPos(&point) && WindowFromPoint(point) == hwnd;
}

}  // namespace

HCURSOR HandCursor() {
    // Cursors loaded from resources are shared and stay until the program ends: nothing to free.
    HCURSOR cursor = LoadCursorW(ProgramInstance(), MAKEINTRESOURCEW(HandCursorId));
    if (!cursor) cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND));
    return cursor;
}

void SetHandCursor(LinkLabel& label) {
    label.Cursor = HandCursor();
    // The mouse is usually over the label right now: show the hand without waiting for a move.
    if (MouseIsOver(label.Hwnd)) ApplyLabelCursor(label);
}

void SetNormalCursor(LinkLabel& label) {
    label.Cursor = nullptr;
}

bool ApplyLabelCursor(const LinkLabel& label) {
    if (!label.Cursor) return false;
    SetCursor(label.Cursor);
    return true;
}

}  // namespace globulon
