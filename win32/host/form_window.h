// The program's top-level windows ("forms"): the saver window, the settings dialog and the About
// box. All are of one window class, by which another copy of the program finds an open dialog.
#pragma once

#include <windows.h>

#include <string>

namespace globulon {

inline constexpr wchar_t FormClassName[] = L"ThunderRT6FormDC";

// The module of the running program (its resources live there).
HINSTANCE ProgramInstance();

// A form window owned by a C++ object. Every message from WM_NCCREATE on reaches OnMessage; a
// derived form handles what it needs and passes the rest to the base. The window is destroyed with
// the object at the latest. The class has room for the dialog manager's data, so a form that wants
// the system's dialog handling (focus, default button) makes DefDlgProcW its default procedure.
class FormWindow {
  public:
    FormWindow() = default;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow();

    // "Load": creates the window without showing it. The client area gets the given size in
    // pixels; the window's corner is at `at` on the screen, whose monitor gives the window its
    // DPI. False when the window could not be made.
    bool CreateForm(const std::wstring& title, DWORD style, DWORD exStyle, int clientWidth,
                    int clientHeight, HWND owner = nullptr, POINT at = {0, 0});
    // "Unload": destroys the window; harmless when there is none.
    void DestroyForm();

    HWND Hwnd() const { return hwnd_; }
    bool IsLoaded() const { return hwnd_ != nullptr; }

  protected:
    // Runs on WM_CREATE, once the window exists and before CreateForm returns (the form's load
    // handler).
    virtual void OnCreate() {}
    // What the form does not handle: DefaultProcedure.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The system's handling of every message the form leaves alone, also while the window is
    // being destroyed: DefWindowProcW unless the form says otherwise.
    virtual LRESULT DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static bool RegisterFormClass();
    static LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

}  // namespace globulon
