// Helpers for the About box tests under Wine: timed actions inside modal loops, pumping, lookups.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace globulon::testing {

// Runs an action once, the given time from now, from inside whatever message loop runs then
// (the About box's modal loop included). Cancelled when the object goes before it ran.
class DelayedAction {
  public:
    DelayedAction(UINT milliseconds, std::function<void()> action);
    DelayedAction(const DelayedAction&) = delete;
    DelayedAction& operator=(const DelayedAction&) = delete;
    ~DelayedAction();
    bool Ran() const { return ran_; }

  private:
    static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD);
    UINT_PTR id_ = 0;
    std::function<void()> action_;
    bool ran_ = false;
};

// The About box window open in this thread, or null.
HWND FindAboutWindow();
// A window's text.
std::wstring TextOf(HWND hwnd);
// A window's place in its parent's client coordinates.
RECT PlaceInParent(HWND hwnd);
// Whether the font set on the window draws underlined.
bool HasUnderlinedFont(HWND hwnd);

}  // namespace globulon::testing
