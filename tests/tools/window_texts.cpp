// Test tool: prints the title of the top-level window with the given title and the texts of all
// its descendants, one per line in UTF-8, so that black-box tests can read what a window shows.
// Exit code 1 when no such window exists.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

void PrintUtf8(const std::wstring& text) {
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes > 0 ? bytes : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), bytes, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
}

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(length + 1, L'\0');
    text.resize(GetWindowTextW(hwnd, text.data(), length + 1));
    return text;
}

BOOL CALLBACK PrintChild(HWND child, LPARAM) {
    PrintUtf8(WindowText(child));
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    HWND window = FindWindowW(nullptr, argv[1]);
    if (!window) return 1;
    PrintUtf8(WindowText(window));
    EnumChildWindows(window, PrintChild, 0);
    return 0;
}
