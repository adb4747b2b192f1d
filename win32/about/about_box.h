// The About box: title, version, copyright, and links for e-mail and the web site.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "core/forms/dpi_scale.h"
#include "core/forms/form_context.h"
#include "win32/about/link_label.h"
#include "win32/about/modal_windows.h"
#include "win32/host/form_window.h"
#include "win32/host/gdi_owners.h"

namespace globulon {

// The picture in the box's corner: an icon or a bitmap, owned by whoever passes it.
struct AboutPicture {
    HICON Icon = nullptr;
    HBITMAP Bitmap = nullptr;

    static AboutPicture FromIcon(HICON icon) { return {icon, nullptr}; }
    static AboutPicture FromBitmap(HBITMAP bitmap) { return {nullptr, bitmap}; }
    bool Empty() const { return !Icon && !Bitmap; }
};

// Opens a link target and returns "" or what went wrong (OpenLink unless a test replaces it).
using LinkOpener = std::function<std::wstring(HWND owner, const std::wstring& target)>;

// The About box form (fabout). Load, optionally set Interval and Modeless, then About.
class AboutBox : public FormWindow {
  public:
    AboutBox();
    ~AboutBox() override;

    // Creates the box without showing it; harmless when it is loaded. False if it cannot be made.
    bool Load();
    // Closes the box; harmless when it is not loaded.
    void Unload();

    // Fills and shows the box (loading it first if needed). Shown modal (the default) it returns
    // once the box has closed; modeless at once. An empty picture shows the program's bitmap.
    void About(const std::wstring& comment, AboutPicture hIcon);

    // Auto-close interval in milliseconds (0: never). Write it after Load and before About.
    std::int32_t Interval();
    void Interval(std::int32_t newInterval);
    bool Modeless() const { return isModeless_; }
    void Modeless(bool newValue) { isModeless_ = newValue; }
    // True from loading until the box starts to close.
    bool Loaded() const { return isLoaded_; }

    void SetLinkOpener(LinkOpener opener) { openLink_ = std::move(opener); }
    // The program's texts and scale for the next load, and the end flag a chosen link sets.
    void SetContext(const FormContext& context) { context_ = context; }

    // The controls' ids.
    static constexpr int AboutLabelId = 101;
    static constexpr int MailLabelId = 103;
    static constexpr int WebLabelId = 104;
    static constexpr int IconImageId = 105;

    // The controls, for whoever needs to look at the box.
    HWND AboutLabel() const { return lblAbout_; }
    HWND MailLabel() const { return lblmailto_.Hwnd; }
    HWND WebLabel() const { return lblweb_.Hwnd; }
    HWND OkButton() const { return btnOK_; }
    HWND IconImage() const { return imgIcon_; }
    AboutPicture Picture() const { return picture_; }

  protected:
    void OnCreate() override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    PixelRect Pixels(const TwipsRect& box) const;
    RECT FrameRect() const;
    HFONT MakeArial(double points, bool underline) const;
    void CreateFonts();
    void CreateControls();
    // Sizes the image control to the picture at the box's DPI.
    void SizePicture();
    void PlaceLinks();
    void CentreOnScreen();
    void PaintFrame();
    void ShowPicture(AboutPicture picture);
    void DrawPicture(const DRAWITEMSTRUCT& item) const;
    void ShowModal();
    // The box went to a monitor of another DPI: new fonts, controls placed anew, and the window
    // at the place the system suggests.
    void OnDpiChanged(int dpi, const RECT& suggested);

    void TimerHide_Timer();
    void LinkMouseMove(LinkLabel& hovered, LinkLabel& other);
    void ClearUnderlines();
    void SetUnderline(LinkLabel& label, bool underlined);
    void LinkMouseDown(const LinkLabel& link);
    // Chains the box's link handling before the label's own procedure.
    void Subclass(LinkLabel& link);
    static LRESULT CALLBACK LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR box);

    // Form state that outlives an unload.
    std::int32_t intervalMs_ = 0;
    bool isModeless_ = false;
    bool isLoaded_ = false;
    LinkOpener openLink_;
    FormContext context_;

    // State of the loaded window, taken in this order and given back in reverse.
    int dpi_ = StandardDpi;  // of the monitor the box is on
    GdiObject<HFONT> textFont_, linkFont_, linkUnderlineFont_;
    HWND lblAbout_ = nullptr, imgIcon_ = nullptr, btnOK_ = nullptr;
    LinkLabel lblmailto_, lblweb_;
    std::int32_t timerIntervalMs_ = 0;  // the timer's interval, set anew with each load
    bool timerRunning_ = false;
    AboutPicture picture_;
    GdiObject<HBITMAP> ownBitmap_;  // the program's bitmap, loaded by the box
    ModalDisabledWindows modalDisabled_;
};

// Opens box over the running saver: with pin, top-most and closing itself after 10 s. The icon is
// the icon resource iconId. Returns when the box has closed.
void ShowSaverAbout(AboutBox& box, const FormContext& context, bool pin, int iconId,
                    const std::wstring& comment);

// Loads box and shows it with the picture (an empty one: the program's bitmap).
void ShowAboutBox(AboutBox& box, const FormContext& context, const std::wstring& comment,
                  AboutPicture picture);

}  // namespace globulon
