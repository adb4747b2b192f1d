// The X11 program's command line: where it draws, which pen, and what it refuses.
#include "x11/options.h"

#include <gtest/gtest.h>

namespace globulon::x11 {
namespace {

ParsedOptions Parse(std::vector<std::string_view> args, const char* environment = nullptr) {
    return ParseOptions(args, environment);
}

// --- where it draws ------------------------------------------------------------------------

TEST(Target, OwnWindowRootOrWindowIdInDecimalOrHex) {
    EXPECT_EQ(Parse({}).Values.Where, Target::OwnWindow);
    EXPECT_EQ(Parse({"-root"}, "").Values.Where, Target::Root);  // set but empty: not there
    const ParsedOptions decimal = Parse({"-window-id", "4194311"});
    EXPECT_EQ(decimal.Values.Where, Target::Window);
    EXPECT_EQ(decimal.Values.WindowId, 4194311u);
    EXPECT_EQ(Parse({"-window-id", "0XFFFFFFFF"}).Values.WindowId, 0xFFFFFFFFu);
}

TEST(Target, EnvironmentWindowBeatsRootAndLosesToTheOption) {
    const ParsedOptions fromHost = Parse({"-root"}, "0x600001");
    EXPECT_EQ(fromHost.Values.Where, Target::Window);
    EXPECT_EQ(fromHost.Values.WindowId, 0x600001u);
    EXPECT_EQ(Parse({"-window-id", "77"}, "123").Values.WindowId, 77u);
}

// --- the pen -------------------------------------------------------------------------------

TEST(Pen, RandomByDefaultFixedWithColor) {
    EXPECT_TRUE(Parse({}).Values.RandomColors);
    const ParsedOptions parsed = Parse({"-color", "0,255,7"});
    EXPECT_FALSE(parsed.Values.RandomColors);
    EXPECT_EQ(parsed.Values.PenColor, MakeColor(0, 255, 7));
    EXPECT_TRUE(Parse({"-color", "1,2,3", "-random"}).Values.RandomColors);
}

// --- mistakes ------------------------------------------------------------------------------

TEST(CommandLine, MistakesGiveOneLine) {
    for (const char* bad : {"", "0", "0x0", "12a", "-5", " 5", "0x1FFFFFFFF", "4294967296"}) {
        EXPECT_NE(Parse({"-window-id", bad}).Error, "") << bad;
    }
    for (const char* bad : {"1,2", "1,2,3,4", "256,0,0", "0,-1,0", "1, 2,3", "a,b,c", "1.5,2,3"}) {
        EXPECT_NE(Parse({"-color", bad}).Error, "") << bad;
    }
    EXPECT_NE(Parse({}, "window").Error, "");
    for (const std::vector<std::string_view>& bad : std::vector<std::vector<std::string_view>>{
             {"-bogus"}, {"root"}, {"-color"}, {"-root", "-window-id"}}) {
        const std::string error = Parse(bad).Error;
        EXPECT_NE(error, "") << bad.front();
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace globulon::x11
