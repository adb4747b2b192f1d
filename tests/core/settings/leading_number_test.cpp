// The leading-number rule on ordinary, odd and hostile texts.
#include "core/settings/leading_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace globulon {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
    EXPECT_EQ(LeadingNumber(L"590"), 590);
    EXPECT_EQ(LeadingNumber(L"-12abc"), -12);
    EXPECT_EQ(LeadingNumber(L"+7"), 7);
    EXPECT_EQ(LeadingNumber(L"1.5"), 1.5);
    EXPECT_EQ(LeadingNumber(L".25"), 0.25);
    EXPECT_EQ(LeadingNumber(L"10,20"), 10);
    EXPECT_EQ(LeadingNumber(L"2E3"), 2000);
    EXPECT_EQ(LeadingNumber(L"2d-1"), 0.2);
    EXPECT_EQ(LeadingNumber(L"3e"), 3);  // an exponent letter without digits ends the number
}

TEST(LeadingNumber, IgnoresBlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(LeadingNumber(L" 1 2\t3\n4 "), 1234);
    EXPECT_EQ(LeadingNumber(L"  - 5"), -5);
}

TEST(LeadingNumber, ReadsHexAndOctalPrefixesInEitherCase) {
    EXPECT_EQ(LeadingNumber(L"&H10"), 16);
    EXPECT_EQ(LeadingNumber(L"&hff"), 255);
    EXPECT_EQ(LeadingNumber(L"&O17"), 15);
    EXPECT_EQ(LeadingNumber(L"&o78"), 7);  // 8 is no octal digit
    EXPECT_EQ(LeadingNumber(L"&Hxyz"), 0);
}

TEST(LeadingNumber, IsZeroWithoutLeadingDigits) {
    EXPECT_EQ(LeadingNumber(L""), 0);
    EXPECT_EQ(LeadingNumber(L"abc"), 0);
    EXPECT_EQ(LeadingNumber(L"yes"), 0);
    EXPECT_EQ(LeadingNumber(L"-"), 0);
    EXPECT_EQ(LeadingNumber(L"."), 0);
    EXPECT_EQ(LeadingNumber(L"\u00e9 12"), 0);
}

TEST(LeadingNumber, OnlyTheDotIsADecimalPoint) {
    EXPECT_EQ(LeadingNumber(L"1,5"), 1);
}

TEST(LeadingNumber, HugeAndLongTextsStayDefined) {
    EXPECT_TRUE(std::isinf(LeadingNumber(L"1e999")));
    EXPECT_EQ(LeadingNumber(L"1e-999"), 0);
    EXPECT_EQ(LeadingNumber(L"0." + std::wstring(500, L'0') + L"1"), 0);
    EXPECT_TRUE(std::isinf(LeadingNumber(std::wstring(10000, L'9'))));
    EXPECT_TRUE(std::isinf(LeadingNumber(L"&H" + std::wstring(10000, L'F'))));
    EXPECT_EQ(LeadingNumber(std::wstring(10000, L'-')), 0);
}

}  // namespace
}  // namespace globulon
