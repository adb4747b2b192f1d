// fsetup, the settings dialog: a form window holding the controls of the window-free SetupLogic.
// User events go into the logic; after each one the logic's state is copied into the controls.
// The system's dialog manager moves the focus, keeps it over deactivation and marks the default
// button.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "core/forms/dpi_scale.h"
#include "core/forms/form_context.h"
#include "core/forms/setup_layout.h"
#include "core/forms/setup_logic.h"
#include "win32/about/about_box.h"
#include "win32/host/form_window.h"
#include "win32/host/gdi_owners.h"
#include "win32/host/window_icons.h"
#include "win32/setup/color_dialog.h"

namespace globulon {

// Stores one setting; SetupForm uses it for the four values OK saves.
using SettingWriter = std::function<void(std::wstring_view key, std::wstring_view value)>;

// The program's own settings store, for the dialog as the program runs it.
SettingReader ProgramSettingReader();
SettingWriter ProgramSettingWriter();

class SetupForm : public FormWindow {
  public:
    // context: the caption, the screen's scale and the end flag that OK, Cancel and closing set.
    explicit SetupForm(FormContext context, SettingReader readSetting = ProgramSettingReader(),
                       SettingWriter saveSetting = ProgramSettingWriter());
    ~SetupForm() override;

    // "Load": makes the hidden window and its controls and loads the settings into them (the
    // form's load handler), centred on the monitor of askedBy (the window that asked for the
    // dialog; without one, the pointer's). False when the window could not be made.
    bool Load(HWND askedBy = nullptr);
    // Shows the loaded window as it is (modeless).
    void Show();
    // "Unload": destroys the window and gives back what it held; harmless when not loaded.
    void Unload();

    const SetupLogic& Logic() const { return logic_; }
    HWND Control(SetupControlId id) const;

  protected:
    void OnCreate() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void Form_Load();
    void Form_QueryUnload();
    void cmdOK_Click();
    void cmdCancel_Click();
    void lblColor_Click();
    void lblColor_MouseMove();

    // Makes the font at the form's DPI and the controls with it.
    void CreateControls();
    // Where a control sits at the form's DPI, in client pixels.
    PixelRect ControlPlace(const SetupControlLayout& control) const;
    void FillLists();
    int CaptionWidth(const std::wstring& caption) const;
    void CenterOnScreen();
    // Copies the logic's state into the controls; the controls send no events for it.
    void MirrorControls();

    void OnCommand(int id, int code);
    // Runs the handler of one control notification; true when it may have changed the logic.
    bool OnControlEvent(SetupControlId id, int code);
    LRESULT OnControlColor(UINT message, HDC dc, HWND control);
    bool OnSetCursor(HWND over, int hitTest, UINT mouseMessage);
    // The form went to a monitor of another DPI: new icons and font, controls placed anew, and
    // the window at the place the system suggests.
    void OnDpiChanged(int dpi, const RECT& suggested);
    HWND ListControl(ColorList list) const;

    FormContext context_;
    SettingWriter saveSetting_;
    SetupLogic logic_;
    SetupControls shown_;         // what the controls showed after the last MirrorControls
    HWND hiddenOwner_ = nullptr;  // keeps the dialog out of the task bar
    PixelRect screen_;            // the monitor the form opened on
    int dpi_ = StandardDpi;       // of the monitor the form is on
    WindowIcons icons_;           // at the form's DPI
    GdiObject<HFONT> font_;
    ColorDialog colorDialog_;  // keeps its custom colours while the dialog is open
    AboutBox about_;           // opened from the system menu
};

}  // namespace globulon
