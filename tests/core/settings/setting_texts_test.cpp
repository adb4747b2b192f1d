// Reading the stored settings' texts back into values.
#include "core/settings/setting_texts.h"

#include <gtest/gtest.h>

#include <string>

namespace globulon {
namespace {

TEST(ParseBoolText, KnowsTheWordsInAnyCase) {
    for (const wchar_t* text :
         {L"YES", L"On", L"Vero", L"S\u00cc", L"si", L"True", L"enabled", L"1"}) {
        EXPECT_TRUE(ParseBoolText(text)) << text;
    }
    for (const wchar_t* text : {L"No", L"FALSO", L"Disabled", L"False", L"off", L"0"}) {
        EXPECT_FALSE(ParseBoolText(text)) << text;
    }
}

TEST(ParseBoolText, FallsBackOnTheLeadingNumber) {
    EXPECT_TRUE(ParseBoolText(L"2"));
    EXPECT_TRUE(ParseBoolText(L"1.5"));
    EXPECT_TRUE(ParseBoolText(L"&H10"));
    EXPECT_TRUE(ParseBoolText(L"-1"));
    EXPECT_FALSE(ParseBoolText(L"0.0"));
    EXPECT_FALSE(ParseBoolText(L"abc"));
    EXPECT_FALSE(ParseBoolText(L""));
}

TEST(ParseBoolText, DoesNotTrim) {
    EXPECT_FALSE(ParseBoolText(L" yes"));
    EXPECT_FALSE(ParseBoolText(L"true "));
}

TEST(ParseColorText, ReadsThreeComponents) {
    EXPECT_EQ(ParseColorText(L"10,20,30"), MakeColor(10, 20, 30));
    EXPECT_EQ(ParseColorText(L" 10 , 20 , 30 "), MakeColor(10, 20, 30));
    EXPECT_EQ(ParseColorText(L"255,128,0"), 255u + 128u * 256u);
    EXPECT_EQ(ParseColorText(L",20,30"), MakeColor(0, 20, 30));
    EXPECT_EQ(ParseColorText(L"10,20,30,40"), MakeColor(10, 20, 30));
}

TEST(ParseColorText, IsWhiteWithFewerThanTwoCommas) {
    const ColorValue white = MakeColor(255, 255, 255);
    EXPECT_EQ(ParseColorText(L"10,20"), white);
    EXPECT_EQ(ParseColorText(L"123"), white);
    EXPECT_EQ(ParseColorText(L""), white);
}

TEST(ParseColorText, ClampsAndRoundsComponents) {
    EXPECT_EQ(ParseColorText(L"300,0,0"), MakeColor(255, 0, 0));
    EXPECT_EQ(ParseColorText(L"10.5,11.5,0"), MakeColor(10, 12, 0));  // halves to even
    // A negative component (an unselected list written by the dialog) counts as 0.
    EXPECT_EQ(ParseColorText(L"-1,-1,-1"), MakeColor(0, 0, 0));
    EXPECT_EQ(ParseColorText(L"-1,128,7"), MakeColor(0, 128, 7));
}

TEST(ParseColorText, EveryComponentSaturates) {
    EXPECT_EQ(ParseColorText(L"32767,0,-32768"), MakeColor(255, 0, 0));
    EXPECT_EQ(ParseColorText(L"32768,-32769,65536"), MakeColor(255, 0, 255));
    EXPECT_EQ(ParseColorText(L"1e999,-1e999,0"), MakeColor(255, 0, 0));
    EXPECT_EQ(ParseColorText(L"0," + std::wstring(10000, L'7') + L",0"), MakeColor(0, 255, 0));
}

}  // namespace
}  // namespace globulon
