// The preview run on real windows: the "ActiveSetup" record, how long it runs as the host
// dialog changes, and the drawing layer given back.
#include "win32/app/preview_run.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/support/fake_host_dialog.h"
#include "tests/win32/scene/own_dc_window.h"
#include "tests/win32/scene/scene_window.h"
#include "tests/win32/scene/test_scene.h"
#include "win32/host/host_dialog_probe.h"
#include "win32/host/settings_store.h"

namespace globulon {
namespace {

using testing::FakeHostDialog;

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
        program_.Scene = testing::ResetTestScene(kRed);
        program_.Scene.UseBlackScreen = true;
        SaveProgramSetting(L"ActiveSetup", L"0");
    }
    void TearDown() override { SaveProgramSetting(L"ActiveSetup", L"0"); }
    // Frames drawn so far, told by the radius (10, then 20 more per frame while growing).
    int FramesDrawn() const { return (program_.Saver.Spheres().front().Scene.Radius - 10) / 20; }

    ProgramState program_;
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
    RunPreview(program_, nullptr, nullptr);
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
    RunPreview(program_, preview.Hwnd(), dialog.Hwnd());
    const std::wstring handle =
        std::to_wstring(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(preview.Hwnd())));
    EXPECT_EQ(observed.ActiveSetup, handle);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
    EXPECT_EQ(FramesDrawn(), 1);
    EXPECT_EQ(program_.Scene.CenterX, 1140.0f);
    EXPECT_EQ(program_.Scene.CenterY, 840.0f);
    EXPECT_EQ(program_.Scene.RadiusLimit, 10080);
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
    program_.Scene.UseRandomColors = true;
    SetTimer(nullptr, 0, 450, DestroyPreview);
    RunPreview(program_, preview.Hwnd(), dialog.Hwnd());
    EXPECT_FALSE(IsWindow(preview.Hwnd()));
    EXPECT_GE(FramesDrawn(), 2);
    EXPECT_LE(FramesDrawn(), 6);
    EXPECT_TRUE(IsLight(program_.Saver.PenColor()));
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
    program_.Scene.UseBlackScreen = false;  // the first frame gets the desktop under it
    SetTimer(nullptr, 0, 250, ChooseAnotherSaver);
    RunPreview(program_, preview.Hwnd(), dialog.Hwnd());
    EXPECT_TRUE(IsWindow(preview.Hwnd()));
    EXPECT_GE(FramesDrawn(), 2);
    EXPECT_LE(FramesDrawn(), 4);
    EXPECT_EQ(GetProgramSetting(L"ActiveSetup", L"missing"), L"0");
}

}  // namespace
}  // namespace globulon
