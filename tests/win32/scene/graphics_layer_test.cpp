// The drawing layer on real GDI: what its figures leave in the pixels, and that it hands back
// the context as found and deletes every object it made.
#include "win32/scene/graphics_layer.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "tests/win32/scene/own_dc_window.h"
#include "tests/win32/scene/test_canvas.h"

namespace globulon {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// --- figures ---------------------------------------------------------------------------------

TEST(GraphicsLayerTest, EllipseOutlineInPenColourAndBlackInside) {
    TestCanvas canvas(64, 64);
    GraphicsLayer layer;
    ASSERT_TRUE(canvas.Ready());
    layer.Select(canvas.Dc(), 0, kGreen, 1);
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
    layer.Restore();
}

TEST(GraphicsLayerTest, LineToTheDotJustMadeDrawsOnlyTheDot) {
    TestCanvas canvas(32, 32);
    GraphicsLayer layer;
    layer.Select(canvas.Dc(), 0, kGreen, 1);
    GfxMoveDot(canvas.Dc(), 20, 12, kRed);
    GfxLineTo(canvas.Dc(), 20, 12);
    EXPECT_EQ(canvas.At(20, 12), kRed);
    EXPECT_EQ(canvas.Count(kWhite), 32 * 32 - 1);
    POINT position = {};
    GetCurrentPositionEx(canvas.Dc(), &position);
    EXPECT_EQ(position.x, 20);
    EXPECT_EQ(position.y, 12);
    layer.Restore();
}

TEST(GraphicsLayerTest, LineRunsFromTheDotUpToButNotIncludingTheEnd) {
    TestCanvas canvas(32, 32);
    GraphicsLayer layer;
    layer.Select(canvas.Dc(), 0, kGreen, 1);
    GfxMoveDot(canvas.Dc(), 5, 7, kRed);
    GfxLineTo(canvas.Dc(), 15, 7);
    EXPECT_EQ(canvas.At(5, 7), kGreen);  // the line passes over the dot
    EXPECT_EQ(canvas.At(14, 7), kGreen);
    EXPECT_EQ(canvas.At(15, 7), kWhite);
    EXPECT_EQ(canvas.Count(kGreen), 10);
    layer.Restore();
}

TEST(GraphicsLayerTest, FillRectWithTheLayersBrushLeavesRightAndBottomOut) {
    TestCanvas canvas(16, 16);
    GraphicsLayer layer;
    layer.Select(canvas.Dc(), 0, kGreen, 1);
    ASSERT_NE(layer.Brush(), nullptr);
    GfxFillRect(canvas.Dc(), layer.Brush(), RECT{2, 3, 6, 8});
    EXPECT_EQ(canvas.Count(kBlack), 4 * 5);
    EXPECT_EQ(canvas.At(2, 3), kBlack);
    EXPECT_EQ(canvas.At(6, 3), kWhite);
    EXPECT_EQ(canvas.At(2, 8), kWhite);
    layer.Restore();
}

// --- objects made, selected and given back ----------------------------------------------------

TEST(GraphicsLayerTest, PenSwapsRestoreTheOriginalPenAndDeleteEveryLayerPen) {
    TestCanvas canvas(16, 16);
    GraphicsLayer layer;
    HPEN ownPen = CreatePen(PS_SOLID, 1, kRed);
    HGDIOBJ stockPen = SelectObject(canvas.Dc(), ownPen);
    layer.Select(canvas.Dc(), 0, kGreen, 1);
    std::vector<HGDIOBJ> layerPens = {layer.Pen()};
    for (int swap = 0; swap < 25; ++swap) {
        layer.SetPen(RGB(swap * 10, 200, 0), 1);
        ASSERT_NE(layer.Pen(), nullptr);
        EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), layer.Pen());
        EXPECT_EQ(layer.OldPen(), ownPen);  // still the context's own pen
        // The pen just replaced is gone already.
        EXPECT_EQ(GetObjectType(layerPens.back()), 0u);
        layerPens.push_back(layer.Pen());
    }
    layer.Restore();
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), ownPen);
    for (HGDIOBJ pen : layerPens) EXPECT_EQ(GetObjectType(pen), 0u);
    EXPECT_EQ(GetObjectType(ownPen), static_cast<DWORD>(OBJ_PEN));
    SelectObject(canvas.Dc(), stockPen);
    DeleteObject(ownPen);
}

TEST(GraphicsLayerTest, SwappedPenDrawsInItsColour) {
    TestCanvas canvas(32, 32);
    GraphicsLayer layer;
    layer.Select(canvas.Dc(), 0, kGreen, 1);
    layer.SetPen(kRed, 1);
    GfxMoveDot(canvas.Dc(), 2, 2, kRed);
    GfxLineTo(canvas.Dc(), 20, 2);
    EXPECT_EQ(canvas.Count(kRed), 18);
    layer.Restore();
}

TEST(GraphicsLayerTest, BrushColourZeroMakesABlackBrushThatIsDeletedAtTheEnd) {
    TestCanvas canvas(16, 16);
    GraphicsLayer layer;
    HGDIOBJ ownBrush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
    layer.Select(canvas.Dc(), 0, kGreen, 1);
    HGDIOBJ brush = layer.Brush();
    ASSERT_NE(brush, nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), brush);
    EXPECT_EQ(layer.OldBrush(), ownBrush);
    layer.Restore();
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), ownBrush);
    EXPECT_EQ(GetObjectType(brush), 0u);
}

