// fGlobulon: the borderless full-screen window the saver draws on, and its input handlers.
#pragma once

#include <windows.h>

#include "core/forms/program_state.h"
#include "win32/about/about_box.h"
#include "win32/host/cursor_watch.h"
#include "win32/host/desktop_copy.h"
#include "win32/host/form_window.h"

namespace globulon {

class SaverForm : public FormWindow {
  public:
    // program: the mouse setting, the end and monitor-layout flags the handlers set, and the
    // About box's texts.
    explicit SaverForm(ProgramState& program) : program_(program) {}

    // "Load": creates the window hidden, covering every monitor.
    bool Load();
    // Takes the current desktop image as the background (before the window is shown).
    void UseDesktopBackdrop();
    // While the saver runs on the shown window: a real mouse movement ends it when the user
    // asked for that, and the system's own screen-saver start is refused.
    void WatchInput() { cursorWatch_.Start(program_.UseMouseMove); }
    void StopWatchingInput() { cursorWatch_.Stop(); }

    // Key and mouse-button handlers: every key and every click but a plain right click ends the
    // saver; a plain right click shows the About box over it. Another program taking the
    // foreground ends it too.
    void Form_KeyDown(int keyCode, int shift);
    void Form_MouseDown(int button, int shift);

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // Paints the whole client area with the background: black, or the desktop picture.
    void PaintBackground(HDC hdc);
    // Covers the virtual screen again after the monitors changed.
    void CoverAllMonitors();

    ProgramState& program_;
    DesktopSnapshot backdrop_;
    CursorWatch cursorWatch_;
    AboutBox about_;  // opened over the saver by a plain right click
};

}  // namespace globulon
