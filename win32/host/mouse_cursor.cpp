// Cursor hiding and showing; see mouse_cursor.h.
#include "win32/host/mouse_cursor.h"

#include <windows.h>

namespace globulon {

void HideMouseCursor() {
    // Other code may have raised the counter: drive it down as far as needed. The cap only
    // guards against a system that never lets the counter move.
    for (int calls = 0; calls < 1000; ++calls) {
        if (ShowCursor(FALSE) < 0) return;
    }
}

void ShowMouseCursor() {
    for (int calls = 0; calls < 1000; ++calls) {
        if (ShowCursor(TRUE) >= 0) return;
    }
}

}  // namespace globulon
