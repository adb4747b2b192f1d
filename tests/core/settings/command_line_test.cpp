// Choosing the run mode and reading window handles from the command line.
#include "core/settings/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace globulon {
namespace {

RunModes ModeOf(const std::wstring& commandLine) {
    return ChooseRunMode(MakeCommandText(commandLine));
}

TEST(ChooseRunMode, ExactSwitches) {
    EXPECT_EQ(ModeOf(L""), ModeSetup);
    EXPECT_EQ(ModeOf(L"/c"), ModeSetup);
    EXPECT_EQ(ModeOf(L"-C"), ModeSetup);
    EXPECT_EQ(ModeOf(L"/s"), ModeSaver);
    EXPECT_EQ(ModeOf(L"-s"), ModeSaver);
}

TEST(ChooseRunMode, SearchOrderIsPreviewPasswordSaverSetup) {
    EXPECT_EQ(ModeOf(L"/p 590"), ModePreview);
    EXPECT_EQ(ModeOf(L"/P590"), ModePreview);
    EXPECT_EQ(ModeOf(L"/S /P"), ModePreview);
    EXPECT_EQ(ModeOf(L"/a 590"), ModePassword);
    EXPECT_EQ(ModeOf(L"/s /a"), ModePassword);
    EXPECT_EQ(ModeOf(L"x /s"), ModeSaver);
    EXPECT_EQ(ModeOf(L"/c:590"), ModeSetup);
    EXPECT_EQ(ModeOf(L"HELLO"), ModeNone);
    EXPECT_EQ(ModeOf(L"/x"), ModeNone);
}

TEST(MakeCommandText, UpperCasesTheWholeLine) {
    EXPECT_EQ(MakeCommandText(L"/c:590"), L"/C:590");
    EXPECT_EQ(MakeCommandText(L"/p \u00e9"), L"/P \u00c9");
}

TEST(HandleAfter, ReadsTheNumberAfterTheSeparator) {
    EXPECT_EQ(HandleAfter(L"/C:590", L':'), 590);
    EXPECT_EQ(HandleAfter(L"/P 590", L' '), 590);
    EXPECT_EQ(HandleAfter(L"/P  12 34", L' '), 1234);  // blanks inside a number are ignored
    EXPECT_EQ(HandleAfter(L"/P XYZ", L' '), 0);
    EXPECT_EQ(HandleAfter(L"/P -5", L' '), -5);
}

TEST(HandleAfter, ReadsUnsignedThirtyTwoBitHandlesAsTheSystemWritesThem) {
    // Handles from 0x80000000 up come as unsigned decimals; the 32-bit value is what
    // LongToHandle sign-extends, the same value a signed text names.
    EXPECT_EQ(HandleAfter(L"/P 2147549190", L' '), static_cast<std::int32_t>(0x80010006u));
    EXPECT_EQ(HandleAfter(L"/C:4294967294", L':'), -2);
    EXPECT_EQ(HandleAfter(L"/P 2147483648", L' '), HandleAfter(L"/P -2147483648", L' '));
    EXPECT_EQ(HandleAfter(L"/P 2147483647", L' '), 2147483647);
}

TEST(HandleAfter, FailsWithoutSeparatorOrBeyondThirtyTwoBits) {
    EXPECT_FALSE(HandleAfter(L"/P590", L' '));
    EXPECT_FALSE(HandleAfter(L"/C", L':'));
    EXPECT_FALSE(HandleAfter(L"/P 4294967296", L' '));
    EXPECT_FALSE(HandleAfter(L"/P -2147483649", L' '));
    EXPECT_FALSE(HandleAfter(L"/P 9223372036854775807", L' '));  // beyond 64 bits once a double
    EXPECT_FALSE(HandleAfter(L"/P " + std::wstring(10000, L'9'), L' '));
    EXPECT_EQ(HandleAfter(L"/P " + std::wstring(10000, L'x'), L' '), 0);
}

}  // namespace
}  // namespace globulon
