// The settings dialog's state and handlers, driven as the user and the stored settings drive
// them, without any window.
#include "core/forms/setup_logic.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace globulon {
namespace {

constexpr ColorValue Black = MakeColor(0, 0, 0);

class SetupDialog : public ::testing::Test {
  protected:
    SetupLogic logic{[this](std::wstring_view key, std::wstring_view defaultValue) {
        reads.emplace_back(key);
        const auto found = stored.find(std::wstring(key));
        return found == stored.end() ? std::wstring(defaultValue) : found->second;
    }};
    std::map<std::wstring, std::wstring> stored;
    std::vector<std::wstring> reads;

    const SetupControls& Shown() const { return logic.Controls(); }
    int Selected(ColorList list) const { return Shown().List(list).Selected; }
    void ExpectLists(int red, int green, int blue) const {
        EXPECT_EQ(Selected(ColorList::Red), red);
        EXPECT_EQ(Selected(ColorList::Green), green);
        EXPECT_EQ(Selected(ColorList::Blue), blue);
    }
    void ExpectRandomState() const {
        EXPECT_EQ(Shown().Option, ColorOption::Random);
        for (const ColorListState& list : Shown().Lists) {
            EXPECT_EQ(list.Selected, -1);
            EXPECT_FALSE(list.Enabled);
            EXPECT_EQ(list.Background, ListGrey);
        }
        EXPECT_EQ(Shown().SwatchColor, SwatchWhite);
    }
    void ExpectListsEnabledWhite() const {
        for (const ColorListState& list : Shown().Lists) {
            EXPECT_TRUE(list.Enabled);
            EXPECT_EQ(list.Background, ListWhite);
        }
    }
    void StoreFixed(const std::wstring& color) {
        stored[L"ColorRandom"] = L"0";
        stored[L"ColorFixed"] = color;
    }
};

// --- loading the stored settings -------------------------------------------------------------

TEST_F(SetupDialog, BeforeLoadingShowsTheDesignTimeState) {
    EXPECT_EQ(Shown().Option, ColorOption::Fixed);
    ExpectLists(-1, -1, -1);
    EXPECT_TRUE(Shown().BlackTicked);
    EXPECT_FALSE(Shown().MouseTicked);
    EXPECT_EQ(Shown().SwatchColor, SwatchWhite);
    EXPECT_FALSE(logic.FixedColorStored());
    EXPECT_FALSE(logic.SuppressListClick());
}

TEST_F(SetupDialog, FirstRunOpensInRandomStateWithDeleteScreenTicked) {
    logic.LoadSettings();
    ExpectRandomState();
    EXPECT_TRUE(Shown().BlackTicked);
    EXPECT_FALSE(Shown().MouseTicked);
    EXPECT_FALSE(logic.FixedColorStored());
    EXPECT_EQ(reads, (std::vector<std::wstring>{L"ColorFixed", L"ColorRandom", L"BlackScreen",
                                                L"MouseMove"}));
}

TEST_F(SetupDialog, StoredFixedColorFillsListsAndSwatch) {
    StoreFixed(L"10,20,30");
    logic.LoadSettings();
    EXPECT_EQ(Shown().Option, ColorOption::Fixed);
    ExpectLists(10, 20, 30);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(10, 20, 30));
    EXPECT_TRUE(logic.FixedColorStored());
    EXPECT_FALSE(logic.SuppressListClick());
    // The design-time option was already selected: its handler did not run.
    for (const ColorListState& list : Shown().Lists) EXPECT_TRUE(list.Enabled);
}

TEST_F(SetupDialog, StoredComponentsAreReadByTheLeadingNumberRule) {
    StoreFixed(L" 10 , 20.5 ,21.5,99");  // blanks ignored, halves to even, a 3rd comma ends blue
    logic.LoadSettings();
    ExpectLists(10, 20, 22);
}

