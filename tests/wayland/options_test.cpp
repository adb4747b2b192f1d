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

// The forms themselves are the core's reader's (option_values_test); without X, no names.
TEST(Pen, NoColourNamesWithoutX) {
    for (const char* bad : {"green", "#0f0"}) {
        EXPECT_NE(ParseOptions({"-color", bad}).Error.find("R,G,B"), std::string::npos) << bad;
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
