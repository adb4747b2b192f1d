// Reading the display-settings dialog's saver list; see host_dialog_probe.h.
#include "host/host_dialog_probe.h"

#include <string_view>
#include <vector>

#include "base/text_case.h"

namespace globulon {
namespace {

// Titles are read into a fixed buffer: the page title only has to contain a short phrase.
constexpr int TitleBufferChars = 256;
// No file name comes near this; a list claiming a longer entry is not showing this program.
constexpr LRESULT LongestEntryChars = 32767;

bool ContainsScreenSaver(HWND window) {
    wchar_t title[TitleBufferChars] = {};
    const int length = GetWindowTextW(window, title, TitleBufferChars);
    if (length <= 0) return false;
    const std::wstring lower = LowerCaseText(std::wstring_view(title, length));
    return lower.find(L"screen saver") != std::wstring::npos;
}

// The dialog's child page titled "Screen saver", or the dialog itself when it has none. A null
// dialog stands for the desktop, whose children are the top-level windows.
HWND FindSaverPage(HWND dialog) {
    for (HWND child = FindWindowExW(dialog, nullptr, L"#32770", nullptr); child;
         child = FindWindowExW(dialog, child, L"#32770", nullptr)) {
        if (ContainsScreenSaver(child)) return child;
    }
    return dialog;
}

// The list's selected entry; empty when there is none or the list answers with an error.
std::wstring SelectedEntry(HWND list) {
    const LRESULT index = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index < 0) return std::wstring();
    // The buffer is sized from the entry's own length, so no entry can overrun it.
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0 || length > LongestEntryChars) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    if (copied <= 0 || copied > length) return std::wstring();
    return std::wstring(buffer.data(), static_cast<std::size_t>(copied));
}

}  // namespace

bool IsSaverSelected(HWND dialog, const std::wstring& name) {
    // A dialog that is gone has no lists. Without a dialog (the preview window had fewer than
    // three ancestors) the top-level windows are searched: there a stand-alone "Screen Saver
    // Settings" dialog holds the list.
    if (dialog && !IsWindow(dialog)) return false;
    const std::wstring wanted = LowerCaseText(name);
    const HWND page = FindSaverPage(dialog);
    for (HWND list = FindWindowExW(page, nullptr, L"ComboBox", nullptr); list;
         list = FindWindowExW(page, list, L"ComboBox", nullptr)) {
        const std::wstring entry = SelectedEntry(list);
        if (!entry.empty() && LowerCaseText(entry) == wanted) return true;
    }
    return false;
}

std::wstring ProgramName() {
    // Paths may exceed MAX_PATH: grow the buffer until the whole path fits.
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) break;
        if (path.size() >= 32768) return std::wstring();
        path.resize(path.size() * 2);
    }
    std::wstring name(path.data(), length);
    const std::size_t folderEnd = name.find_last_of(L"\\/");
    if (folderEnd != std::wstring::npos) name.erase(0, folderEnd + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace globulon
