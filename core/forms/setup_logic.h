// What the settings dialog shows and does, without any window: the state of its controls, the
// handlers of its events and the settings it loads and saves. The window layer only passes user
// events in and copies the state out into the real controls.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/settings/setting_texts.h"

namespace globulon {

inline constexpr ColorValue SwatchWhite = MakeColor(255, 255, 255);
inline constexpr ColorValue ListWhite = MakeColor(255, 255, 255);
inline constexpr ColorValue ListGrey = MakeColor(192, 192, 192);

// The three colour lists, in the order the handlers walk them.
enum class ColorList { Red = 0, Green = 1, Blue = 2 };
inline constexpr std::array<ColorList, 3> AllColorLists = {ColorList::Red, ColorList::Green,
                                                           ColorList::Blue};

// The option group: "Random &Colors" (optRandom) or "&Only one color" (optFisso).
enum class ColorOption { Random, Fixed };

// One drop-down list: its selected entry (the colour component, -1 for none), whether it takes
// input, and its background colour.
struct ColorListState {
    int Selected = -1;
    bool Enabled = true;
    ColorValue Background = ListWhite;
};

// Everything the dialog's controls show. The initial values are the dialog's look before the
// settings are loaded.
struct SetupControls {
    std::array<ColorListState, 3> Lists;
    ColorOption Option = ColorOption::Fixed;
    bool BlackTicked = true;   // chkBlack, "&Delete Screen"
    bool MouseTicked = false;  // chkMouse, "&Mouse sensitivity"
    ColorValue SwatchColor = SwatchWhite;
    bool SwatchHandCursor = false;  // once given, the swatch keeps the hand pointer

    ColorListState& List(ColorList list) { return Lists[static_cast<int>(list)]; }
    const ColorListState& List(ColorList list) const { return Lists[static_cast<int>(list)]; }
};

// Reads one stored setting: its text, or defaultValue when it was never stored.
using SettingReader =
    std::function<std::wstring(std::wstring_view key, std::wstring_view defaultValue)>;

// Shows the colour picker starting on the given colour; the chosen colour, or -1 when cancelled.
using ColorPicker = std::function<std::int32_t(ColorValue initialColor)>;

// One setting that OK stores.
struct SettingWrite {
    std::wstring Key;
    std::wstring Value;
    bool operator==(const SettingWrite&) const = default;
};

class SetupLogic {
  public:
    explicit SetupLogic(SettingReader readSetting);

    const SetupControls& Controls() const { return controls_; }
    // The last LoadSettings found one fixed colour stored: choosing "&Only one color" then brings
    // the stored settings back instead of starting from black.
    bool FixedColorStored() const { return fixedColorStored_; }
    // While set, the lists' click handlers do nothing (the program is changing the lists).
    bool SuppressListClick() const { return suppressListClick_; }

    // Reads the four settings into the controls (the form's load handler runs it).
    void LoadSettings();

    // User events. A list or option chosen by the user behaves as one set by the program.
    void SelectListEntry(ColorList list, int index);
    void SelectOption(ColorOption option);
    void SetBlackTicked(bool ticked) { controls_.BlackTicked = ticked; }
    void SetMouseTicked(bool ticked) { controls_.MouseTicked = ticked; }

    // Handlers of the three lists: one rule, whichever list fired.
    void cboRed_Click() { UpdateSwatch(); }
    void cboGreen_Click() { UpdateSwatch(); }
    void cboBlue_Click() { UpdateSwatch(); }
    void optFisso_Click();
    void optRandom_Click();
    // The swatch was clicked: in fixed-colour mode the picker runs and its choice goes into the
    // lists. The picker is not called in random mode.
    void lblColor_Click(const ColorPicker& showColorDialog);
    // The mouse moved over the swatch: in fixed-colour mode it gets the hand pointer.
    void lblColor_MouseMove();
    // The four settings OK stores, in the order they are written.
    std::array<SettingWrite, 4> cmdOK_Click() const;

    void UpdateSwatch();

  private:
    // The platform's event rules, which the handlers rely on: a list set by the program runs
    // its click handler; an option selected by the program runs its handler only when it was
    // not selected already.
    void SetListSelection(ColorList list, int index);
    void RunListClick(ColorList list);
    // The colour of the three selections; a list without selection counts as entry 0.
    ColorValue SelectedColor() const;

    SettingReader readSetting_;
    SetupControls controls_;
    bool fixedColorStored_ = false;
    bool suppressListClick_ = false;
};

}  // namespace globulon
