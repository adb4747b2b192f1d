// The texts for the shell's answers when a link is opened.
#include "core/forms/link_result.h"

#include <gtest/gtest.h>

namespace globulon {
namespace {

TEST(LinkResultText, NamesTheKnownFailures) {
    EXPECT_EQ(LinkResultText(2), L"File not found.");
    EXPECT_EQ(LinkResultText(3), L"Path not found.");
    EXPECT_EQ(LinkResultText(5), L"Access denied.");
    EXPECT_EQ(LinkResultText(27), L"Incomplete association type of file.");
    EXPECT_EQ(LinkResultText(31), L"Missing association type of file.");
}

TEST(LinkResultText, OtherValuesUpToThirtyTwoAreGenericFailures) {
    for (long long code : {-1LL, 0LL, 1LL, 4LL, 8LL, 26LL, 28LL, 30LL, 32LL}) {
        EXPECT_EQ(LinkResultText(code), L"Generic access file error.") << code;
    }
}

TEST(LinkResultText, ValuesAboveThirtyTwoAreSuccess) {
    EXPECT_EQ(LinkResultText(33), L"");
    EXPECT_EQ(LinkResultText(42), L"");
    // A 64-bit result above the 32-bit range is still success, not a truncated failure code.
    EXPECT_EQ(LinkResultText(0x100000000LL), L"");
}

TEST(LinkResultText, AnAnswerOfOpenedOrNotDecidesOverTheCode) {
    EXPECT_EQ(LinkResultText(true, 0), L"");
    EXPECT_EQ(LinkResultText(false, 31), L"Missing association type of file.");
    EXPECT_EQ(LinkResultText(false, 42), L"Generic access file error.");
}

}  // namespace
}  // namespace globulon
