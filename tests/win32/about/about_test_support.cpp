// Helpers for the About box tests; see about_test_support.h.
#include "tests/win32/about/about_test_support.h"

#include <map>

#include "win32/host/form_window.h"

namespace globulon::testing {
namespace {

std::map<UINT_PTR, DelayedAction*>& ActiveActions() {
    static std::map<UINT_PTR, DelayedAction*> actions;
    return actions;
}

BOOL CALLBACK TakeAboutWindow(HWND hwnd, LPARAM lParam) {
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    if (std::wstring(className) != FormClassName || TextOf(hwnd) != L"About") return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hwnd;
    return FALSE;
}

}  // namespace

DelayedAction::DelayedAction(UINT milliseconds, std::function<void()> action)
    : action_(std::move(action)) {
    id_ = SetTimer(nullptr, 0, milliseconds, &DelayedAction::Fire);
    if (id_) ActiveActions()[id_] = this;
}

DelayedAction::~DelayedAction() {
    if (!id_) return;
    KillTimer(nullptr, id_);
    ActiveActions().erase(id_);
}

void CALLBACK DelayedAction::Fire(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    auto found = ActiveActions().find(id);
    if (found == ActiveActions().end()) return;
    DelayedAction* action = found->second;
    ActiveActions().erase(found);
    action->id_ = 0;
    action->ran_ = true;
    action->action_();
}

HWND FindAboutWindow() {
    // Only this test's own windows: other test programs may show their boxes at the same time.
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &TakeAboutWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

RECT PlaceInParent(HWND hwnd) {
    RECT place = {};
    GetWindowRect(hwnd, &place);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool HasUnderlinedFont(HWND hwnd) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    LOGFONTW description = {};
    return font && GetObjectW(font, sizeof(description), &description) && description.lfUnderline;
}

}  // namespace globulon::testing
