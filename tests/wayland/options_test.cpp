// The Wayland program's command line: the pen in both forms, help, and what it refuses.
#include "wayland/options.h"

#include <gtest/gtest.h>

namespace globulon::wayland {
namespace {

TEST(Pen, RandomByDefaultAndTheLastOfColorAndRandomCounts) {
    EXPECT_TRUE(ParseOptions({}).Values.RandomColors);
    const ParsedOptions fixed = ParseOptions({"-random", "--color", "0,255,0"});
    EXPECT_FALSE(fixed.Values.RandomColors);
    EXPECT_EQ(fixed.Values.PenColor, MakeColor(0, 255, 0));
    EXPECT_TRUE(ParseOptions({"-color=1,2,3", "--random"}).Values.RandomColors);
}

TEST(Pen, ThreeNumbersOrSixHexDigits) {
    EXPECT_EQ(ParsePenColor("255,0,128"), MakeColor(255, 0, 128));
    EXPECT_EQ(ParsePenColor("#00Ff80"), MakeColor(0, 255, 128));
    EXPECT_EQ(ParsePenColor("0,0,0"), MakeColor(0, 0, 0));
    for (const char* bad : {"256,0,0", "1,2", "1,2,3,4", "-1,2,3", " 1,2,3", "1,,3", "#12345",
                            "#1234567", "#12345g", "#+12345", "green", ""}) {
        EXPECT_EQ(ParsePenColor(bad), std::nullopt) << bad;
    }
}

TEST(CommandLine, HelpInEveryFormAndOneLineErrors) {
    for (const char* help : {"-help", "--help", "-h", "--h"}) {
        EXPECT_TRUE(ParseOptions({help}).Values.ShowHelp) << help;
    }
    const ParsedOptions cases[] = {ParseOptions({"-root"}), ParseOptions({"-color"}),
                                   ParseOptions({"-color", "green"}), ParseOptions({"-random=1"}),
                                   ParseOptions({"-color", "1,2,\n3"})};
    for (const ParsedOptions& parsed : cases) {
        EXPECT_FALSE(parsed.Error.empty());
        EXPECT_EQ(parsed.Error.find('\n'), std::string::npos) << parsed.Error;
    }
    EXPECT_NE(ParseOptions({"-root"}).Error.find("'-root'"), std::string::npos);
    EXPECT_FALSE(UsageText().empty());
}

}  // namespace
}  // namespace globulon::wayland
