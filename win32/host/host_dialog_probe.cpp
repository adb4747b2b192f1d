// Reading the display-settings dialog's saver list; see host_dialog_probe.h.
#include "win32/host/host_dialog_probe.h"

#include <optional>
#include <string_view>
#include <vector>

#include "core/settings/text_case.h"

namespace globulon {
namespace {

// Titles are read into a fixed buffer: the page title only has to contain a short phrase.
constexpr int TitleBufferChars = 256;
// No file name comes near this; a list claiming a longer entry is not showing this program.
constexpr LRESULT LongestEntryChars = 32767;
// A dialog that answers takes well under a millisecond; one that takes longer is busy or hung,
// and the preview must go on drawing meanwhile.
constexpr UINT AnswerTimeoutMs = 100;

// A message to another process's window with a time limit; no value when it timed out (or the
// window is gone).
std::optional<LRESULT> Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, AnswerTimeoutMs,
                             &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

// Whether the window's title contains "Screen saver"; no value when it did not answer.
std::optional<bool> ContainsScreenSaver(HWND window) {
    wchar_t title[TitleBufferChars] = {};
    const std::optional<LRESULT> length =
        Ask(window, WM_GETTEXT, TitleBufferChars, reinterpret_cast<LPARAM>(title));
    if (!length) return std::nullopt;
    if (*length <= 0 || *length >= TitleBufferChars) return false;
    const std::wstring lower =
        LowerCaseText(std::wstring_view(title, static_cast<std::size_t>(*length)));
    return lower.find(L"screen saver") != std::wstring::npos;
}

// The dialog's child page titled "Screen saver", or the dialog itself when it has none. A null
// dialog stands for the desktop, whose children are the top-level windows. No value when a
// candidate page did not answer.
std::optional<HWND> FindSaverPage(HWND dialog) {
    for (HWND child = FindWindowExW(dialog, nullptr, L"#32770", nullptr); child;
         child = FindWindowExW(dialog, child, L"#32770", nullptr)) {
        const std::optional<bool> isPage = ContainsScreenSaver(child);
        if (!isPage) return std::nullopt;
        if (*isPage) return child;
    }
    return dialog;
}

// The list's selected entry: empty when there is none or the list answers with an error; no
// value when it did not answer.
std::optional<std::wstring> SelectedEntry(HWND list) {
    const std::optional<LRESULT> index = Ask(list, CB_GETCURSEL, 0, 0);
    if (!index) return std::nullopt;
    if (*index < 0) return std::wstring();
    // The buffer is sized from the entry's own length, so no entry can overrun it.
    const std::optional<LRESULT> length =
        Ask(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(*index), 0);
    if (!length) return std::nullopt;
    if (*length <= 0 || *length > LongestEntryChars) return std::wstring();
    std::vector<wchar_t> buffer(static_cast<std::size_t>(*length) + 1, L'\0');
    const std::optional<LRESULT> copied = Ask(list, CB_GETLBTEXT, static_cast<WPARAM>(*index),
                                              reinterpret_cast<LPARAM>(buffer.data()));
    if (!copied) return std::nullopt;
    if (*copied <= 0 || *copied > *length) return std::wstring();
    return std::wstring(buffer.data(), static_cast<std::size_t>(*copied));
}

}  // namespace

SaverSelection IsSaverSelected(HWND dialog, const std::wstring& name) {
    // A dialog that is gone has no lists. Without a dialog (the preview window had fewer than
    // three ancestors) the top-level windows are searched: there a stand-alone "Screen Saver
    // Settings" dialog holds the list.
    if (dialog && !IsWindow(dialog)) return SaverSelection::No;
    const std::optional<HWND> page = FindSaverPage(dialog);
    if (!page) return SaverSelection::NotKnown;
    const std::wstring wanted = LowerCaseText(name);
    bool listRead = false;
    for (HWND list = FindWindowExW(*page, nullptr, L"ComboBox", nullptr); list;
         list = FindWindowExW(*page, list, L"ComboBox", nullptr)) {
        const std::optional<std::wstring> entry = SelectedEntry(list);
        // A list that did not answer might show this saver.
        if (!entry) return SaverSelection::NotKnown;
        if (!entry->empty() && LowerCaseText(*entry) == wanted) return SaverSelection::Yes;
        listRead = true;
    }
    // A dialog whose page title is translated, or whose lists sit elsewhere, shows no list here:
    // whether it still has this saver selected cannot be told.
    return listRead ? SaverSelection::No : SaverSelection::NotKnown;
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
    // A host may start the program by its short alias (GLOBUL~1.SCR) while its list shows the
    // file's long name ("Globulon Screen Saver"): the long name is the one to compare.
    if (const DWORD needed = GetLongPathNameW(name.c_str(), nullptr, 0); needed > 0) {
        std::vector<wchar_t> longPath(needed);
        const DWORD written = GetLongPathNameW(name.c_str(), longPath.data(), needed);
        if (written > 0 && written < needed) name.assign(longPath.data(), written);
    }
    const std::size_t folderEnd = name.find_last_of(L"\\/");
    if (folderEnd != std::wstring::npos) name.erase(0, folderEnd + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.erase(dot);
    return name;
}

}  // namespace globulon