TEST_F(SetupDialog, StoredChecksAreReadAsBooleanTexts) {
    stored[L"BlackScreen"] = L"False";
    stored[L"MouseMove"] = L"True";
    logic.LoadSettings();
    EXPECT_FALSE(Shown().BlackTicked);
    EXPECT_TRUE(Shown().MouseTicked);
    stored[L"BlackScreen"] = L"Vero";
    stored[L"MouseMove"] = L"off";
    logic.LoadSettings();
    EXPECT_TRUE(Shown().BlackTicked);
    EXPECT_FALSE(Shown().MouseTicked);
}

TEST_F(SetupDialog, FixedColorWithoutTwoCommasShowsTheWhiteTheSaverDraws) {
    for (const wchar_t* text : {L"12", L"", L"12,34"}) {
        StoreFixed(text);
        logic.LoadSettings();
        EXPECT_EQ(Shown().Option, ColorOption::Fixed);
        ExpectLists(255, 255, 255);
        EXPECT_EQ(Shown().SwatchColor, SwatchWhite) << text;
        EXPECT_TRUE(logic.FixedColorStored());
        EXPECT_FALSE(logic.SuppressListClick());
    }
}

TEST_F(SetupDialog, ChoosingOneListThenSelectsZeroInTheOthers) {
    // Before loading, the lists have no selection.
    logic.SelectListEntry(ColorList::Red, 200);
    ExpectLists(200, 0, 0);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(200, 0, 0));
}

TEST_F(SetupDialog, RandomModeOpensRandomWhateverTheColourText) {
    stored[L"ColorRandom"] = L"1";
    stored[L"ColorFixed"] = L"12,34,56";  // reads true, but the saver draws random colours
    logic.LoadSettings();
    ExpectRandomState();
    EXPECT_FALSE(logic.FixedColorStored());
}

// --- components out of range ------------------------------------------------------------------

TEST_F(SetupDialog, ComponentsOutOfRangeSaturateAsTheSaverDraws) {
    StoreFixed(L"300,20,30");
    logic.LoadSettings();
    ExpectLists(255, 20, 30);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(255, 20, 30));
    StoreFixed(L"7,-2,40000");
    logic.LoadSettings();
    ExpectLists(7, 0, 255);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(7, 0, 255));
}

TEST_F(SetupDialog, MinusOneIsAValidSelectionAndEndsAsZero) {
    StoreFixed(L"-1,-1,-1");
    logic.LoadSettings();
    ExpectLists(0, 0, 0);
    EXPECT_EQ(Shown().SwatchColor, Black);
}

TEST_F(SetupDialog, BoundaryComponentsRoundThenSaturate) {
    StoreFixed(L"0,255,255.4");
    logic.LoadSettings();
    ExpectLists(0, 255, 255);
    StoreFixed(L"256,255.5,-1.5");
    logic.LoadSettings();
    ExpectLists(255, 255, 0);
}

// --- the option group -------------------------------------------------------------------------

TEST_F(SetupDialog, RandomThenFixedWithAStoredColourRestoresColourAndChecks) {
    StoreFixed(L"255,128,0");
    stored[L"BlackScreen"] = L"False";
    logic.LoadSettings();
    logic.SetBlackTicked(true);
    logic.SetMouseTicked(true);
    logic.SelectOption(ColorOption::Random);
    ExpectRandomState();
    logic.SelectOption(ColorOption::Fixed);
    ExpectLists(255, 128, 0);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(255, 128, 0));
    ExpectListsEnabledWhite();
    EXPECT_FALSE(Shown().BlackTicked);
    EXPECT_FALSE(Shown().MouseTicked);
}

