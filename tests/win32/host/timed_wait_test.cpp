// The paced wait of the frame loops: its length, the messages it dispatches, its CPU use.
#include "win32/host/timed_wait.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <thread>
#include <vector>

#include "tests/support/process_cpu.h"

namespace globulon {
namespace {

using testing::ProcessCpuSeconds;

constexpr UINT kPing = WM_APP + 1;
constexpr UINT kEndRequest = WM_APP + 2;  // its handler sets the loop's end flag, as a key does

double Seconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Clock readings at which the window's procedure handled each ping.
std::vector<double> pingsHandledAt;
// The end flag the window's procedure sets on kEndRequest.
bool* endFlag = nullptr;

LRESULT CALLBACK PingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPing) {
        pingsHandledAt.push_back(Seconds());
        return 0;
    }
    if (message == kEndRequest) {
        *endFlag = true;
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

class TimedWaitTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pingsHandledAt.clear();
        quit_ = false;
        endFlag = &quit_;
        WNDCLASSW wc = {};
        wc.lpfnWndProc = PingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GlobulonWaitTestWindow";
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"wait test", WS_POPUP, 0, 0, 10, 10, nullptr,
                                nullptr, wc.hInstance, nullptr);
        ASSERT_NE(hwnd_, nullptr);
    }
    void TearDown() override {
        if (hwnd_) DestroyWindow(hwnd_);
        quit_ = false;
    }
    HWND hwnd_ = nullptr;
    bool quit_ = false;  // the running loop's end flag
};

TEST_F(TimedWaitTest, ZeroSecondsStillDispatchesWhatIsQueued) {
    PostMessageW(hwnd_, kPing, 0, 0);
    const double began = Seconds();
    WaitSeconds(0, quit_);
    EXPECT_EQ(pingsHandledAt.size(), 1u);
    // No frame's wait (a tenth of a second, and far more on a busy machine) is added.
    EXPECT_LT(Seconds() - began, 1.0);
}

TEST_F(TimedWaitTest, ATenthOfASecondLastsAtLeastThatLong) {
    for (int i = 0; i < 5; ++i) {
        const double began = Seconds();
        WaitSeconds(0.1f, quit_);
        const double elapsed = Seconds() - began;
        EXPECT_GE(elapsed, 0.1);
        EXPECT_LT(elapsed, 1.0);
    }
}

TEST_F(TimedWaitTest, MessagesAreDispatchedAsTheyArriveDuringTheWait) {
    // Another thread posts five pings, 50 ms apart, at the start of a 3-second wait.
    std::thread poster([&] {
        for (int i = 0; i < 5; ++i) {
            Sleep(50);
            PostMessageW(hwnd_, kPing, 0, 0);
        }
    });
    const double began = Seconds();
    WaitSeconds(3.0f, quit_);
    const double ended = Seconds();
    poster.join();
    ASSERT_EQ(pingsHandledAt.size(), 5u);
    for (std::size_t i = 0; i < pingsHandledAt.size(); ++i) {
        // Handled as they came, not saved up for the end of the wait.
        EXPECT_LT(pingsHandledAt[i] - began, 2.0) << i;
    }
    EXPECT_GE(ended - began, 3.0);
}

TEST_F(TimedWaitTest, WaitingDoesNotSpin) {
    const double cpuBefore = ProcessCpuSeconds();
    const double began = Seconds();
    WaitSeconds(1.0f, quit_);
    const double wall = Seconds() - began;
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    ASSERT_GE(cpuBefore, 0);
    EXPECT_GE(wall, 1.0);
    // A busy wait takes a whole core, or what another program leaves of it on a loaded machine.
    EXPECT_LT(cpu / wall, 0.5) << "CPU seconds " << cpu << " over " << wall;
}

// --- ending early: a key must end the saver at once, not after the rest of the frame's wait ---

TEST_F(TimedWaitTest, AnEndRequestHandledDuringTheWaitEndsItAtOnce) {
    double postedAt = 0;
    std::thread poster([&] {
        Sleep(100);
        postedAt = Seconds();
        PostMessageW(hwnd_, kEndRequest, 0, 0);
    });
    WaitSeconds(5.0f, quit_);
    const double ended = Seconds();
    poster.join();
    EXPECT_TRUE(quit_);
    // Long before the rest of the 5 seconds.
    EXPECT_LT(ended - postedAt, 1.0);
}

TEST_F(TimedWaitTest, AQuitMessageEndsTheRunningLoopAndALongWaitAtOnce) {
    PostQuitMessage(0);
    const double began = Seconds();
    WaitSeconds(5.0f, quit_);
    EXPECT_LT(Seconds() - began, 1.0);
    EXPECT_TRUE(quit_);
}

}  // namespace
}  // namespace globulon
