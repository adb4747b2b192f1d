// The processor time this process has used, for checks and figures on busy waiting.
#pragma once

#include <windows.h>

namespace globulon::testing {

// Seconds of CPU the whole process has used, user and kernel; -1 if unknown.
inline double ProcessCpuSeconds() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return -1;
    auto toSeconds = [](const FILETIME& t) {
        ULARGE_INTEGER v;
        v.LowPart = t.dwLowDateTime;
        v.HighPart = t.dwHighDateTime;
        return static_cast<double>(v.QuadPart) / 1e7;
    };
    return toSeconds(kernel) + toSeconds(user);
}

}  // namespace globulon::testing
