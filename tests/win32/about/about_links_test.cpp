// The About box's links before the mouse comes: plain, with the normal pointer, and taking the
// mouse themselves while the text lets it through to the box. What the mouse then does (underline
// and hand pointer follow it, any button opens a link and ends the program) is a person's: the
// black-box tests move and click it (tests/blackbox/test_setup.py, test_own_desktop.py).
#include <gtest/gtest.h>

#include "tests/win32/about/about_test_support.h"
#include "win32/about/about_box.h"

namespace globulon {
namespace {

using testing::HasUnderlinedFont;

class AboutLinks : public ::testing::Test {
  protected:
    void SetUp() override {
        box.Modeless(true);
        box.About(L"", {});
    }
    void TearDown() override { box.Unload(); }

    AboutBox box;
};

TEST_F(AboutLinks, LinksStartPlainWithTheNormalPointer) {
    EXPECT_FALSE(HasUnderlinedFont(box.MailLabel()));
    EXPECT_FALSE(HasUnderlinedFont(box.WebLabel()));
    // Asked for its pointer as the system asks, the label shows no hand.
    SendMessageW(box.MailLabel(), WM_SETCURSOR, reinterpret_cast<WPARAM>(box.MailLabel()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101)));
}

TEST_F(AboutLinks, LinksTakeTheMouseThemselvesAndTheTextLetsItThrough) {
    RECT place = {};
    GetWindowRect(box.MailLabel(), &place);
    const LPARAM point = MAKELPARAM(place.left + 2, place.top + 2);
    EXPECT_EQ(SendMessageW(box.MailLabel(), WM_NCHITTEST, 0, point), HTCLIENT);
    EXPECT_EQ(SendMessageW(box.AboutLabel(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
}

}  // namespace
}  // namespace globulon
