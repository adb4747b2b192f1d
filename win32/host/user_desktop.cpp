// Which desktop the program runs on; see user_desktop.h.
#include "win32/host/user_desktop.h"

#include <windows.h>

namespace globulon {
namespace {

enum class Name { Matches, Differs, Unknown };

// Whether a window station's or desktop's name is the given one.
Name NameOf(HANDLE object, const wchar_t* expected) {
    if (!object) return Name::Unknown;
    wchar_t name[64] = {};
    DWORD needed = 0;
    if (GetUserObjectInformationW(object, UOI_NAME, name, sizeof(name), &needed)) {
        return CompareStringOrdinal(name, -1, expected, -1, TRUE) == CSTR_EQUAL ? Name::Matches
                                                                                : Name::Differs;
    }
    // A name too long for the buffer is not one of the short system names.
    return GetLastError() == ERROR_INSUFFICIENT_BUFFER ? Name::Differs : Name::Unknown;
}

}  // namespace

bool OnUsersDesktop() {
    // The user works on the "Default" desktop of the interactive window station, "WinSta0" (the
    // application desktop). A secure saver runs on "Screen-saver", the logon and elevation
    // prompts on "Winlogon", a service on a station of its own that shows nothing. The input
    // desktop (OpenInputDesktop) cannot tell them apart: while a secure saver runs, its own
    // desktop is the one that takes input.
    const Name station = NameOf(GetProcessWindowStation(), L"WinSta0");
    const Name desktop = NameOf(GetThreadDesktop(GetCurrentThreadId()), L"Default");
    return station != Name::Differs && desktop != Name::Differs;
}

}  // namespace globulon
