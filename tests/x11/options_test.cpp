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

TEST(Target, HostForms) {
    // XScreenSaver rewrites a trailing -root into --root; its settings preview adds
    // --window-id; the last of -root and -window wins.
    EXPECT_EQ(Parse({"-color", "0,255,0", "--root"}).Values.Where, Target::Root);
    EXPECT_EQ(Parse({"--window-id", "0x4400007"}).Values.WindowId, 0x4400007u);
    EXPECT_EQ(Parse({"--window-id=0x4400007"}).Values.WindowId, 0x4400007u);
    EXPECT_EQ(Parse({"-root", "-window"}).Values.Where, Target::OwnWindow);
    EXPECT_EQ(Parse({"--window", "-root"}).Values.Where, Target::Root);
}

TEST(Target, StandardHackOptionsAreTakenWithTheirValues) {
    const ParsedOptions parsed = Parse({"-fps", "--no-fps", "-delay", "20000", "-install",
                                        "-no-install", "-visual", "default", "--geometry=640x480",
                                        "-pair", "-mono", "-display", ":7", "-sync", "-root"});
    EXPECT_EQ(parsed.Error, "");
    EXPECT_EQ(parsed.Values.Where, Target::Root);  // -delay's value is not taken for an option
    EXPECT_EQ(parsed.Values.DisplayName, ":7");
    EXPECT_TRUE(parsed.Values.Synchronous);
}

// --- the pen -------------------------------------------------------------------------------

TEST(Pen, RandomByDefaultFixedWithColor) {
    EXPECT_TRUE(Parse({}).Values.RandomColors);
    const ParsedOptions parsed = Parse({"-color", "0,255,7"});
    EXPECT_FALSE(parsed.Values.RandomColors);
    EXPECT_EQ(parsed.Values.PenColor, MakeColor(0, 255, 7));
    EXPECT_TRUE(Parse({"-color", "1,2,3", "-random"}).Values.RandomColors);
}

TEST(Pen, NumbersAndSixHexDigitsAreReadHere) {
    const ParsedOptions cases[] = {Parse({"-color", "0,255,128"}), Parse({"-color", "#00ff80"}),
                                   Parse({"--color=#00FF80"})};
    for (const ParsedOptions& parsed : cases) {
        EXPECT_EQ(parsed.Values.PenColor, MakeColor(0, 255, 128));
        EXPECT_EQ(parsed.Values.PenColorName, "");
    }
}

TEST(Pen, NamesAndOtherFormsAreLeftToTheServer) {
    for (const char* name : {"green", "#0f0", "rgb:00/ff/00"}) {
        const ParsedOptions parsed = Parse({"--color", name});
        EXPECT_FALSE(parsed.Values.RandomColors) << name;
        EXPECT_EQ(parsed.Values.PenColorName, name);
    }
    EXPECT_EQ(Parse({"-color", "green", "-color", "1,2,3"}).Values.PenColorName, "");
    EXPECT_EQ(Parse({"-color", "green", "-random"}).Values.PenColorName, "");
    EXPECT_NE(Parse({"-color", "gre\nen"}).Error, "");
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
    // A newline in an argument must not break the message into two lines.
    const std::vector<std::vector<std::string_view>> mistakes = {
        {"-bogus"}, {"root"},       {"-color"}, {"-root", "-window-id"},
        {"--"},     {"-color", ""}, {"-fps=1"}, {"---root"},
        {"-delay"}, {"-bo\ngus"},   {"-\n=x"}};
    for (const std::vector<std::string_view>& bad : mistakes) {
        const std::string error = Parse(bad).Error;
        EXPECT_NE(error, "") << bad.front();
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
}

}  // namespace
}  // namespace globulon::x11
