// The About box form: loading and unloading its window, showing it modal, its auto-close timer
// and its message routing; see about_box.h.
#include "win32/about/about_box.h"

#include <windowsx.h>

#include "core/forms/about_layout.h"
#include "core/forms/about_text.h"
#include "win32/about/link_opener.h"
#include "win32/about/program_version.h"
#include "win32/host/app_window.h"
#include "win32/host/dpi_change.h"
#include "win32/host/message_pump.h"
#include "win32/host/monitors.h"
#include "win32/host/window_dpi.h"

namespace globulon {
namespace {

constexpr UINT_PTR TimerHideId = 1;
constexpr COLORREF LinkColor = RGB(0, 0, 255);

// A fixed dialog frame without minimise and maximise boxes; the box holds controls, so the
// message pump gives it the dialog keys (Enter and Escape reach btnOK as IDOK and IDCANCEL).
constexpr DWORD FormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD FormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

AboutBox::AboutBox() : openLink_(&OpenLink) {}

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
        case WM_GETDPISCALEDSIZE: {
            const int dpi = static_cast<int>(wParam);
            return AnswerDpiScaledSize(Hwnd(), wParam, lParam,
                                       TwipsToPixelsAtDpi(about_design::ClientWidth, dpi),
                                       TwipsToPixelsAtDpi(about_design::ClientHeight, dpi));
        }
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
