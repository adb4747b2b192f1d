// Which desktop the program runs on; see user_desktop.h.
#include "win32/host/user_desktop.h"

#include <windows.h>

namespace globulon {

bool OnUsersDesktop() {
    HDESK desktop = GetThreadDesktop(GetCurrentThreadId());
    if (!desktop) return true;
    wchar_t name[64] = {};
    DWORD needed = 0;
    if (GetUserObjectInformationW(desktop, UOI_NAME, name, sizeof(name), &needed)) {
        return CompareStringOrdinal(name, -1, L"Default", -1, TRUE) == CSTR_EQUAL;
    }
    // A name too long for the buffer is not "Default"; any other failure leaves it unknown.
    return GetLastError() != ERROR_INSUFFICIENT_BUFFER;
}

}  // namespace globulon
