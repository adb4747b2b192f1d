// The About box's links: underline and hand pointer follow the mouse; any button opens a link,
// closes the box and ends the program.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/forms/author_texts.h"
#include "tests/win32/about/about_test_support.h"
#include "win32/about/about_box.h"

namespace globulon {
namespace {

using testing::HasUnderlinedFont;

struct OpenedLink {
    HWND Owner;
    std::wstring Target;
};

class AboutLinks : public ::testing::Test {
  protected:
    void SetUp() override {
        quit_ = false;
        FormContext context;
        context.QuitRequested = &quit_;
        box.SetContext(context);
        box.SetLinkOpener([this](HWND owner, const std::wstring& target) {
            opened.push_back({owner, target});
            return std::wstring(L"File not found.");
        });
        box.Modeless(true);
        box.About(L"", {});
    }
    void TearDown() override {
        box.Unload();
        quit_ = false;
    }
    bool quit_ = false;  // the running loop's end flag, which a chosen link sets

    static void MoveOver(HWND hwnd) { SendMessageW(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }
    // Asks the label for its pointer as the system does; true when it chose one itself.
    static bool SetsOwnCursor(HWND hwnd) {
        return SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                            MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)) != 0 &&
               GetCursor() == HandCursor();
    }
    static HCURSOR HandCursor() {
        return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101));
    }

    AboutBox box;
    std::vector<OpenedLink> opened;
};

TEST_F(AboutLinks, LinksStartPlainWithTheNormalPointer) {
    EXPECT_FALSE(HasUnderlinedFont(box.MailLabel()));
    EXPECT_FALSE(HasUnderlinedFont(box.WebLabel()));
    EXPECT_FALSE(SetsOwnCursor(box.MailLabel()));
}

TEST_F(AboutLinks, HoveredLinkIsUnderlinedWithTheHandPointer) {
    ASSERT_NE(HandCursor(), nullptr);
    MoveOver(box.MailLabel());
    EXPECT_TRUE(HasUnderlinedFont(box.MailLabel()));
    EXPECT_FALSE(HasUnderlinedFont(box.WebLabel()));
    EXPECT_TRUE(SetsOwnCursor(box.MailLabel()));
}

TEST_F(AboutLinks, UnderlineAndPointerMoveWithTheMouse) {
    MoveOver(box.MailLabel());
    MoveOver(box.WebLabel());
    EXPECT_FALSE(HasUnderlinedFont(box.MailLabel()));
    EXPECT_TRUE(HasUnderlinedFont(box.WebLabel()));
    EXPECT_TRUE(SetsOwnCursor(box.WebLabel()));
    EXPECT_FALSE(SetsOwnCursor(box.MailLabel()));
}

TEST_F(AboutLinks, MovingOntoTheTextOrFrameRemovesBothUnderlines) {
    MoveOver(box.WebLabel());
    // The text label and the frame let the mouse through to the box itself.
    EXPECT_EQ(SendMessageW(box.AboutLabel(), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    // The margin outside the frame leaves the underline alone; the frame clears it.
    MoveOver(box.Hwnd());
    EXPECT_TRUE(HasUnderlinedFont(box.WebLabel()));
    RECT text = {};
    GetWindowRect(box.AboutLabel(), &text);
    MapWindowPoints(nullptr, box.Hwnd(), reinterpret_cast<POINT*>(&text), 2);
    SendMessageW(box.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(text.left + 4, text.top + 4));
    EXPECT_FALSE(HasUnderlinedFont(box.MailLabel()));
    EXPECT_FALSE(HasUnderlinedFont(box.WebLabel()));
}

TEST_F(AboutLinks, LinksTakeTheMouseThemselves) {
    RECT place = {};
    GetWindowRect(box.MailLabel(), &place);
    const LPARAM point = MAKELPARAM(place.left + 2, place.top + 2);
    EXPECT_EQ(SendMessageW(box.MailLabel(), WM_NCHITTEST, 0, point), HTCLIENT);
}

TEST_F(AboutLinks, LeftClickOnMailOpensMailtoAndEndsTheProgram) {
    SendMessageW(box.MailLabel(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].Owner, GetDesktopWindow());
    EXPECT_EQ(opened[0].Target, std::wstring(L"mailto:") + AuthorEmail);
    EXPECT_FALSE(box.Loaded());
    EXPECT_EQ(box.Hwnd(), nullptr);
    EXPECT_TRUE(quit_);
}

TEST_F(AboutLinks, RightClickOpensTheLinkToo) {
    SendMessageW(box.WebLabel(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    ASSERT_EQ(opened.size(), 1u);
    // The shell gets the site with its final "/".
    EXPECT_EQ(opened[0].Target, WebSiteAddress);
    EXPECT_FALSE(box.Loaded());
    EXPECT_TRUE(quit_);
}

TEST_F(AboutLinks, MiddleClickWithShiftOpensTheLinkToo) {
    SendMessageW(box.WebLabel(), WM_MBUTTONDOWN, MK_MBUTTON | MK_SHIFT, MAKELPARAM(2, 2));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(quit_);
}

TEST_F(AboutLinks, ClickOnTheTextOpensNothing) {
    SendMessageW(box.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 30));
    EXPECT_TRUE(opened.empty());
    EXPECT_TRUE(box.Loaded());
    EXPECT_FALSE(quit_);
}

}  // namespace
}  // namespace globulon
