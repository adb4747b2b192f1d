// Waiting for windows in the settings dialog's Windows tests: a watcher thread finds the dialog
// (or the colour picker) that the test's own thread is running modally.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

namespace globulon::testing {

// Polls until the top-level window of the class and title exists and is visible; null after
// timeoutMs. Safe from any thread; it does not pump messages.
inline HWND WaitForWindow(const wchar_t* className, const wchar_t* title, int timeoutMs = 10000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        HWND found = FindWindowW(className, title);
        if (found && IsWindowVisible(found)) return found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

// What WaitForThreadWindow looks for, and what it found.
struct ThreadWindowSearch {
    const wchar_t* ClassName;
    const wchar_t* Title;
    HWND Found;
};

inline BOOL CALLBACK MatchThreadWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ThreadWindowSearch*>(param);
    wchar_t className[64] = {}, title[128] = {};
    GetClassNameW(hwnd, className, 64);
    GetWindowTextW(hwnd, title, 128);
    if (std::wstring(className) != search->ClassName || std::wstring(title) != search->Title ||
        !IsWindowVisible(hwnd)) {
        return TRUE;
    }
    search->Found = hwnd;
    return FALSE;
}

// Like WaitForWindow, but only among the top-level windows of one thread: the tests of several
// processes may show dialogs of the same title at the same time.
inline HWND WaitForThreadWindow(DWORD threadId, const wchar_t* className, const wchar_t* title,
                                int timeoutMs = 10000) {
    ThreadWindowSearch search = {className, title, nullptr};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        EnumThreadWindows(threadId, MatchThreadWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found) return search.Found;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

}  // namespace globulon::testing
