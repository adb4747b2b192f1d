// The preview run on real windows, its frames watched through a recording canvas: the
// "ActiveSetup" record, how long it runs as the host dialog changes, and the drawing layer given
// back.
#include "win32/app/preview_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/core/sphere/recording_canvas.h"
#include "tests/support/fake_host_dialog.h"
#include "tests/win32/scene/own_dc_window.h"
#include "tests/win32/scene/scene_window.h"
#include "tests/win32/scene/test_scene.h"
#include "win32/host/host_dialog_probe.h"
#include "win32/host/settings_store.h"

namespace globulon {
namespace {

using testing::FakeHostDialog;
using testing::RecordingCanvas;

constexpr ColorValue kRed = MakeColor(255, 0, 0);

bool IsLight(ColorValue color) {
    for (int shift : {0, 8, 16}) {
        if (((color >> shift) & 0xFF) < 120) return false;
    }
    return true;
}

class PreviewRunTest : public ::testing::Test {
  protected:
    void SetUp() override {
        program_.Start = testing::FixedPenStartUp(kRed);
        program_.Start.BlackScreen = true;
        SaveProgramSetting(L"ActiveSetup", L"0");
    }
    void TearDown() override { SaveProgramSetting(L"ActiveSetup", L"0"); }
    int FramesDrawn() const { return frames_.AreasEntered(); }

    ProgramState program_;
    RecordingCanvas frames_;
};

// What the timers below saw while the preview ran. The preview keeps one context for life, so
// the pen in it while the run draws is the drawing layer's.
struct Observed {
    std::wstring ActiveSetup;
    const OwnDcWindow* Preview = nullptr;
    HGDIOBJ LayerPen = nullptr;
    HWND ListToClear = nullptr;
};
Observed observed;

void CALLBACK ReadActiveSetup(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    observed.ActiveSetup = GetProgramSetting(L"ActiveSetup", L"missing");
    observed.LayerPen = observed.Preview->CurrentPen();
}

void CALLBACK DestroyPreview(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    observed.LayerPen = observed.Preview->CurrentPen();
    DestroyWindow(observed.Preview->Hwnd());
}

void CALLBACK ChooseAnotherSaver(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    SendMessageW(observed.ListToClear, CB_SETCURSEL, 0, 0);
}

TEST_F(PreviewRunTest, WithoutAWindowMakesOnePassAndDrawsNothing) {
    SaveProgramSetting(L"ActiveSetup", L"12345");
    RunPreview(program_, nullptr, nullptr, &frames_);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
    EXPECT_EQ(FramesDrawn(), 0);
}

TEST_F(PreviewRunTest, RecordsTheWindowWhileRunningAndEndsWhenTheDialogLetsGo) {
    FakeHostDialog dialog;
    FakeHostDialog::AddList(dialog.Hwnd(), {L"Blank", ProgramName()}, 0);
    OwnDcWindow preview(152, 112);
    const HGDIOBJ ownPen = preview.CurrentPen();
    observed = Observed();
    observed.Preview = &preview;
    SetTimer(nullptr, 0, 20, ReadActiveSetup);
    // The dialog shows another saver: one pass only.
    RunPreview(program_, preview.Hwnd(), dialog.Hwnd(), &frames_);
    const std::wstring handle =
        std::to_wstring(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(preview.Hwnd())));
    EXPECT_EQ(observed.ActiveSetup, handle);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
    EXPECT_EQ(FramesDrawn(), 1);
    // The whole client area is the sphere's, the disc in its middle.
    ASSERT_EQ(frames_.areas.size(), 1u);
    EXPECT_EQ(frames_.areas[0].Width, 152);
    EXPECT_EQ(frames_.areas[0].Height, 112);
    ASSERT_EQ(frames_.discs[0].size(), 1u);
    const PixelBox& disc = frames_.discs[0][0];
    EXPECT_NEAR((disc.Left + disc.Right) / 2, 76, 1);
    EXPECT_NEAR((disc.Top + disc.Bottom) / 2, 56, 1);
    // Closed: the layer's pen is deleted and the preview's own is back.
    EXPECT_NE(observed.LayerPen, ownPen);
    EXPECT_EQ(GetObjectType(observed.LayerPen), 0u);
    EXPECT_EQ(preview.CurrentPen(), ownPen);
}

TEST_F(PreviewRunTest, RunsWhileSelectedAndStopsWhenTheWindowGoes) {
    FakeHostDialog dialog;
    FakeHostDialog::AddList(dialog.Hwnd(), {L"Blank", ProgramName()}, 1);
    ASSERT_EQ(IsSaverSelected(dialog.Hwnd(), ProgramName()), SaverSelection::Yes);
    OwnDcWindow preview(152, 112);
    const HGDIOBJ ownPen = preview.CurrentPen();
    observed = Observed();
    observed.Preview = &preview;
    program_.Start.RandomPen = true;
    SetTimer(nullptr, 0, 450, DestroyPreview);
    RunPreview(program_, preview.Hwnd(), dialog.Hwnd(), &frames_);
    EXPECT_FALSE(IsWindow(preview.Hwnd()));
    EXPECT_GE(FramesDrawn(), 2);
    EXPECT_LE(FramesDrawn(), 6);
    // Light pens, at most one new one a frame.
    ASSERT_FALSE(frames_.pens.empty());
    EXPECT_LE(static_cast<int>(frames_.pens.size()), FramesDrawn());
    for (ColorValue pen : frames_.pens) EXPECT_TRUE(IsLight(pen));
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
    // The pen in use when the window went is deleted all the same.
    EXPECT_NE(observed.LayerPen, ownPen);
    EXPECT_EQ(GetObjectType(observed.LayerPen), 0u);
}

TEST_F(PreviewRunTest, StopsWhenTheDialogSelectsAnotherSaver) {
    FakeHostDialog dialog;
    HWND list = FakeHostDialog::AddList(dialog.Hwnd(), {L"Blank", ProgramName()}, 1);
    SceneWindow preview(152, 112);
    observed = Observed();
    observed.ListToClear = list;
    program_.Start.BlackScreen = false;  // the first frame gets the desktop under it
    SetTimer(nullptr, 0, 250, ChooseAnotherSaver);
    RunPreview(program_, preview.Hwnd(), dialog.Hwnd(), &frames_);
    EXPECT_TRUE(IsWindow(preview.Hwnd()));
    EXPECT_GE(FramesDrawn(), 2);
    EXPECT_LE(FramesDrawn(), 4);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
}

}  // namespace
}  // namespace globulon
