// The About box form: its window, controls, picture, modal showing and closing; see about_box.h.
#include "win32/about/about_box.h"

#include <windowsx.h>

#include <algorithm>
#include <cstddef>
#include <utility>

#include "core/forms/about_layout.h"
#include "core/forms/about_text.h"
#include "core/forms/author_texts.h"
#include "win32/about/link_opener.h"
#include "win32/about/program_version.h"
#include "win32/host/app_window.h"
#include "win32/host/message_pump.h"
#include "win32/host/monitors.h"
#include "win32/host/window_dpi.h"

namespace globulon {
namespace {

constexpr UINT_PTR TimerHideId = 1;
constexpr int ProgramBitmapId = 364;
constexpr COLORREF LinkColor = RGB(0, 0, 255);
constexpr int AboutLabelId = 101;
constexpr int MailLabelId = 103;
constexpr int WebLabelId = 104;
constexpr int IconImageId = 105;

// A fixed dialog frame without minimise and maximise boxes; the box holds controls, so the
// message pump gives it the dialog keys (Enter and Escape reach btnOK as IDOK and IDCANCEL).
constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

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

SIZE PictureSize(const AboutPicture& picture) {
    SIZE size = {0, 0};
    if (picture.Icon) {
        ICONINFO info = {};
        if (GetIconInfo(picture.Icon, &info)) {
            BITMAP bitmap = {};
            if (GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap)) {
                size.cx = bitmap.bmWidth;
                // A monochrome icon keeps its image and mask one above the other.
                size.cy = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
            }
            if (info.hbmColor) DeleteObject(info.hbmColor);
            if (info.hbmMask) DeleteObject(info.hbmMask);
        }
    } else if (picture.Bitmap) {
        BITMAP bitmap = {};
        if (GetObjectW(picture.Bitmap, sizeof(bitmap), &bitmap)) {
            size.cx = bitmap.bmWidth;
            size.cy = bitmap.bmHeight;
        }
    }
    return size;
}

}  // namespace

AboutBox::AboutBox() : openLink_(&OpenLink) {}

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

AboutBox::~AboutBox() {
    // The controls go before the fonts they use.
    Unload();
}

bool AboutBox::Load() {
    if (Hwnd()) return true;
    // The window may have been destroyed from outside; give back what it left.
    Unload();
    // Made on the monitor it is shown on, so that it has that monitor's DPI from the start; sized
    // for the system DPI here and for the monitor's in the load handler.
    const PixelRect monitor = MonitorUnderPointer();
    const int dpi = SystemDpi();
    return CreateForm(
        L"About", FormStyle, FormExStyle, TwipsToPixelsAtDpi(about_design::ClientWidth, dpi),
        TwipsToPixelsAtDpi(about_design::ClientHeight, dpi), nullptr, {monitor.Left, monitor.Top});
}

