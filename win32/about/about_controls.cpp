// The About box's fonts and controls: made at the box's DPI, the links placed on their lines of
// the text, the box centred where the user looks, and all made anew for another DPI.
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <utility>

#include "core/forms/about_layout.h"
#include "core/forms/about_text.h"
#include "core/forms/author_texts.h"
#include "win32/about/about_box.h"
#include "win32/host/dpi_change.h"
#include "win32/host/form_window.h"
#include "win32/host/gdi_owners.h"
#include "win32/host/monitors.h"

namespace globulon {
namespace {

HFONT MakeArialFont(double points, bool underline, int dpi) {
    LOGFONTW font = {};
    font.lfHeight = FontHeightAtDpi(points, dpi);
    font.lfWeight = FW_NORMAL;
    font.lfUnderline = underline ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring face = L"Arial";
    std::copy(face.begin(), face.end(), font.lfFaceName);
    return CreateFontIndirectW(&font);
}

HWND MakeControl(HWND parent, const wchar_t* className, const std::wstring& text, DWORD style,
                 const PixelRect& place, int id, HFONT font) {
    HWND hwnd = CreateWindowExW(
        0, className, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, place.Left,
        place.Top, place.Width, place.Height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
    if (hwnd && font) SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

}  // namespace

PixelRect AboutBox::Pixels(const TwipsRect& box) const {
    return TwipsToPixelsAtDpi(box, dpi_);
}

// Frame1's edge in the box's client area.
RECT AboutBox::FrameRect() const {
    const PixelRect frame = Pixels(about_design::Frame);
    return {frame.Left, frame.Top, frame.Left + frame.Width, frame.Top + frame.Height};
}

HFONT AboutBox::MakeArial(double points, bool underline) const {
    return MakeArialFont(points, underline, dpi_);
}

void AboutBox::CreateFonts() {
    textFont_.Reset(MakeArial(about_design::TextFontPoints, false));
    linkFont_.Reset(MakeArial(about_design::LinkFontPoints, false));
    linkUnderlineFont_.Reset(MakeArial(about_design::LinkFontPoints, true));
}

void AboutBox::CreateControls() {
    HWND form = Hwnd();
    lblAbout_ = MakeControl(form, L"STATIC", L"", SS_LEFT | SS_NOPREFIX,
                            Pixels(about_design::AboutLabel), AboutLabelId, textFont_.Get());
    imgIcon_ = MakeControl(form, L"STATIC", L"", SS_OWNERDRAW, Pixels(about_design::Icon),
                           IconImageId, nullptr);
    btnOK_ = MakeControl(form, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP,
                         Pixels(about_design::OkButton), IDOK, textFont_.Get());
    // The links take mouse input themselves (SS_NOTIFY); the big label lets it through to the form.
    lblmailto_.Target = std::wstring(L"mailto:") + AuthorEmail;
    lblmailto_.Hwnd = MakeControl(form, L"STATIC", AuthorEmail, SS_LEFT | SS_NOPREFIX | SS_NOTIFY,
                                  Pixels(about_design::MailLabel), MailLabelId, linkFont_.Get());
    lblweb_.Target = WebSiteAddress;
    lblweb_.Hwnd = MakeControl(form, L"STATIC", WebAddress(), SS_LEFT | SS_NOPREFIX | SS_NOTIFY,
                               Pixels(about_design::WebLabel), WebLabelId, linkFont_.Get());
    Subclass(lblmailto_);
    Subclass(lblweb_);
    // Overlapping siblings: the links lie over the text.
    for (HWND top : {lblweb_.Hwnd, lblmailto_.Hwnd}) {
        if (top) SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void AboutBox::PlaceLinks() {
    if (!lblAbout_) return;
    const WindowDc label(lblAbout_);
    if (!label) return;
    HDC dc = label.Get();
    // The text's font, then the links' in its place; the label's own goes back in at the end.
    SelectedObject font(dc, textFont_.Get());
    // The label's own line pitch, measured the way it draws its text.
    RECT aboutRect = {};
    GetClientRect(lblAbout_, &aboutRect);
    constexpr UINT textFlags = DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
    RECT oneLine = {0, 0, aboutRect.right, 0};
    RECT twoLines = oneLine;
    DrawTextW(dc, L"X", -1, &oneLine, textFlags);
    DrawTextW(dc, L"X\r\nX", -1, &twoLines, textFlags);
    const std::int32_t lineHeight = twoLines.bottom - oneLine.bottom;
    TEXTMETRICW textMetrics = {};
    GetTextMetricsW(dc, &textMetrics);
    font = SelectedObject();
    font = SelectedObject(dc, linkFont_.Get());
    TEXTMETRICW linkMetrics = {};
    GetTextMetricsW(dc, &linkMetrics);

    RECT aboutPlace = {};
    GetWindowRect(lblAbout_, &aboutPlace);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&aboutPlace), 2);
    const std::pair<LinkLabel*, int> links[] = {{&lblmailto_, about_design::MailLine},
                                                {&lblweb_, about_design::WebLine}};
    for (const auto& [link, line] : links) {
        if (!link->Hwnd) continue;
        // Each label sizes itself to its caption.
        const int length = GetWindowTextLengthW(link->Hwnd);
        std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
        caption.resize(
            static_cast<std::size_t>(GetWindowTextW(link->Hwnd, caption.data(), length + 1)));
        RECT extent = {0, 0, 0, 0};
        DrawTextW(dc, caption.c_str(), -1, &extent, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        const std::int32_t top = LinkTopOnLine(aboutPlace.top, lineHeight, line,
                                               textMetrics.tmAscent, linkMetrics.tmAscent);
        SetWindowPos(link->Hwnd, nullptr, aboutPlace.left, top, extent.right, extent.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void AboutBox::CentreOnScreen() {
    RECT place = {};
    if (!GetWindowRect(Hwnd(), &place)) return;
    // On the monitor the user is looking at: the one under the pointer.
    const PixelRect monitor = MonitorUnderPointer();
    const int left = monitor.Left + CentredOffset(monitor.Width, place.right - place.left);
    const int top = monitor.Top + CentredOffset(monitor.Height, place.bottom - place.top);
    SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutBox::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The controls take the new fonts before the old ones are deleted; without all three they
    // keep the old ones.
    GdiObject<HFONT> text(MakeArial(about_design::TextFontPoints, false));
    GdiObject<HFONT> link(MakeArial(about_design::LinkFontPoints, false));
    GdiObject<HFONT> underlined(MakeArial(about_design::LinkFontPoints, true));
    const bool fonts = text && link && underlined;
    const auto fontOf = [fonts](const GdiObject<HFONT>& font) {
        return fonts ? font.Get() : nullptr;
    };
    ApplyDpiChange(Hwnd(),
                   {{lblAbout_, fontOf(text), Pixels(about_design::AboutLabel)},
                    {imgIcon_, nullptr, Pixels(about_design::Icon)},
                    {btnOK_, fontOf(text), Pixels(about_design::OkButton)}},
                   suggested, TwipsToPixelsAtDpi(about_design::ClientWidth, dpi_),
                   TwipsToPixelsAtDpi(about_design::ClientHeight, dpi_));
    for (const LinkLabel* label : {&lblmailto_, &lblweb_}) {
        if (fonts && label->Hwnd) {
            HFONT font = label->Underlined ? underlined.Get() : link.Get();
            SendMessageW(label->Hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        }
    }
    if (fonts) {
        textFont_ = std::move(text);
        linkFont_ = std::move(link);
        linkUnderlineFont_ = std::move(underlined);
    }
    // The links follow the text's new line pitch; the picture its new size.
    SizePicture();
    PlaceLinks();
}

}  // namespace globulon
