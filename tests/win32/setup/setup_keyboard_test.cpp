// The settings dialog's keys: Tab, Enter, Escape and the access keys, through the message pump
// as the program runs it. These need the keyboard focus, so they run alone.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win32/setup/setup_form_fixture.h"
#include "win32/host/message_pump.h"

namespace globulon::setup_test {
namespace {

TEST_F(SetupFormTest, TabMovesTheFocusAndTheDefaultButtonFollowsIt) {
    Store(L"ColorRandom", L"0");
    Store(L"ColorFixed", L"1,2,3");
    Open(true);
    ASSERT_TRUE(GiveKeyboard(Id::Blue));
    PostMessageW(C(Id::Blue), WM_KEYDOWN, VK_TAB, 0);
    PumpMessages();
    EXPECT_EQ(GetFocus(), C(Id::OK));
    PostMessageW(C(Id::OK), WM_KEYDOWN, VK_TAB, 0);
    PumpMessages();
    EXPECT_EQ(GetFocus(), C(Id::Cancel));
    EXPECT_TRUE(GetWindowLongPtrW(C(Id::Cancel), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_FALSE(GetWindowLongPtrW(C(Id::OK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    // Enter now presses the focused Cancel: nothing is stored.
    PostMessageW(C(Id::Cancel), WM_KEYDOWN, VK_RETURN, 0);
    PumpMessages();
    EXPECT_TRUE(quit_);
    EXPECT_EQ(Stored(L"ColorRandom"), L"0");
    EXPECT_EQ(Stored(L"BlackScreen"), kMissing);
}

TEST_F(SetupFormTest, EnterPressesOkAndEscapeCancel) {
    Open();
    PostMessageW(C(Id::Black), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpMessages();
    EXPECT_TRUE(quit_);
    ExpectNothingStored();
    quit_ = false;
    PostMessageW(C(Id::Black), WM_KEYDOWN, VK_RETURN, 0);
    PumpMessages();
    EXPECT_TRUE(quit_);
    EXPECT_EQ(Stored(L"ColorRandom"), L"1");
}

TEST_F(SetupFormTest, AccessKeysSelectTheOptionAndReachTheLists) {
    Open(true);
    ASSERT_TRUE(GiveKeyboard(Id::Black));
    PostMessageW(C(Id::Black), WM_SYSCHAR, L'o', 1 << 29);
    PumpMessages();
    EXPECT_TRUE(Checked(Id::Fisso));
    ExpectLists(0, 0, 0);
    PostMessageW(C(Id::Black), WM_SYSCHAR, L'g', 1 << 29);
    PumpMessages();
    EXPECT_EQ(GetFocus(), C(Id::Green));
    PostMessageW(C(Id::Green), WM_SYSCHAR, L'd', 1 << 29);
    PumpMessages();
    EXPECT_FALSE(Checked(Id::Black));
}

}  // namespace
}  // namespace globulon::setup_test