void AboutBox::OnCreate() {
    // Form_Load.
    isLoaded_ = true;
    timerIntervalMs_ = 0;
    timerRunning_ = false;
    dpi_ = WindowDpi(Hwnd());
    const PixelRect client = Pixels({0, 0, about_design::ClientWidth, about_design::ClientHeight});
    SetClientSize(Hwnd(), client.Width, client.Height);
    CreateFonts();
    CreateControls();
    PlaceLinks();
    CentreOnScreen();
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
    HDC dc = GetDC(lblAbout_);
    if (!dc) return;
    HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
    if (textFont_) SelectObject(dc, textFont_.Get());
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
    if (linkFont_) SelectObject(dc, linkFont_.Get());
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
    SelectObject(dc, original);
    ReleaseDC(lblAbout_, dc);
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

void AboutBox::Unload() {
    // Form_QueryUnload: the closing is never cancelled.
    isLoaded_ = false;
    timerRunning_ = false;
    if (Hwnd()) KillTimer(Hwnd(), TimerHideId);
    // Enabled before the box goes, so that the window it covered becomes active again.
    modalDisabled_.EnableAgain();
    DestroyForm();
    lblAbout_ = imgIcon_ = btnOK_ = nullptr;
    lblmailto_ = LinkLabel();
    lblweb_ = LinkLabel();
    picture_ = AboutPicture();
    ownBitmap_.Reset();
    linkUnderlineFont_.Reset();
    linkFont_.Reset();
    textFont_.Reset();
}

void AboutBox::About(const std::wstring& comment, AboutPicture hIcon) {
    if (!Load()) return;
    const std::wstring text =
        BuildAboutText(comment, ProgramVersion(), context_.AppTitle, context_.CopyrightYears);
    SetWindowTextW(lblAbout_, WithWindowsLineBreaks(text).c_str());
    ShowPicture(hIcon);
    if (intervalMs_ > 0 && timerIntervalMs_ > 0) {
        timerRunning_ =
            SetTimer(Hwnd(), TimerHideId, static_cast<UINT>(timerIntervalMs_), nullptr) != 0;
    }
    MessageBeep(MB_ICONINFORMATION);
    if (isModeless_) {
        ShowWindow(Hwnd(), SW_SHOW);
        MakeTopMost(Hwnd());
        return;
    }
    ShowModal();
}

void AboutBox::ShowPicture(AboutPicture picture) {
    GdiObject<HBITMAP> previous = std::move(ownBitmap_);
    if (picture.Empty()) {
        ownBitmap_.Reset(
            static_cast<HBITMAP>(LoadImageW(ProgramInstance(), MAKEINTRESOURCEW(ProgramBitmapId),
                                            IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
        picture = AboutPicture::FromBitmap(ownBitmap_.Get());
    } else if (picture.Bitmap == previous.Get()) {
        ownBitmap_ = std::move(previous);  // showing our own bitmap again
    }
    picture_ = picture;
    SizePicture();
    // `previous`, a bitmap no longer shown, is deleted here, after the image stopped using it.
}

void AboutBox::SizePicture() {
    if (!imgIcon_) return;
    // The image sizes itself to the picture, which comes made for the system DPI.
    const SIZE size = PictureSize(picture_);
    if (size.cx > 0 && size.cy > 0) {
        const int systemDpi = SystemDpi();
        SetWindowPos(imgIcon_, nullptr, 0, 0, MulDiv(size.cx, dpi_, systemDpi),
                     MulDiv(size.cy, dpi_, systemDpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(imgIcon_, nullptr, TRUE);
}

void AboutBox::PaintFrame() {
    // Frame1 is only a drawn edge: a window there would hide the box's background behind it.
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    if (!dc) return;
    RECT edge = FrameRect();
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    EndPaint(Hwnd(), &paint);
}

void AboutBox::DrawPicture(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    // The picture fills the image, which is the picture's size at the box's DPI.
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (picture_.Icon) {
        DrawIconEx(item.hDC, item.rcItem.left, item.rcItem.top, picture_.Icon, width, height, 0,
                   nullptr, DI_NORMAL);
        return;
    }
    if (!picture_.Bitmap) return;
    BITMAP bitmap = {};
    if (!GetObjectW(picture_.Bitmap, sizeof(bitmap), &bitmap)) return;
    HDC source = CreateCompatibleDC(item.hDC);
    if (!source) return;
    HGDIOBJ original = SelectObject(source, picture_.Bitmap);
    const int previousMode = SetStretchBltMode(item.hDC, COLORONCOLOR);
    StretchBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, source, 0, 0,
               bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
    if (previousMode) SetStretchBltMode(item.hDC, previousMode);
    SelectObject(source, original);
    DeleteDC(source);
}

void AboutBox::ShowModal() {
    HWND box = Hwnd();
    modalDisabled_.DisableOthers(box);
    ShowWindow(box, SW_SHOW);
    SetForegroundWindow(box);
    if (btnOK_) SetFocus(btnOK_);
    // A nested loop over the box's life; the handlers that close it end the loop.
    bool quitSeen = false;
    while (isLoaded_) {
        if (!PumpMessages()) {
            quitSeen = true;
            break;
        }
        if (!isLoaded_) break;
        WaitForMessage();
    }
    Unload();
    // A request to end the program that arrived meanwhile belongs to the loop outside.
    if (quitSeen) PostQuitMessage(0);
}

void AboutBox::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    // The controls take the new fonts before the old ones are deleted.
    GdiObject<HFONT> text(MakeArial(about_design::TextFontPoints, false));
    GdiObject<HFONT> link(MakeArial(about_design::LinkFontPoints, false));
    GdiObject<HFONT> underlined(MakeArial(about_design::LinkFontPoints, true));
    if (text && link && underlined) {
        const auto setFont = [](HWND control, HFONT font) {
            if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        };
        setFont(lblAbout_, text.Get());
        setFont(btnOK_, text.Get());
        for (const LinkLabel* label : {&lblmailto_, &lblweb_}) {
            setFont(label->Hwnd, label->Underlined ? underlined.Get() : link.Get());
        }
        textFont_ = std::move(text);
        linkFont_ = std::move(link);
        linkUnderlineFont_ = std::move(underlined);
    }
    const std::pair<HWND, TwipsRect> places[] = {{lblAbout_, about_design::AboutLabel},
                                                 {imgIcon_, about_design::Icon},
                                                 {btnOK_, about_design::OkButton}};
    for (const auto& [control, design] : places) {
        const PixelRect at = Pixels(design);
        if (control) {
            SetWindowPos(control, nullptr, at.Left, at.Top, at.Width, at.Height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    SizePicture();
    PlaceLinks();
    SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

std::int32_t AboutBox::Interval() {
    if (Hwnd()) intervalMs_ = timerIntervalMs_;
    return intervalMs_;
}

void AboutBox::Interval(std::int32_t newInterval) {
    // Like every member of the form, the property loads the box.
    Load();
    intervalMs_ = newInterval;
    if (!Hwnd()) return;
    timerIntervalMs_ = newInterval;
    if (!timerRunning_) return;
    // A running timer goes on with the new interval; 0 (or less) stops it.
    if (newInterval > 0) {
        SetTimer(Hwnd(), TimerHideId, static_cast<UINT>(newInterval), nullptr);
    } else {
        KillTimer(Hwnd(), TimerHideId);
        timerRunning_ = false;
    }
}

void AboutBox::TimerHide_Timer() {
    KillTimer(Hwnd(), TimerHideId);
    timerRunning_ = false;
    Unload();
}

LRESULT AboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client = {};
            GetClientRect(Hwnd(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_WINDOW));
            return 1;
        }
        case WM_PAINT:
            PaintFrame();
            return 0;
        case WM_CTLCOLORSTATIC: {
            HDC dc = reinterpret_cast<HDC>(wParam);
            const HWND control = reinterpret_cast<HWND>(lParam);
            const bool isLink = control == lblmailto_.Hwnd || control == lblweb_.Hwnd;
            SetTextColor(dc, isLink ? LinkColor : GetSysColor(COLOR_BTNTEXT));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        case WM_DRAWITEM:
            if (wParam == IconImageId && lParam) {
                DrawPicture(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            }
            break;
        case WM_COMMAND:
            // btnOK_Click; Enter and Escape arrive as IDOK and IDCANCEL.
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                Unload();
                return 0;
            }
            break;
        case WM_MOUSEMOVE: {
            // Over the frame or the text (which lets the mouse through): no link is hovered.
            // The margin outside the frame leaves the underline as it is.
            const RECT frame = FrameRect();
            const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            if (PtInRect(&frame, at)) ClearUnderlines();
            return 0;
        }
        case WM_TIMER:
            if (wParam == TimerHideId) {
                TimerHide_Timer();
                return 0;
            }
            break;
        case WM_DPICHANGED:
            if (lParam) {
                OnDpiChanged(DpiChangedValue(wParam), *reinterpret_cast<const RECT*>(lParam));
            }
            return 0;
        case WM_CLOSE:
            Unload();
            return 0;
        case WM_DESTROY:
            // Destroyed from outside (not by Unload): the box is closed all the same.
            isLoaded_ = false;
            timerRunning_ = false;
            modalDisabled_.EnableAgain();
            break;
        default:
            break;
    }
    return FormWindow::OnMessage(message, wParam, lParam);
}

}  // namespace globulon