TEST_F(SetupDialog, FixedFromStoredRandomGivesBlackWithAllListsOnZero) {
    logic.LoadSettings();
    logic.SelectOption(ColorOption::Fixed);
    EXPECT_EQ(Shown().Option, ColorOption::Fixed);
    ExpectLists(0, 0, 0);
    EXPECT_EQ(Shown().SwatchColor, Black);
    ExpectListsEnabledWhite();
    logic.SelectOption(ColorOption::Random);
    ExpectRandomState();
    logic.SelectOption(ColorOption::Fixed);
    ExpectLists(0, 0, 0);
    EXPECT_EQ(Shown().SwatchColor, Black);
}

TEST_F(SetupDialog, SelectingTheSelectedOptionRunsNoHandler) {
    StoreFixed(L"1,2,3");
    logic.LoadSettings();
    logic.SelectListEntry(ColorList::Red, 50);
    stored[L"ColorFixed"] = L"9,9,9";
    logic.SelectOption(ColorOption::Fixed);  // already selected: no reload
    ExpectLists(50, 2, 3);

    logic.SelectOption(ColorOption::Random);
    logic.SelectListEntry(ColorList::Green, 9);
    logic.SelectOption(ColorOption::Random);  // already selected: the lists are not cleared
    ExpectLists(0, 9, 0);
}

TEST_F(SetupDialog, ListsChosenInRandomStateStillPaint) {
    // The lists are disabled then; a selection forced in anyway behaves like any other.
    logic.LoadSettings();
    logic.SelectListEntry(ColorList::Green, 9);
    ExpectLists(0, 9, 0);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(0, 9, 0));
}

TEST_F(SetupDialog, SelectionsOutsideTheListsAreIgnored) {
    StoreFixed(L"1,2,3");
    logic.LoadSettings();
    logic.SelectListEntry(ColorList::Red, 256);
    logic.SelectListEntry(ColorList::Green, -2);
    ExpectLists(1, 2, 3);
}

// --- the swatch and the colour picker ---------------------------------------------------------

TEST_F(SetupDialog, SwatchClickPutsThePickedColourIntoTheLists) {
    StoreFixed(L"10,20,30");
    logic.LoadSettings();
    ColorValue offered = 0;
    logic.lblColor_Click([&](ColorValue initial) {
        offered = initial;
        return static_cast<std::int32_t>(MakeColor(1, 128, 255));
    });
    EXPECT_EQ(offered, MakeColor(10, 20, 30));
    ExpectLists(1, 128, 255);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(1, 128, 255));
}

TEST_F(SetupDialog, CancelledPickerChangesNothing) {
    StoreFixed(L"10,20,30");
    logic.LoadSettings();
    logic.lblColor_Click([](ColorValue) { return -1; });
    ExpectLists(10, 20, 30);
    EXPECT_EQ(Shown().SwatchColor, MakeColor(10, 20, 30));
}

TEST_F(SetupDialog, SwatchClickInRandomStateDoesNothing) {
    logic.LoadSettings();
    bool called = false;
    logic.lblColor_Click([&](ColorValue) {
        called = true;
        return 0;
    });
    EXPECT_FALSE(called);
    ExpectRandomState();
}

TEST_F(SetupDialog, PickerStartsOnZeroForListsWithoutSelection) {
    ColorValue offered = 1;
    logic.lblColor_Click([&](ColorValue initial) {
        offered = initial;
        return -1;
    });
    EXPECT_EQ(offered, Black);
}

TEST_F(SetupDialog, HandPointerOnlyInFixedStateAndThenForGood) {
    logic.LoadSettings();
    logic.lblColor_MouseMove();
    EXPECT_FALSE(Shown().SwatchHandCursor);
    logic.SelectOption(ColorOption::Fixed);
    logic.lblColor_MouseMove();
    EXPECT_TRUE(Shown().SwatchHandCursor);
    logic.SelectOption(ColorOption::Random);
    EXPECT_TRUE(Shown().SwatchHandCursor);
}

// --- OK ---------------------------------------------------------------------------------------

