// Test tool: a stand-in for the program the user has for "mailto:" links. Registered as the
// link's handler, "link_recorder RECORD LINK" adds one line to the file RECORD, saying on which
// desktop it was started and with what: "<desktop name> <link>". It shows nothing.
#include <windows.h>

#include <cstdio>
#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    wchar_t desktop[64] = L"?";
    DWORD needed = 0;
    if (!GetUserObjectInformationW(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, desktop,
                                   sizeof(desktop), &needed)) {
        desktop[0] = L'?';
        desktop[1] = L'\0';
    }
    FILE* record = _wfopen(argv[1], L"a");
    if (!record) return 1;
    std::fwprintf(record, L"%ls %ls\n", desktop, argv[2]);
    return std::fclose(record) == 0 ? 0 : 1;
}