TEST(GraphicsLayerTest, NoBrushLeavesTheContextsBrushAlone) {
    TestCanvas canvas(32, 32);
    GraphicsLayer layer;
    HBRUSH ownBrush = CreateSolidBrush(kRed);
    HGDIOBJ stockBrush = SelectObject(canvas.Dc(), ownBrush);
    layer.Select(canvas.Dc(), NoBrush, kGreen, 1);
    EXPECT_EQ(layer.Brush(), nullptr);
    EXPECT_EQ(layer.OldBrush(), nullptr);
    EXPECT_EQ(layer.Brush(), nullptr);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), ownBrush);
    // The ellipse is filled with the context's own brush.
    GfxEllipse(canvas.Dc(), 0, 0, 32, 32);
    EXPECT_EQ(canvas.At(16, 16), kRed);
    layer.Restore();
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), ownBrush);
    EXPECT_EQ(GetObjectType(ownBrush), static_cast<DWORD>(OBJ_BRUSH));
    SelectObject(canvas.Dc(), stockBrush);
    DeleteObject(ownBrush);
}

TEST(GraphicsLayerTest, OpenAndCloseOnAWindowLeaveItsContextAsFound) {
    OwnDcWindow window;
    GraphicsLayer layer;
    ASSERT_NE(window.Hwnd(), nullptr);
    HDC own = GetDC(window.Hwnd());
    HPEN ownPen = CreatePen(PS_DOT, 1, kRed);
    HBRUSH ownBrush = CreateSolidBrush(kRed);
    SelectObject(own, ownPen);
    SelectObject(own, ownBrush);
    ReleaseDC(window.Hwnd(), own);

    HDC hDC = layer.Open(window.Hwnd(), 0, kGreen, 1);
    ASSERT_EQ(hDC, own);
    std::vector<HGDIOBJ> made = {layer.Pen(), layer.Brush()};
    EXPECT_EQ(GetCurrentObject(hDC, OBJ_PEN), layer.Pen());
    for (int swap = 0; swap < 5; ++swap) {
        layer.SetPen(RGB(0, 0, swap * 40), 1);
        made.push_back(layer.Pen());
    }
    layer.Close();

    for (HGDIOBJ object : made) EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(layer.Pen(), nullptr);
    EXPECT_EQ(layer.Brush(), nullptr);
    EXPECT_EQ(layer.OldPen(), nullptr);
    EXPECT_EQ(layer.OldBrush(), nullptr);
    EXPECT_EQ(layer.Dc(), nullptr);
    HDC again = GetDC(window.Hwnd());
    EXPECT_EQ(GetCurrentObject(again, OBJ_PEN), ownPen);
    EXPECT_EQ(GetCurrentObject(again, OBJ_BRUSH), ownBrush);
    SelectObject(again, GetStockObject(BLACK_PEN));
    SelectObject(again, GetStockObject(WHITE_BRUSH));
    ReleaseDC(window.Hwnd(), again);
    DeleteObject(ownPen);
    DeleteObject(ownBrush);
}

TEST(GraphicsLayerTest, SecondOpenAfterCloseStartsAfresh) {
    OwnDcWindow window;
    GraphicsLayer layer;
    layer.Open(window.Hwnd(), 0, kGreen, 1);
    layer.Close();
    // Without a brush this time: nothing of the first opening is restored or deleted again.
    layer.Open(window.Hwnd(), NoBrush, kRed, 1);
    EXPECT_EQ(layer.Brush(), nullptr);
    EXPECT_EQ(layer.OldBrush(), nullptr);
    HGDIOBJ pen = layer.Pen();
    layer.Close();
    EXPECT_EQ(GetObjectType(pen), 0u);
}

TEST(GraphicsLayerTest, OpeningAgainGivesTheFirstContextBackFirst) {
    OwnDcWindow first;
    OwnDcWindow second;
    GraphicsLayer layer;
    const HGDIOBJ firstOwnPen = first.CurrentPen();
    layer.Open(first.Hwnd(), 0, kGreen, 1);
    const std::vector<HGDIOBJ> firstMade = {layer.Pen(), layer.Brush()};
    layer.Open(second.Hwnd(), NoBrush, kRed, 1);
    for (HGDIOBJ object : firstMade) EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(first.CurrentPen(), firstOwnPen);
    EXPECT_EQ(second.CurrentPen(), layer.Pen());
}

TEST(GraphicsLayerTest, ALayerStillOpenGivesEverythingBackWhenItGoes) {
    // Opened on a window.
    OwnDcWindow window;
    const HGDIOBJ ownPen = window.CurrentPen();
    std::vector<HGDIOBJ> made;
    {
        GraphicsLayer layer;
        layer.Open(window.Hwnd(), 0, kGreen, 1);
        made = {layer.Pen(), layer.Brush()};
        layer.SetPen(kRed, 1);
        made.push_back(layer.Pen());
    }
    for (HGDIOBJ object : made) EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(window.CurrentPen(), ownPen);

    // Selected into a context of the caller's.
    TestCanvas canvas(16, 16);
    const HGDIOBJ canvasPen = GetCurrentObject(canvas.Dc(), OBJ_PEN);
    const HGDIOBJ canvasBrush = GetCurrentObject(canvas.Dc(), OBJ_BRUSH);
    {
        GraphicsLayer layer;
        layer.Select(canvas.Dc(), 0, kGreen, 1);
        made = {layer.Pen(), layer.Brush()};
    }
    for (HGDIOBJ object : made) EXPECT_EQ(GetObjectType(object), 0u);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_PEN), canvasPen);
    EXPECT_EQ(GetCurrentObject(canvas.Dc(), OBJ_BRUSH), canvasBrush);
}

}  // namespace
}  // namespace globulon