TEST_F(SetupDialog, OkInFixedStateWritesTheColourAndChecksInOrder) {
    StoreFixed(L"255,128,0");
    stored[L"MouseMove"] = L"1";
    logic.LoadSettings();
    EXPECT_EQ(logic.cmdOK_Click(), (std::array<SettingWrite, 4>{{{L"ColorFixed", L"255,128,0"},
                                                                 {L"ColorRandom", L"0"},
                                                                 {L"BlackScreen", L"True"},
                                                                 {L"MouseMove", L"True"}}}));
}

TEST_F(SetupDialog, OkInRandomStateWritesEmptyColour) {
    logic.LoadSettings();
    logic.SetBlackTicked(false);
    EXPECT_EQ(logic.cmdOK_Click(), (std::array<SettingWrite, 4>{{{L"ColorFixed", L""},
                                                                 {L"ColorRandom", L"1"},
                                                                 {L"BlackScreen", L"False"},
                                                                 {L"MouseMove", L"False"}}}));
}

TEST_F(SetupDialog, OkWithListsWithoutSelectionWritesZeroNotMinusOne) {
    // Before loading: "&Only one color", lists without selection.
    EXPECT_EQ(logic.cmdOK_Click()[0], (SettingWrite{L"ColorFixed", L"0,0,0"}));
    EXPECT_EQ(logic.cmdOK_Click()[1], (SettingWrite{L"ColorRandom", L"0"}));
}

TEST_F(SetupDialog, OkInAnUntouchedDialogKeepsWhatTheSaverDraws) {
    const auto saverReads = [](const std::map<std::wstring, std::wstring>& texts) {
        return ReadSaverSettings([&texts](const SettingKey& key) {
            const auto found = texts.find(std::wstring(key.Name));
            return found == texts.end() ? std::wstring(key.Default) : found->second;
        });
    };
    const struct {
        const wchar_t* random;
        const wchar_t* fixed;
    } hostile[] = {{L"", L""},          {L"abc", L"12"},     {L"0", L"12,34"},
                   {L"0", L"x,y,z"},    {L"1", L"12,34,56"}, {L"0", L"300,-5,40000"},
                   {L"no", L"1e999,,"}, {L"0", L"-1,-1,-1"}};
    for (const auto& c : hostile) {
        stored = {{L"ColorRandom", c.random}, {L"ColorFixed", c.fixed}};
        SetupLogic untouched([this](std::wstring_view key, std::wstring_view defaultValue) {
            const auto found = stored.find(std::wstring(key));
            return found == stored.end() ? std::wstring(defaultValue) : found->second;
        });
        untouched.LoadSettings();
        std::map<std::wstring, std::wstring> written;
        for (const SettingWrite& write : untouched.cmdOK_Click()) written[write.Key] = write.Value;
        const SaverSettings before = saverReads(stored);
        const SaverSettings after = saverReads(written);
        EXPECT_EQ(after.UseRandomColors, before.UseRandomColors) << c.random << " " << c.fixed;
        if (!before.UseRandomColors) {
            EXPECT_EQ(after.FixedColor, before.FixedColor) << c.random << " " << c.fixed;
        }
    }
}

TEST_F(SetupDialog, WrittenSettingsLoadBackToTheSameDialog) {
    StoreFixed(L"3,0,255");
    stored[L"BlackScreen"] = L"0";
    logic.LoadSettings();
    for (const SettingWrite& write : logic.cmdOK_Click()) stored[write.Key] = write.Value;
    SetupLogic again([this](std::wstring_view key, std::wstring_view defaultValue) {
        const auto found = stored.find(std::wstring(key));
        return found == stored.end() ? std::wstring(defaultValue) : found->second;
    });
    again.LoadSettings();
    EXPECT_EQ(again.Controls().SwatchColor, MakeColor(3, 0, 255));
    EXPECT_FALSE(again.Controls().BlackTicked);
    EXPECT_EQ(again.Controls().Option, ColorOption::Fixed);
}

}  // namespace
}  // namespace globulon
