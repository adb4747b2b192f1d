// A window's own icons (the caption's small one and the big one Alt+Tab shows), loaded at the
// sizes of the window's DPI and loaded again when the DPI changes.
#pragma once

#include <windows.h>

namespace globulon {

class WindowIcons {
  public:
    WindowIcons() = default;
    WindowIcons(const WindowIcons&) = delete;
    WindowIcons& operator=(const WindowIcons&) = delete;
    // After the window that showed them is gone, or has taken others.
    ~WindowIcons() { Clear(); }

    // Loads the program icon at the big and small icon sizes of dpi and gives them to the
    // window; the icons it had before are destroyed once it holds the new ones.
    void Apply(HWND window, int dpi);
    // Destroys the icons; the window must not show them any more.
    void Clear();

    HICON Big() const { return big_; }
    HICON Small() const { return small_; }

  private:
    // Icons of a size of their own are not shared, so they are the window's to destroy.
    HICON big_ = nullptr;
    HICON small_ = nullptr;
};

}  // namespace globulon
