// The drawing layer on real GDI: what its figures leave in the pixels, and that it hands back
// the context as found and deletes every object it made.
#include "win32/scene/graphics_layer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/win32/scene/test_canvas.h"

namespace globulon {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

class GraphicsLayerTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetGraphicsLayer(); }
    void TearDown() override { ResetGraphicsLayer(); }
};

// A window whose class keeps one context for life, so what is selected into it can be checked
// after the layer has released it.
class OwnDcWindow {
  public:
    OwnDcWindow() {
        WNDCLASSW wc = {};
        wc.style = CS_OWNDC;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GlobulonOwnDcTest";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"layer test", WS_POPUP, 0, 0, 64, 64, nullptr,
                                nullptr, wc.hInstance, nullptr);
    }
    ~OwnDcWindow() { DestroyWindow(hwnd_); }
    HWND Hwnd() const { return hwnd_; }

  private:
    HWND hwnd_ = nullptr;
};

// --- figures ---------------------------------------------------------------------------------

TEST_F(GraphicsLayerTest, EllipseOutlineInPenColourAndBlackInside) {
    TestCanvas canvas(64, 64);
    ASSERT_TRUE(canvas.Ready());
    GfxSelectObjects(canvas.Dc(), 0, kGreen, 1);
    GfxEllipse(canvas.Dc(), 10, 10, 50, 50);
    EXPECT_EQ(canvas.At(30, 30), kBlack);
    EXPECT_EQ(canvas.At(12, 30), kBlack);
    EXPECT_EQ(canvas.At(10, 30), kGreen);  // left edge included
    EXPECT_EQ(canvas.At(30, 10), kGreen);  // top edge included
    EXPECT_EQ(canvas.At(49, 30), kGreen);  // right and bottom edges one short
    EXPECT_EQ(canvas.At(30, 49), kGreen);
    EXPECT_EQ(canvas.At(50, 30), kWhite);
    EXPECT_EQ(canvas.At(30, 50), kWhite);
    EXPECT_EQ(canvas.At(11, 11), kWhite);  // corner of the box, outside the ellipse
    // Only three colours: outline, inside, untouched.
    EXPECT_EQ(canvas.Count(kGreen) + canvas.Count(kBlack) + canvas.Count(kWhite), 64 * 64);
    GfxRestoreObjects(canvas.Dc());
}

TEST_F(GraphicsLayerTest, LineToTheDotJustMadeDrawsOnlyTheDot) {
    TestCanvas canvas(32, 32);
    GfxSelectObjects(canvas.Dc(), 0, kGreen, 1);
    GfxMoveDot(canvas.Dc(), 20, 12, kRed);
    GfxLineTo(canvas.Dc(), 20, 12);
    EXPECT_EQ(canvas.At(20, 12), kRed);
    EXPECT_EQ(canvas.Count(kWhite), 32 * 32 - 1);
    POINT position = {};
    GetCurrentPositionEx(canvas.Dc(), &position);
    EXPECT_EQ(position.x, 20);
    EXPECT_EQ(position.y, 12);
    GfxRestoreObjects(canvas.Dc());
}

TEST_F(GraphicsLayerTest, LineRunsFromTheDotUpToButNotIncludingTheEnd) {
    TestCanvas canvas(32, 32);
    GfxSelectObjects(canvas.Dc(), 0, kGreen, 1);
    GfxMoveDot(canvas.Dc(), 5, 7, kRed);
    GfxLineTo(canvas.Dc(), 15, 7);
    EXPECT_EQ(canvas.At(5, 7), kGreen);  // the line passes over the dot
    EXPECT_EQ(canvas.At(14, 7), kGreen);
    EXPECT_EQ(canvas.At(15, 7), kWhite);
    EXPECT_EQ(canvas.Count(kGreen), 10);
    GfxRestoreObjects(canvas.Dc());
}

TEST_F(GraphicsLayerTest, FillRectWithTheLayersBrushLeavesRightAndBottomOut) {
    TestCanvas canvas(16, 16);
    GfxSelectObjects(canvas.Dc(), 0, kGreen, 1);
    ASSERT_NE(GfxBrush(), nullptr);
    GfxFillRect(canvas.Dc(), GfxBrush(), RECT{2, 3, 6, 8});
    EXPECT_EQ(canvas.Count(kBlack), 4 * 5);
    EXPECT_EQ(canvas.At(2, 3), kBlack);
    EXPECT_EQ(canvas.At(6, 3), kWhite);
    EXPECT_EQ(canvas.At(2, 8), kWhite);
    GfxRestoreObjects(canvas.Dc());
}

// --- objects made, selected and given back ----------------------------------------------------

TEST_F(GraphicsLayerTest, PenSwapsRestoreTheOriginalPenAndDeleteEveryLayerPen) {
    TestCanvas canvas(16, 16);
    HPEN ownPen = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ stockPen = SelectObject(canvas.Dc(), ownPen);
    GfxSelectObjects(canvas.Dc(), 0, kGreen, 1);
    std::vector<HGDIOBJ> layerPens = {GraphicsLayer().hPen};
    for (int swap = 0; swap < 25; ++swap) {
        GfxSetPen(canvas.Dc(), RGB(swap * 10, 200, 0), 1);
        ASSERT_NE(GraphicsLayer().hPen, nullptr);
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), GraphicsLayer().hPen);
        EXPECT_EQ(GraphicsLayer().OldPen, ownPen);  // still the context's own pen
        // The pen just replaced is gone already.
        EXPECT_EQ(GetObjectType(layerPens.back()), 0u);
        layerPens.push_back(GraphicsLayer().hPen);
    }
    GfxRestoreObjects(canvas.Dc());
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), ownPen);
    for (HGDIOBJ pen : layerPens) EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(GetObjectType(ownPen), static_cast<DWORD>(OBJ_PEN));
    SelectObject(canvas.Dc(), stockPen);
    DeleteObject(ownPen);
}

