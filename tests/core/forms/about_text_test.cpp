// The About text: where each line lands for comments of every length, and the version line.
#include "core/forms/about_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/forms/author_texts.h"

namespace globulon {
namespace {

const VersionNumbers kVersion = {GLOBULON_BUILD_VERSION_MAJOR, GLOBULON_BUILD_VERSION_MINOR,
                                 GLOBULON_BUILD_VERSION_PATCH};
const std::wstring kTitle = L"Globulon Screen Saver";
const std::wstring kTitleLine =
    L"Globulon Screen Saver  \u2013  version " GLOBULON_BUILD_VERSION_TEXT;
const std::wstring kInvitation = L"for comments or bugs send e-mail to address:";

std::vector<std::wstring> Lines(const std::wstring& text) {
    std::vector<std::wstring> lines(1);
    for (wchar_t c : text) {
        if (c == L'\r') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

std::vector<std::wstring> LinesFor(const std::wstring& comment) {
    return Lines(BuildAboutText(comment, kVersion, kTitle, L"2026"));
}

bool IsSpaces(const std::wstring& line, std::size_t count) {
    return line == std::wstring(count, L' ');
}

// Lines 7 to 9 hold the invitation and the blank room for the links (index from 1).
void ExpectLinkLinesFrom(const std::vector<std::wstring>& lines, std::size_t invitationLine) {
    ASSERT_EQ(lines.size(), invitationLine + 2);
    EXPECT_EQ(lines[invitationLine - 1], kInvitation);
    const std::size_t mailRoom = std::wstring(AuthorEmail).size() + 12;
    EXPECT_EQ(lines[invitationLine],
              std::wstring(mailRoom, L' ') + L"or check for updates on the web:");
    EXPECT_TRUE(IsSpaces(lines[invitationLine + 1], std::wstring(WebSiteAddress).size()));
}

TEST(BuildAboutText, EmptyCommentLeavesBlankFirstAndThirdLines) {
    const auto lines = LinesFor(L"");
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[0], L"");
    EXPECT_EQ(lines[1], kTitleLine);
    EXPECT_EQ(lines[2], L"");
    EXPECT_EQ(lines[3], L"Copyright \u00A9 2026, Globulon Project Team");
    EXPECT_EQ(lines[4], AuthorLocation);
    EXPECT_EQ(lines[5], L"");
    ExpectLinkLinesFrom(lines, 7);
}

TEST(BuildAboutText, BlankCommentsCountAsNoComment) {
    const auto empty = BuildAboutText(L"", kVersion, kTitle, L"2026");
    EXPECT_EQ(BuildAboutText(L"    ", kVersion, kTitle, L"2026"), empty);
    // A comment that starts with a line break is not shown at all.
    EXPECT_EQ(BuildAboutText(L"\rhidden text", kVersion, kTitle, L"2026"), empty);
}

TEST(BuildAboutText, OneLineCommentSitsOnLineTwo) {
    const auto lines = LinesFor(L"Right-click shows this box.");
    EXPECT_EQ(lines[0], kTitleLine);
    EXPECT_EQ(lines[1], L"Right-click shows this box.");
    EXPECT_EQ(lines[2], L"");
    EXPECT_EQ(lines[3], L"Copyright \u00A9 2026, Globulon Project Team");
    EXPECT_EQ(lines[5], L"");
    ExpectLinkLinesFrom(lines, 7);
}

TEST(BuildAboutText, CommentWithSurroundingSpacesIsKeptAsItIs) {
    const auto lines = LinesFor(L"  note  ");
    EXPECT_EQ(lines[1], L"  note  ");
    ExpectLinkLinesFrom(lines, 7);
}

TEST(BuildAboutText, TwoAndThreeLineCommentsKeepTheLinksOnLinesEightAndNine) {
    const auto two = LinesFor(L"first\rsecond");
    EXPECT_EQ(two[1], L"first");
    EXPECT_EQ(two[2], L"second");
    EXPECT_EQ(two[3], L"");
    EXPECT_EQ(two[5], AuthorLocation);
    ExpectLinkLinesFrom(two, 7);

    const auto three = LinesFor(L"one\rtwo\rthree");
    EXPECT_EQ(three[3], L"three");
    EXPECT_EQ(three[4], L"Copyright \u00A9 2026, Globulon Project Team");
    EXPECT_EQ(three[5], AuthorLocation);
    ExpectLinkLinesFrom(three, 7);
}

TEST(BuildAboutText, LongerCommentsPushTheLinkRoomDown) {
    const auto four = LinesFor(L"1\r2\r3\r4");
    EXPECT_EQ(four[4], L"4");
    ExpectLinkLinesFrom(four, 8);
}

TEST(BuildAboutText, VersionLeavesOutRevisionZero) {
    const auto lines = Lines(BuildAboutText(L"x", {2, 2, 0}, kTitle, L"2026"));
    EXPECT_EQ(lines[0], L"Globulon Screen Saver  \u2013  version 2.2");
    const auto big = Lines(BuildAboutText(L"x", {10, 0, 7}, L"T", L"2026"));
    EXPECT_EQ(big[0], L"T  \u2013  version 10.0.7");
}

TEST(BuildAboutText, EndsWithTheWebRoomWithoutALineBreak) {
    const std::wstring text = BuildAboutText(L"", kVersion, kTitle, L"2026");
    EXPECT_EQ(text.back(), L' ');
    EXPECT_EQ(text.find(L'\n'), std::wstring::npos);
}

TEST(CountReturns, CountsCarriageReturnsOnly) {
    EXPECT_EQ(CountReturns(L""), 0);
    EXPECT_EQ(CountReturns(L"no breaks"), 0);
    EXPECT_EQ(CountReturns(L"\r"), 1);
    EXPECT_EQ(CountReturns(L"a\rb\r"), 2);
    EXPECT_EQ(CountReturns(L"a\nb"), 0);
    EXPECT_EQ(CountReturns(L"a\r\nb"), 1);
}

TEST(CountReturns, StaysPositiveBeyondTheSixteenBitRange) {
    EXPECT_EQ(CountReturns(std::wstring(40000, L'\r')), 32767);
}

TEST(WithWindowsLineBreaks, TurnsLoneReturnsIntoPairs) {
    EXPECT_EQ(WithWindowsLineBreaks(L""), L"");
    EXPECT_EQ(WithWindowsLineBreaks(L"a\rb"), L"a\r\nb");
    EXPECT_EQ(WithWindowsLineBreaks(L"\r\r"), L"\r\n\r\n");
    EXPECT_EQ(WithWindowsLineBreaks(L"end\r"), L"end\r\n");
    EXPECT_EQ(WithWindowsLineBreaks(L"a\r\nb"), L"a\r\nb");
}

}  // namespace
}  // namespace globulon
