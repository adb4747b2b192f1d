// Measures the cost of the sphere under Wine: the time of one full-screen frame (274 drawing
// calls at 1920 x 1080) on a window and on a memory picture, and the processor time the
// full-screen and preview loops take per second. Prints the figures; not a test.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/preview_run.h"
#include "host/host_dialog_probe.h"
#include "host/message_pump.h"
#include "scene/frame_loop.h"
#include "scene/graphics_layer.h"
#include "tests/scene/test_canvas.h"
#include "tests/scene/test_scene.h"
#include "tests/support/fake_host_dialog.h"
#include "tests/support/process_cpu.h"

namespace globulon {
namespace {

using testing::ActiveRun;
using testing::TestRun;

using testing::ProcessCpuSeconds;

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kFrames = 500;
constexpr UINT kLoopMilliseconds = 10000;

double WallSeconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void ResetScene() {
    SphereScene& scene = testing::ResetTestScene(RGB(255, 0, 0));
    scene.UseRandomColors = true;
    scene.UseBlackScreen = true;
}

HWND MakeWindow(const wchar_t* title, int width, int height, HWND parent = nullptr) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = L"GlobulonBenchmark";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, title, WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                           parent, nullptr, wc.hInstance, nullptr);
}

struct FrameTimes {
    double Mean = 0, Median = 0, Max = 0;
};

// kFrames frames of a full-screen cycle from its start into hDC, each timed to the end of its
// drawing (GdiFlush); the messages that the window gets meanwhile are handled between frames.
FrameTimes TimeFrames(HWND window, HDC hDC) {
    SphereScene& scene = ActiveRun().Scene;
    testing::CentreFullScreenScene(scene, kScreenWidth, kScreenHeight);
    std::vector<double> times;
    for (int frame = 0; frame < kFrames; ++frame) {
        BuildRim(scene);
        const double start = WallSeconds();
        DrawFrame(scene, FrameTarget::SaverWindow, window, hDC);
        GdiFlush();
        times.push_back(WallSeconds() - start);
        PumpMessages();
    }
    FrameTimes result;
    for (double time : times) result.Mean += time / kFrames;
    std::sort(times.begin(), times.end());
    result.Median = times[times.size() / 2];
    result.Max = times.back();
    return result;
}

void PrintFrameTimes(const char* where, const FrameTimes& times) {
    std::printf("DrawFrame 1920x1080, %d frames, %s: mean %.3f ms, median %.3f ms, max %.3f ms\n",
                kFrames, where, times.Mean * 1e3, times.Median * 1e3, times.Max * 1e3);
}

void BenchmarkFrameOnWindow(HWND window) {
    ResetScene();
    HDC hDC = GfxOpen(window, 0, ActiveRun().Scene.PenColor, 1);
    PrintFrameTimes("window DC", TimeFrames(window, hDC));
    GfxClose(window, hDC);
}

void BenchmarkFrameInMemory(HWND window) {
    ResetScene();
    TestCanvas canvas(kScreenWidth, kScreenHeight);
    GfxSelectObjects(canvas.Dc(), 0, ActiveRun().Scene.PenColor, 1);
    PrintFrameTimes("memory DIB", TimeFrames(window, canvas.Dc()));
    GfxRestoreObjects(canvas.Dc());
}

void PrintLoopCpu(const char* what, double cpu, double wall, int frames) {
    std::printf("%s: %.2f s wall", what, wall);
    if (frames > 0) std::printf(", %d frames (%.1f per s)", frames, frames / wall);
    std::printf(", process CPU %.3f s = %.2f%% of one core\n", cpu, 100.0 * cpu / wall);
}

void CALLBACK AskToQuit(HWND, UINT, UINT_PTR, DWORD) {
    ActiveRun().QuitRequested = true;
}

void BenchmarkFullScreenLoop(HWND window) {
    ResetScene();
    ActiveRun().Spheres =
        SpheresForMonitors(ActiveRun().Scene, {{0, 0, kScreenWidth, kScreenHeight}}, 0, 0);
    // Ends the loop after the given time, as input would.
    const UINT_PTR timer = SetTimer(nullptr, 0, kLoopMilliseconds, AskToQuit);
    const double cpu = ProcessCpuSeconds();
    const double wall = WallSeconds();
    HDC hDC = RunFullScreenFrames(ActiveRun().Spheres, window, ActiveRun().QuitRequested,
                                  ActiveRun().MonitorsChanged);
    const double wallUsed = WallSeconds() - wall;
    const double cpuUsed = ProcessCpuSeconds() - cpu;
    KillTimer(nullptr, timer);
    GfxClose(window, hDC);
    // Frames told by the radius: 20 twips per frame while the sphere grows slowly.
    const int frames = (ActiveRun().Spheres.front().Scene.Radius - 20) / 20;
    PrintLoopCpu("full-screen loop 1920x1080", cpuUsed, wallUsed, frames);
}

HWND hostList = nullptr;

void CALLBACK ChooseNoSaver(HWND, UINT, UINT_PTR, DWORD) {
    SendMessageW(hostList, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

void BenchmarkPreviewLoop() {
    ResetScene();
    // A host dialog whose list has this program selected keeps the preview running.
    testing::FakeHostDialog dialog;
    hostList = testing::FakeHostDialog::AddList(dialog.Hwnd(), {ProgramName()}, 0);
    HWND preview = MakeWindow(L"Globulon preview benchmark", 152, 112);
    PumpMessages();
    // The host choosing no saver ends the preview (destroying a shown window is slow in Wine).
    const UINT_PTR timer = SetTimer(nullptr, 0, kLoopMilliseconds, ChooseNoSaver);
    const double cpu = ProcessCpuSeconds();
    const double wall = WallSeconds();
    ProgramState program;
    program.Scene = ActiveRun().Scene;
    RunPreview(program, preview, dialog.Hwnd());
    const double wallUsed = WallSeconds() - wall;
    const double cpuUsed = ProcessCpuSeconds() - cpu;
    KillTimer(nullptr, timer);
    DestroyWindow(preview);
    const SphereScene& scene = program.Scene;
    std::printf("preview ended at radius %d twips (speed %d)\n", scene.Radius, scene.Speed);
    PrintLoopCpu("preview loop 152x112", cpuUsed, wallUsed, 0);
}

}  // namespace
}  // namespace globulon

int main() {
    using namespace globulon;
    std::printf("screen %dx%d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    HWND window = MakeWindow(L"Globulon benchmark", kScreenWidth, kScreenHeight);
    PumpMessages();
    BenchmarkFrameOnWindow(window);
    BenchmarkFrameInMemory(window);
    BenchmarkFullScreenLoop(window);
    DestroyWindow(window);
    BenchmarkPreviewLoop();
    std::fflush(stdout);
    return 0;
}
