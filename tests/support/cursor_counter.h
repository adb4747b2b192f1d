// Reading the thread's cursor display counter in the Windows tests.
#pragma once

#include <windows.h>

namespace globulon::testing {

// The thread's cursor display counter, read without changing it.
inline int CursorCounter() {
    ShowCursor(TRUE);
    return ShowCursor(FALSE);
}

}  // namespace globulon::testing
