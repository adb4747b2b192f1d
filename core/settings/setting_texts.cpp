// The settings' text readers; see setting_texts.h.
#include "core/settings/setting_texts.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/settings/leading_number.h"
#include "core/settings/rounding.h"
#include "core/settings/text_case.h"

namespace globulon {
namespace {

constexpr std::array<std::wstring_view, 8> kTrueWords = {L"on",      L"true", L"vero",    L"1",
                                                         L"enabled", L"si",   L"s\u00ec", L"yes"};
constexpr std::array<std::wstring_view, 6> kFalseWords = {L"off", L"false",    L"falso",
                                                          L"0",   L"disabled", L"no"};

bool Contains(const auto& words, std::wstring_view text) {
    return std::find(words.begin(), words.end(), text) != words.end();
}

int ColorComponent(std::wstring_view text) {
    return std::clamp<std::int32_t>(Rnd(LeadingNumber(text)), 0, 255);
}

}  // namespace

bool ParseBoolText(std::wstring_view text) {
    const std::wstring lower = LowerCaseText(text);
    if (Contains(kTrueWords, lower)) return true;
    if (Contains(kFalseWords, lower)) return false;
    return LeadingNumber(text) != 0;
}

ColorValue ParseColorText(std::wstring_view text) {
    const size_t c1 = text.find(L',');
    const size_t c2 = c1 == std::wstring_view::npos ? c1 : text.find(L',', c1 + 1);
    if (c2 == std::wstring_view::npos) return MakeColor(255, 255, 255);
    return MakeColor(ColorComponent(text.substr(0, c1)),
                     ColorComponent(text.substr(c1 + 1, c2 - c1 - 1)),
                     ColorComponent(text.substr(c2 + 1)));
}

SaverSettings ReadSaverSettings(const SettingTextReader& readSetting) {
    const std::wstring colorFixed = readSetting(ColorFixedKey);
    const std::wstring colorRandom = readSetting(ColorRandomKey);
    SaverSettings settings;
    settings.UseBlackScreen = ParseBoolText(readSetting(BlackScreenKey));
    settings.UseMouseMove = ParseBoolText(readSetting(MouseMoveKey));
    settings.UseRandomColors = ParseBoolText(colorRandom);
    settings.FixedColor = ParseColorText(colorFixed);
    return settings;
}

}  // namespace globulon