TEST_F(GraphicsLayerTest, SwappedPenDrawsInItsColour) {
    TestCanvas canvas(32, 32);
    GfxSelectObjects(canvas.Dc(), 0, kGreen, 1);
    GfxSetPen(canvas.Dc(), kRed, 1);
    GfxMoveDot(canvas.Dc(), 2, 2, kRed);
    GfxLineTo(canvas.Dc(), 20, 2);
    EXPECT_EQ(canvas.Count(kRed), 18);
    GfxRestoreObjects(canvas.Dc());
}

TEST_F(GraphicsLayerTest, BrushColourZeroMakesABlackBrushThatIsDeletedAtTheEnd) {
    TestCanvas canvas(16, 16);
    HGDIOBJ ownBrush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
    GfxSelectObjects(canvas.Dc(), 0, kGreen, 1);
    HGDIOBJ brush = GraphicsLayer().hBrush;
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(GraphicsLayer().OldBrush, ownBrush);
    GfxRestoreObjects(canvas.Dc());
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), ownBrush);
    EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST_F(GraphicsLayerTest, NoBrushLeavesTheContextsBrushAlone) {
    TestCanvas canvas(32, 32);
    HBRUSH ownBrush = CreateSolidBrush(kRed);
    HGDIOBJ stockBrush = SelectObject(canvas.Dc(), ownBrush);
    GfxSelectObjects(canvas.Dc(), NoBrush, kGreen, 1);
    EXPECT_EQ(GraphicsLayer().hBrush, nullptr);
    EXPECT_EQ(GraphicsLayer().OldBrush, nullptr);
    EXPECT_EQ(GfxBrush(), nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), ownBrush);
    // The ellipse is filled with the context's own brush.
    GfxEllipse(canvas.Dc(), 0, 0, 32, 32);
    EXPECT_EQ(canvas.At(16, 16), kRed);
    GfxRestoreObjects(canvas.Dc());
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), ownBrush);
    EXPECT_EQ(GetObjectType(ownBrush), static_cast<DWORD>(OBJ_BRUSH));
    SelectObject(canvas.Dc(), stockBrush);
    DeleteObject(ownBrush);
}

TEST_F(GraphicsLayerTest, OpenAndCloseOnAWindowLeaveItsContextAsFound) {
    OwnDcWindow window;
    ASSERT_NE(window.Hwnd(), nullptr);
    HDC own = GetDC(window.Hwnd());
    HPEN ownPen = CreatePen(PS_DOT, 1, kRed);
    HBRUSH ownBrush = CreateSolidBrush(kRed);
    SelectObject(own, ownPen);
    SelectObject(own, ownBrush);
    ReleaseDC(window.Hwnd(), own);

    HDC hDC = GfxOpen(window.Hwnd(), 0, kGreen, 1);
    ASSERT_EQ(hDC, own);
    std::vector<HGDIOBJ> made = {GraphicsLayer().hPen, GraphicsLayer().hBrush};
    EXPECT_EQ(GetCurrentObject(hDC, OBJ_PEN), GraphicsLayer().hPen);
    for (int swap = 0; swap < 5; ++swap) {
        GfxSetPen(hDC, RGB(0, 0, swap * 40), 1);
        made.push_back(GraphicsLayer().hPen);
    }
    GfxClose(window.Hwnd(), hDC);

    for (HGDIOBJ object : made) EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(GraphicsLayer().hPen, nullptr);
    EXPECT_EQ(GraphicsLayer().hBrush, nullptr);
    EXPECT_EQ(GraphicsLayer().OldPen, nullptr);
    EXPECT_EQ(GraphicsLayer().OldBrush, nullptr);
    HDC again = GetDC(window.Hwnd());
    EXPECT_EQ(GetCurrentObject(again, OBJ_PEN), ownPen);
    EXPECT_EQ(GetCurrentObject(again, OBJ_BRUSH), ownBrush);
    SelectObject(again, GetStockObject(BLACK_PEN));
    SelectObject(again, GetStockObject(WHITE_BRUSH));
    ReleaseDC(window.Hwnd(), again);
    DeleteObject(ownPen);
    DeleteObject(ownBrush);
}

TEST_F(GraphicsLayerTest, SecondOpenAfterCloseStartsAfresh) {
    OwnDcWindow window;
    HDC hDC = GfxOpen(window.Hwnd(), 0, kGreen, 1);
    GfxClose(window.Hwnd(), hDC);
    // Without a brush this time: nothing of the first opening is restored or deleted again.
    hDC = GfxOpen(window.Hwnd(), NoBrush, kRed, 1);
    EXPECT_EQ(GraphicsLayer().hBrush, nullptr);
    EXPECT_EQ(GraphicsLayer().OldBrush, nullptr);
    HGDIOBJ pen = GraphicsLayer().hPen;
    GfxClose(window.Hwnd(), hDC);
    EXPECT_EQ(GetObjectType(pen), 0u);
}

}  // namespace
}  // namespace globulon
