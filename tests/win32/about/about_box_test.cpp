// The About box window: its frame, text, layout, picture, and what it gives back when it closes.
#include "win32/about/about_box.h"

#include <gtest/gtest.h>

#include <string>

#include "core/forms/author_texts.h"
#include "tests/support/pump.h"
#include "tests/win32/about/about_test_support.h"
#include "win32/host/form_window.h"

namespace globulon {
namespace {

using testing::PlaceInParent;
using testing::TextOf;

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

// Line pitch and space width of the text label, measured with its own font.
struct TextMeasures {
    int LineHeight = 0;
    int SpaceWidth = 0;
};

TextMeasures MeasureText(HWND label) {
    TextMeasures measures;
    HDC dc = GetDC(label);
    auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    HGDIOBJ original = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    measures.LineHeight = metrics.tmHeight;
    SIZE space = {};
    GetTextExtentPoint32W(dc, L" ", 1, &space);
    measures.SpaceWidth = space.cx;
    SelectObject(dc, original);
    ReleaseDC(label, dc);
    return measures;
}

class AboutBoxWindow : public ::testing::Test {
  protected:
    void TearDown() override { box.Unload(); }
    void ShowModeless(const std::wstring& comment = L"", AboutPicture picture = {}) {
        box.Modeless(true);
        box.About(comment, picture);
        testing::PumpFor(50);
    }
    AboutBox box;
};

TEST_F(AboutBoxWindow, LoadsAHiddenFixedDialogOfTheFormClass) {
    ASSERT_TRUE(box.Load());
    EXPECT_TRUE(box.Loaded());
    HWND hwnd = box.Hwnd();
    EXPECT_EQ(ClassOf(hwnd), FormClassName);
    EXPECT_EQ(TextOf(hwnd), L"About");
    EXPECT_FALSE(IsWindowVisible(hwnd));
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
    // 6555 by 3180 twips at 15 twips per pixel (start-up has not stored the screen's value).
    RECT client = {};
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 437);
    EXPECT_EQ(client.bottom, 212);
}

TEST_F(AboutBoxWindow, LoadsCentredOnTheScreen) {
    ASSERT_TRUE(box.Load());
    RECT place = {};
    GetWindowRect(box.Hwnd(), &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    EXPECT_EQ(place.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    EXPECT_EQ(place.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
}

TEST_F(AboutBoxWindow, LoadingTwiceKeepsTheOneWindow) {
    ASSERT_TRUE(box.Load());
    HWND first = box.Hwnd();
    ASSERT_TRUE(box.Load());
    EXPECT_EQ(box.Hwnd(), first);
}

TEST_F(AboutBoxWindow, LinkLabelsShowTheAddresses) {
    ASSERT_TRUE(box.Load());
    EXPECT_EQ(TextOf(box.MailLabel()), AuthorEmail);
    EXPECT_EQ(TextOf(box.WebLabel()), L"https://globulon.example.org");
    EXPECT_TRUE(GetWindowLongPtrW(box.MailLabel(), GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(GetWindowLongPtrW(box.WebLabel(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(AboutBoxWindow, TextShowsTitleAndVersionFromTheVersionRecord) {
    ShowModeless();
    const std::wstring text = TextOf(box.AboutLabel());
    EXPECT_EQ(text.find(L"\r\nGlobulon Screen Saver  \u2013  version " GLOBULON_BUILD_VERSION_TEXT
                        "\r\n"),
              0u);
    EXPECT_NE(text.find(L"Copyright \u00A9 "), std::wstring::npos);
    // Every line break is a CR LF pair, which the label shows as a break.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') {
            EXPECT_EQ(text[i + 1], L'\n') << i;
        }
    }
}

TEST_F(AboutBoxWindow, ModelessBoxIsShownTopMostAndReturnsAtOnce) {
    ShowModeless(L"A comment");
    EXPECT_TRUE(IsWindowVisible(box.Hwnd()));
    EXPECT_TRUE(GetWindowLongPtrW(box.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(TextOf(box.AboutLabel()).find(L"Globulon Screen Saver"), 0u);
    EXPECT_NE(TextOf(box.AboutLabel()).find(L"\r\nA comment\r\n"), std::wstring::npos);
}

TEST_F(AboutBoxWindow, LinksSitOnTextLinesEightAndNine) {
    ShowModeless();
    const RECT text = PlaceInParent(box.AboutLabel());
    const TextMeasures measures = MeasureText(box.AboutLabel());
    ASSERT_GT(measures.LineHeight, 0);
    const std::pair<HWND, int> links[] = {{box.MailLabel(), 8}, {box.WebLabel(), 9}};
    for (const auto& [link, line] : links) {
        const RECT place = PlaceInParent(link);
        const int lineTop = text.top + (line - 1) * measures.LineHeight;
        const int middle = (place.top + place.bottom) / 2;
        EXPECT_GE(place.top, lineTop) << line;
        EXPECT_LT(middle, lineTop + measures.LineHeight) << line;
        EXPECT_LE(place.bottom, lineTop + measures.LineHeight + 1) << line;
        EXPECT_EQ(place.left, text.left) << line;
        EXPECT_GT(place.right - place.left, 0) << line;
    }
}

TEST_F(AboutBoxWindow, MailLinkFitsTheRoomBeforeTheWebInvitation) {
    ShowModeless();
    const RECT text = PlaceInParent(box.AboutLabel());
    const RECT mail = PlaceInParent(box.MailLabel());
    const TextMeasures measures = MeasureText(box.AboutLabel());
    const int room = static_cast<int>(std::wstring(AuthorEmail).size() + 12) * measures.SpaceWidth;
    EXPECT_LE(mail.right, text.left + room);
}

TEST_F(AboutBoxWindow, LinksLieAboveTheText) {
    ASSERT_TRUE(box.Load());
    // Siblings come first in the list when they lie higher.
    int order = 0, mailOrder = -1, webOrder = -1, textOrder = -1;
    for (HWND child = GetWindow(box.Hwnd(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT), ++order) {
        if (child == box.MailLabel()) mailOrder = order;
        if (child == box.WebLabel()) webOrder = order;
        if (child == box.AboutLabel()) textOrder = order;
    }
    EXPECT_LT(mailOrder, textOrder);
    EXPECT_LT(webOrder, textOrder);
}

TEST_F(AboutBoxWindow, NoPictureShowsTheProgramBitmap) {
    ShowModeless();
    const AboutPicture picture = box.Picture();
    ASSERT_NE(picture.Bitmap, nullptr);
    EXPECT_EQ(picture.Icon, nullptr);
    const RECT image = PlaceInParent(box.IconImage());
    EXPECT_EQ(image.right - image.left, 32);
    EXPECT_EQ(image.bottom - image.top, 32);
}

TEST_F(AboutBoxWindow, GivenIconIsShown) {
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101));
    ASSERT_NE(icon, nullptr);
    ShowModeless(L"", AboutPicture::FromIcon(icon));
    EXPECT_EQ(box.Picture().Icon, icon);
    const RECT image = PlaceInParent(box.IconImage());
    EXPECT_EQ(image.left, (180 + 270) / 15);
    EXPECT_EQ(image.top, (105 + 480) / 15);
}

TEST_F(AboutBoxWindow, UnloadGivesBackFontsAndBitmap) {
    ShowModeless();
    auto textFont = reinterpret_cast<HFONT>(SendMessageW(box.AboutLabel(), WM_GETFONT, 0, 0));
    auto linkFont = reinterpret_cast<HFONT>(SendMessageW(box.MailLabel(), WM_GETFONT, 0, 0));
    HBITMAP bitmap = box.Picture().Bitmap;
    ASSERT_NE(textFont, nullptr);
    ASSERT_NE(linkFont, nullptr);
    ASSERT_NE(bitmap, nullptr);
    box.Unload();
    EXPECT_FALSE(box.Loaded());
    EXPECT_EQ(box.Hwnd(), nullptr);
    EXPECT_EQ(GetObjectType(textFont), 0u);
    EXPECT_EQ(GetObjectType(linkFont), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    box.Unload();  // a second unload is harmless
    EXPECT_FALSE(box.Loaded());
}

TEST_F(AboutBoxWindow, MoveToAnotherDpiGivesBackTheOldFonts) {
    ShowModeless();
    const auto fontOf = [](HWND control) {
        return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    };
    const HFONT oldText = fontOf(box.AboutLabel()), oldLink = fontOf(box.MailLabel());
    RECT suggested = {10, 10, 700, 400};
    SendMessageW(box.Hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(GetObjectType(oldText), 0u);
    EXPECT_EQ(GetObjectType(oldLink), 0u);
    const HFONT text = fontOf(box.AboutLabel()), link = fontOf(box.MailLabel());
    EXPECT_EQ(fontOf(box.OkButton()), text);
    LOGFONTW font = {};
    ASSERT_TRUE(GetObjectW(text, sizeof(font), &font));
    EXPECT_EQ(font.lfHeight, -20);  // 9.75 points at 144 DPI, 19.5 to the even 20
    box.Unload();
    EXPECT_EQ(GetObjectType(text), 0u);
    EXPECT_EQ(GetObjectType(link), 0u);
}

TEST_F(AboutBoxWindow, ShowingAnotherPictureFreesTheBitmapItLoaded) {
    ShowModeless();
    HBITMAP own = box.Picture().Bitmap;
    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(101));
    box.About(L"", AboutPicture::FromIcon(icon));
    EXPECT_EQ(GetObjectType(own), 0u);
}

TEST_F(AboutBoxWindow, WindowDestroyedFromOutsideCountsAsClosed) {
    ShowModeless();
    DestroyWindow(box.Hwnd());
    EXPECT_FALSE(box.Loaded());
    EXPECT_EQ(box.Hwnd(), nullptr);
    // It can be opened again.
    ShowModeless();
    EXPECT_TRUE(box.Loaded());
}

}  // namespace
}  // namespace globulon
