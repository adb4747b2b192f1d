// Desktop copies on real windows: the scaled copy into a preview-sized window, and the snapshot
// that a window of the program's form class shows as its background.
#include "win32/host/desktop_copy.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/pump.h"
#include "win32/host/form_window.h"

namespace globulon {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A visible borderless window filled with one colour, at a place on the screen.
class ColourPatch {
  public:
    ColourPatch(COLORREF colour, int x, int y, int width, int height) {
        brush_ = CreateSolidBrush(colour);
        WNDCLASSW wc = {};
        wc.lpfnWndProc = PatchProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GlobulonColourPatch";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP, x, y, width,
                                height, nullptr, nullptr, wc.hInstance, nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(brush_));
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        centre_ = {x + width / 2, y + height / 2};
        colour_ = colour;
        EXPECT_TRUE(testing::PumpUntil([this] { return OnScreen(); })) << "the patch never showed";
    }
    ~ColourPatch() {
        if (hwnd_) DestroyWindow(hwnd_);
        EXPECT_TRUE(testing::PumpUntil([this] { return !OnScreen(); })) << "the patch stayed";
        DeleteObject(brush_);
    }
    HWND Hwnd() const { return hwnd_; }

  private:
    // What the screen shows at the patch's centre is its colour.
    bool OnScreen() const {
        HDC screen = GetDC(nullptr);
        const COLORREF shown = GetPixel(screen, centre_.x, centre_.y);
        ReleaseDC(nullptr, screen);
        return shown == colour_;
    }
    // Each patch paints with its own brush, kept in the window.
    static LRESULT CALLBACK PatchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ERASEBKGND) {
            auto brush = reinterpret_cast<HBRUSH>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
            RECT client;
            GetClientRect(hwnd, &client);
            if (brush) FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            return 1;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }

    HBRUSH brush_ = nullptr;
    HWND hwnd_ = nullptr;
    POINT centre_ = {0, 0};
    COLORREF colour_ = 0;
};

// A form of the program's class that shows a desktop snapshot as its background, as the
// full-screen saver form does.
class BackdropForm : public FormWindow {
  public:
    DesktopSnapshot Snapshot;

  protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ERASEBKGND) {
            RECT client;
            GetClientRect(Hwnd(), &client);
            if (Snapshot.PaintTo(reinterpret_cast<HDC>(wParam), client)) return 1;
        }
        if (message == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(Hwnd(), &ps);
            Snapshot.PaintTo(hdc, ps.rcPaint);
            EndPaint(Hwnd(), &ps);
            return 0;
        }
        return FormWindow::OnMessage(message, wParam, lParam);
    }
};

COLORREF PixelOf(HWND hwnd, int x, int y) {
    HDC hdc = GetDC(hwnd);
    const COLORREF colour = GetPixel(hdc, x, y);
    ReleaseDC(hwnd, hdc);
    return colour;
}

// --- the snapshot itself ----------------------------------------------------------------------

TEST(DesktopSnapshot, StartsEmptyAndRefusesSizesWithoutArea) {
    DesktopSnapshot snapshot;
    EXPECT_TRUE(snapshot.Empty());
    EXPECT_FALSE(snapshot.Capture(0, 10));
    EXPECT_FALSE(snapshot.Capture(10, -1));
    EXPECT_TRUE(snapshot.Empty());
    HDC screen = GetDC(nullptr);
    EXPECT_FALSE(snapshot.PaintTo(screen, RECT{0, 0, 10, 10}));
    ReleaseDC(nullptr, screen);
}

TEST(DesktopSnapshot, GivesBackEveryBitmapItTook) {
    HBITMAP first = nullptr;
    HBITMAP second = nullptr;
    {
        DesktopSnapshot snapshot;
        ASSERT_TRUE(snapshot.Capture(64, 48));
        EXPECT_FALSE(snapshot.Empty());
        EXPECT_EQ(snapshot.Width(), 64);
        EXPECT_EQ(snapshot.Height(), 48);
        first = snapshot.Bitmap();
        EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
        // A new capture replaces the old picture.
        ASSERT_TRUE(snapshot.Capture(32, 32));
        second = snapshot.Bitmap();
        EXPECT_EQ(GetObjectType(first), 0u);
        EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BITMAP));
        // A failed capture leaves the snapshot empty rather than showing a stale picture.
        EXPECT_FALSE(snapshot.Capture(0, 0));
        EXPECT_TRUE(snapshot.Empty());
        EXPECT_EQ(GetObjectType(second), 0u);
        ASSERT_TRUE(snapshot.Capture(16, 16));
        second = snapshot.Bitmap();
    }
    EXPECT_EQ(GetObjectType(second), 0u);
}

// --- the saver form's backdrop ------------------------------------------------------------------

