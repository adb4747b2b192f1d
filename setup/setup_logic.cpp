// The settings dialog's state and handlers; see setup_logic.h.
#include "setup/setup_logic.h"

#include <optional>
#include <string>
#include <utility>

#include "base/leading_number.h"
#include "base/rounding.h"
#include "setup/split_color.h"

namespace globulon {
namespace {

// A stored colour component as a list selection: -1 (none) to 255. No value for anything else,
// so that the list concerned keeps the selection it has.
std::optional<int> StoredComponent(std::wstring_view text) {
    const std::optional<std::int16_t> value = RoundToInteger<std::int16_t>(LeadingNumber(text));
    if (!value || *value < -1 || *value > 255) return std::nullopt;
    return *value;
}

std::wstring FlagText(bool value) {
    return value ? L"True" : L"False";
}

}  // namespace

SetupLogic::SetupLogic(SettingReader readSetting) : readSetting_(std::move(readSetting)) {}

void SetupLogic::LoadSettings() {
    const std::wstring colorFixed = readSetting_(ColorFixedKey.Name, ColorFixedKey.Default);
    const std::wstring colorRandom = readSetting_(ColorRandomKey.Name, ColorRandomKey.Default);
    const bool black = ParseBoolText(readSetting_(BlackScreenKey.Name, BlackScreenKey.Default));
    const bool mouse = ParseBoolText(readSetting_(MouseMoveKey.Name, MouseMoveKey.Default));

    if (!ParseBoolText(colorRandom)) {
        SelectOption(ColorOption::Fixed);
        fixedColorStored_ = true;
        suppressListClick_ = true;
        const size_t p1 = colorFixed.find(L',');
        const size_t p2 = p1 == std::wstring::npos ? p1 : colorFixed.find(L',', p1 + 1);
        if (p2 != std::wstring::npos) {
            const std::wstring_view text = colorFixed;
            const std::optional<int> red = StoredComponent(text.substr(0, p1));
            const std::optional<int> green = StoredComponent(text.substr(p1 + 1, p2 - p1 - 1));
            const std::optional<int> blue = StoredComponent(text.substr(p2 + 1));
            if (red) SetListSelection(ColorList::Red, *red);
            if (green) SetListSelection(ColorList::Green, *green);
            // The last list is set with its handler active: it paints the swatch.
            suppressListClick_ = false;
            if (blue) SetListSelection(ColorList::Blue, *blue);
        } else {
            suppressListClick_ = false;
        }
    } else {
        // A colour text that reads true (a leading non-zero number) leaves the option group as
        // it is, so the dialog keeps its design-time "&Only one color".
        if (!ParseBoolText(colorFixed)) SelectOption(ColorOption::Random);
        fixedColorStored_ = false;
    }

    controls_.BlackTicked = black;
    controls_.MouseTicked = mouse;
}

void SetupLogic::SelectListEntry(ColorList list, int index) {
    if (index < -1 || index > 255) return;  // the lists hold entries 0 to 255 only
    SetListSelection(list, index);
}

void SetupLogic::SelectOption(ColorOption option) {
    if (controls_.Option == option) return;
    controls_.Option = option;
    if (option == ColorOption::Fixed) {
        optFisso_Click();
    } else {
        optRandom_Click();
    }
}

void SetupLogic::optFisso_Click() {
    if (fixedColorStored_) {
        LoadSettings();
    } else {
        suppressListClick_ = true;
        for (ColorList list : AllColorLists) SetListSelection(list, 0);
        suppressListClick_ = false;
        controls_.SwatchColor = MakeColor(0, 0, 0);
    }
    for (ColorList list : AllColorLists) {
        controls_.List(list).Enabled = true;
        controls_.List(list).Background = ListWhite;
    }
}

void SetupLogic::optRandom_Click() {
    suppressListClick_ = true;
    for (ColorList list : AllColorLists) {
        SetListSelection(list, -1);
        controls_.List(list).Background = ListGrey;
        controls_.List(list).Enabled = false;
    }
    suppressListClick_ = false;
    controls_.SwatchColor = SwatchWhite;
}

void SetupLogic::lblColor_Click(const ColorPicker& showColorDialog) {
    if (controls_.Option == ColorOption::Random) return;
    const std::int32_t chosen = showColorDialog(SelectedColor());
    if (chosen == -1) return;
    const std::array<std::uint8_t, 3> parts = SplitColor(static_cast<ColorValue>(chosen));
    SetListSelection(ColorList::Red, parts[0]);
    SetListSelection(ColorList::Green, parts[1]);
    SetListSelection(ColorList::Blue, parts[2]);
}

void SetupLogic::lblColor_MouseMove() {
    if (controls_.Option == ColorOption::Fixed) controls_.SwatchHandCursor = true;
}

std::array<SettingWrite, 4> SetupLogic::cmdOK_Click() const {
    std::array<SettingWrite, 4> writes;
    if (controls_.Option == ColorOption::Fixed) {
        // A list without selection is written as 0, the colour the swatch shows for it; a
        // stored -1 would read back as black on the black screen.
        std::wstring fixed;
        for (ColorList list : AllColorLists) {
            if (!fixed.empty()) fixed += L',';
            const int selected = controls_.List(list).Selected;
            fixed += std::to_wstring(selected < 0 ? 0 : selected);
        }
        writes[0] = {std::wstring(ColorFixedKey.Name), fixed};
        writes[1] = {std::wstring(ColorRandomKey.Name), L"0"};
    } else {
        writes[0] = {std::wstring(ColorFixedKey.Name), L""};
        writes[1] = {std::wstring(ColorRandomKey.Name), L"1"};
    }
    writes[2] = {std::wstring(BlackScreenKey.Name), FlagText(controls_.BlackTicked)};
    writes[3] = {std::wstring(MouseMoveKey.Name), FlagText(controls_.MouseTicked)};
    return writes;
}

void SetupLogic::UpdateSwatch() {
    if (suppressListClick_) return;
    // Selecting entry 0 runs that list's handler again; each nested run finds one list fewer
    // without a selection, so the nesting ends.
    for (ColorList list : AllColorLists) {
        if (controls_.List(list).Selected == -1) SetListSelection(list, 0);
    }
    controls_.SwatchColor = SelectedColor();
}

void SetupLogic::SetListSelection(ColorList list, int index) {
    controls_.List(list).Selected = index;
    RunListClick(list);
}

void SetupLogic::RunListClick(ColorList list) {
    switch (list) {
        case ColorList::Red:
            cboRed_Click();
            break;
        case ColorList::Green:
            cboGreen_Click();
            break;
        case ColorList::Blue:
            cboBlue_Click();
            break;
    }
}

ColorValue SetupLogic::SelectedColor() const {
    auto component = [this](ColorList list) {
        const int selected = controls_.List(list).Selected;
        return selected < 0 ? 0 : selected;
    };
    return MakeColor(component(ColorList::Red), component(ColorList::Green),
                     component(ColorList::Blue));
}

}  // namespace globulon
