// The X11 program's command line: where it draws, which pen, and what it refuses.
#include "x11/options.h"

#include <gtest/gtest.h>

namespace globulon::x11 {
namespace {

ParsedOptions Parse(std::vector<std::string_view> args, const char* environment = nullptr) {
    return ParseOptions(args, environment);
}

// --- where it draws ------------------------------------------------------------------------

TEST(Target, OwnWindowWithoutOptionsOrEnvironment) {
    const ParsedOptions parsed = Parse({});
    EXPECT_EQ(parsed.Error, "");
    EXPECT_EQ(parsed.Values.Where, Target::OwnWindow);
}

TEST(Target, RootOption) {
    EXPECT_EQ(Parse({"-root"}).Values.Where, Target::Root);
    EXPECT_EQ(Parse({"-root"}, "").Values.Where, Target::Root);  // set but empty: not there
}

TEST(Target, WindowIdInDecimalOrHex) {
    const ParsedOptions decimal = Parse({"-window-id", "4194311"});
    EXPECT_EQ(decimal.Values.Where, Target::Window);
    EXPECT_EQ(decimal.Values.WindowId, 4194311u);
    EXPECT_EQ(Parse({"-window-id", "0x400007"}).Values.WindowId, 0x400007u);
    EXPECT_EQ(Parse({"-window-id", "0XFFFFFFFF"}).Values.WindowId, 0xFFFFFFFFu);
}

TEST(Target, EnvironmentWindowBeatsRootAndLosesToTheOption) {
    const ParsedOptions fromHost = Parse({"-root"}, "0x600001");
    EXPECT_EQ(fromHost.Values.Where, Target::Window);
    EXPECT_EQ(fromHost.Values.WindowId, 0x600001u);
    EXPECT_EQ(Parse({}, "123").Values.WindowId, 123u);
    EXPECT_EQ(Parse({"-window-id", "77"}, "123").Values.WindowId, 77u);
}

TEST(Target, BadWindowIdsAreRefused) {
    for (const char* bad :
         {"", "0", "0x", "0x0", "12a", "-5", "+5", " 5", "0x1FFFFFFFF", "4294967296", "0x0x5"}) {
        EXPECT_FALSE(ParseWindowId(bad).has_value()) << bad;
        EXPECT_NE(Parse({"-window-id", bad}).Error, "") << bad;
    }
    EXPECT_NE(Parse({}, "window").Error, "");
}

// --- the pen -------------------------------------------------------------------------------

TEST(Pen, RandomByDefaultAndOnRequest) {
    EXPECT_TRUE(Parse({}).Values.RandomColors);
    EXPECT_TRUE(Parse({"-color", "1,2,3", "-random"}).Values.RandomColors);
}

TEST(Pen, ColorGivesAFixedPen) {
    const ParsedOptions parsed = Parse({"-color", "0,255,7"});
    EXPECT_EQ(parsed.Error, "");
    EXPECT_FALSE(parsed.Values.RandomColors);
    EXPECT_EQ(parsed.Values.PenColor, MakeColor(0, 255, 7));
    EXPECT_EQ(ParseColorOption("255,255,255"), MakeColor(255, 255, 255));
}

TEST(Pen, ColorIsStrict) {
    for (const char* bad : {"", "1,2", "1,2,3,", "1,2,3,4", "256,0,0", "0,-1,0", "1, 2,3", "1,,3",
                            "a,b,c", "0x10,0,0", "1.5,2,3"}) {
        EXPECT_FALSE(ParseColorOption(bad).has_value()) << bad;
        EXPECT_NE(Parse({"-color", bad}).Error, "") << bad;
    }
}

// --- help and mistakes ---------------------------------------------------------------------

TEST(CommandLine, HelpIsShownOnRequest) {
    EXPECT_TRUE(Parse({"--help"}).Values.ShowHelp);
    EXPECT_FALSE(Parse({"-root"}).Values.ShowHelp);
    EXPECT_NE(UsageText().find("-window-id"), std::string_view::npos);
}

TEST(CommandLine, MistakesGiveOneLine) {
    for (const std::vector<std::string_view>& bad : std::vector<std::vector<std::string_view>>{
             {"-bogus"}, {"root"}, {"-color"}, {"-root", "-window-id"}}) {
        const std::string error = Parse(bad).Error;
        EXPECT_NE(error, "") << bad.front();
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace globulon::x11
