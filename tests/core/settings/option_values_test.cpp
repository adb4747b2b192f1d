// The Linux programs' option values: whole numbers, the pen colour in its two forms, and an
// argument quoted for a one-line message.
#include "core/settings/option_values.h"

#include <gtest/gtest.h>

namespace globulon {
namespace {

TEST(OptionValues, WholeNumbersAreDigitsOnlyAndFitThirtyTwoBits) {
    EXPECT_EQ(ReadWholeNumber("4194311", 10), 4194311u);
    EXPECT_EQ(ReadWholeNumber("ffFFffFF", 16), 0xFFFFFFFFu);
    for (const char* bad : {"", "+1", "-1", " 1", "1 ", "4294967296", "0x10", "1.5"}) {
        EXPECT_EQ(ReadWholeNumber(bad, 10), std::nullopt) << bad;
    }
}

TEST(OptionValues, ColorIsThreeNumbersOrSixHexDigits) {
    EXPECT_EQ(ReadColorOption("255,0,128"), MakeColor(255, 0, 128));
    EXPECT_EQ(ReadColorOption("0,0,0"), MakeColor(0, 0, 0));
    EXPECT_EQ(ReadColorOption("#00Ff80"), MakeColor(0, 255, 128));
    EXPECT_EQ(ReadColorOption("#000000"), MakeColor(0, 0, 0));
    for (const char* bad :
         {"256,0,0", "1,2", "1,2,3,4", "-1,2,3", " 1,2,3", "1, 2,3", "1,,3", "1.5,2,3", "a,b,c",
          "#12345", "#1234567", "#12345g", "#+12345", "#0f0", "green", "rgb:00/ff/00", ""}) {
        EXPECT_EQ(ReadColorOption(bad), std::nullopt) << bad;
    }
}

TEST(OptionValues, QuotedArgumentStaysOnOneLine) {
    EXPECT_EQ(QuotedArgument("-bogus"), "'-bogus'");
    EXPECT_EQ(QuotedArgument("a\nb\tc\x7f"), "'a?b?c?'");
    EXPECT_EQ(QuotedArgument(""), "''");
}

}  // namespace
}  // namespace globulon
