// Readers that turn the texts of the stored settings into values. The texts were written by this
// program and its earlier versions, and may have been edited by hand, so any text is accepted.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/color_value.h"

namespace globulon {

// A stored setting: its key in section "Setting" and the text it reads as while missing.
struct SettingKey {
    std::wstring_view Name;
    std::wstring_view Default;
};
inline constexpr SettingKey ColorFixedKey = {L"ColorFixed", L""};
inline constexpr SettingKey ColorRandomKey = {L"ColorRandom", L"1"};
inline constexpr SettingKey BlackScreenKey = {L"BlackScreen", L"1"};
inline constexpr SettingKey MouseMoveKey = {L"MouseMove", L"0"};
// The handle of a running preview's window, "0" while none runs.
inline constexpr SettingKey ActiveSetupKey = {L"ActiveSetup", L"0"};

// "on", "true", "yes", "1", ... and their Italian forms read true; "off", "false", "0", ...
// false; any other text by its leading number.
bool ParseBoolText(std::wstring_view text);

// "red,green,blue". Fewer than two commas gives white. Every component saturates: any number
// above 255 counts as 255, any below 0 as 0.
ColorValue ParseColorText(std::wstring_view text);

// What the four stored settings make the saver draw. The settings dialog opens showing the same,
// so that OK in a dialog nobody touched stores a picture the saver draws alike.
struct SaverSettings {
    bool UseRandomColors = true;
    ColorValue FixedColor = MakeColor(255, 255, 255);  // the pen while UseRandomColors is false
    bool UseBlackScreen = true;
    bool UseMouseMove = false;
};

// Reads one stored setting: its text, or the key's default while it was never stored.
using SettingTextReader = std::function<std::wstring(const SettingKey& key)>;

// Reads "ColorFixed", "ColorRandom", "BlackScreen" and "MouseMove", in that order.
SaverSettings ReadSaverSettings(const SettingTextReader& readSetting);

}  // namespace globulon