TEST(SetDesktopBackdrop, FormShowsTheDesktopAsItWasWhenCaptured) {
    BackdropForm form;
    ASSERT_TRUE(form.CreateForm(L"Globulon Backdrop Test", WS_POPUP, WS_EX_TOOLWINDOW, 400, 300));
    {
        // Something coloured on the desktop while the picture is taken, gone afterwards.
        ColourPatch patch(kRed, 100, 80, 200, 150);
        ASSERT_EQ(PixelOf(patch.Hwnd(), 10, 10), kRed);
        ASSERT_TRUE(SetDesktopBackdrop(form.Hwnd(), form.Snapshot));
    }
    EXPECT_EQ(form.Snapshot.Width(), 400);
    EXPECT_EQ(form.Snapshot.Height(), 300);
    ShowWindow(form.Hwnd(), SW_SHOWNOACTIVATE);
    UpdateWindow(form.Hwnd());
    EXPECT_TRUE(testing::PumpUntil([&] { return PixelOf(form.Hwnd(), 150, 120) == kRed; }));
    EXPECT_EQ(PixelOf(form.Hwnd(), 299, 229), kRed);
    EXPECT_NE(PixelOf(form.Hwnd(), 50, 50), kRed);
    EXPECT_NE(PixelOf(form.Hwnd(), 350, 250), kRed);

    // Drawing over it and repainting brings the picture back: it survives every repaint.
    HDC hdc = GetDC(form.Hwnd());
    RECT scribble = {120, 100, 200, 160};
    HBRUSH blue = CreateSolidBrush(kBlue);
    FillRect(hdc, &scribble, blue);
    DeleteObject(blue);
    ReleaseDC(form.Hwnd(), hdc);
    ASSERT_EQ(PixelOf(form.Hwnd(), 150, 120), kBlue);
    InvalidateRect(form.Hwnd(), nullptr, TRUE);
    UpdateWindow(form.Hwnd());
    EXPECT_EQ(PixelOf(form.Hwnd(), 150, 120), kRed);
}

TEST(SetDesktopBackdrop, FailsWithoutAWindow) {
    DesktopSnapshot snapshot;
    ASSERT_TRUE(snapshot.Capture(8, 8));
    EXPECT_FALSE(SetDesktopBackdrop(nullptr, snapshot));
    EXPECT_TRUE(snapshot.Empty());
}

TEST(DesktopSnapshot, AreaBeyondThePictureIsPaintedBlack) {
    ColourPatch patch(kGreen, 0, 0, 100, 100);
    DesktopSnapshot snapshot;
    ASSERT_TRUE(snapshot.Capture(50, 50));
    BackdropForm form;
    ASSERT_TRUE(form.CreateForm(L"Globulon Backdrop Test", WS_POPUP, WS_EX_TOOLWINDOW, 120, 120));
    SetWindowPos(form.Hwnd(), HWND_TOP, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(form.Hwnd(), SW_SHOWNOACTIVATE);
    HDC hdc = GetDC(form.Hwnd());
    EXPECT_TRUE(snapshot.PaintTo(hdc, RECT{0, 0, 120, 120}));
    ReleaseDC(form.Hwnd(), hdc);
    EXPECT_EQ(PixelOf(form.Hwnd(), 25, 25), kGreen);
    EXPECT_EQ(PixelOf(form.Hwnd(), 49, 49), kGreen);
    EXPECT_EQ(PixelOf(form.Hwnd(), 50, 25), RGB(0, 0, 0));
    EXPECT_EQ(PixelOf(form.Hwnd(), 100, 100), RGB(0, 0, 0));
}

// --- the scaled copy into the preview ----------------------------------------------------------

TEST(CopyDesktopToWindow, WholeScreenIsScaledIntoTheClientArea) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    // Green everywhere, blue in the top-left quarter of the screen.
    ColourPatch green(kGreen, 0, 0, width, height);
    ColourPatch blue(kBlue, 0, 0, width / 2, height / 2);
    // A preview-sized window at the lower right.
    ColourPatch preview(kRed, width - 200, height - 150, 152, 112);
    RECT client;
    GetClientRect(preview.Hwnd(), &client);
    ASSERT_EQ(client.right, 152);
    ASSERT_EQ(client.bottom, 112);
    HDC hdc = GetDC(preview.Hwnd());
    CopyDesktopToWindow(preview.Hwnd(), hdc);
    ReleaseDC(preview.Hwnd(), hdc);
    EXPECT_EQ(PixelOf(preview.Hwnd(), 20, 20), kBlue);
    EXPECT_EQ(PixelOf(preview.Hwnd(), 55, 40), kBlue);
    EXPECT_EQ(PixelOf(preview.Hwnd(), 100, 20), kGreen);
    EXPECT_EQ(PixelOf(preview.Hwnd(), 20, 80), kGreen);
    EXPECT_EQ(PixelOf(preview.Hwnd(), 151, 0), kGreen);
    EXPECT_EQ(PixelOf(preview.Hwnd(), 0, 111), kGreen);
}

TEST(CopyDesktopToWindow, LeavesTheDrawingStateOfTheContextAlone) {
    ColourPatch preview(kRed, 10, 10, 152, 112);
    HDC hdc = GetDC(preview.Hwnd());
    SetStretchBltMode(hdc, COLORONCOLOR);
    SetBrushOrgEx(hdc, 3, 5, nullptr);
    CopyDesktopToWindow(preview.Hwnd(), hdc);
    EXPECT_EQ(GetStretchBltMode(hdc), COLORONCOLOR);
    POINT origin = {-1, -1};
    GetBrushOrgEx(hdc, &origin);
    EXPECT_EQ(origin.x, 3);
    EXPECT_EQ(origin.y, 5);
    ReleaseDC(preview.Hwnd(), hdc);
}

}  // namespace
}  // namespace globulon
