// The settings dialog's state and handlers; see setup_logic.h.
#include "core/forms/setup_logic.h"

#include <string>
#include <utility>

#include "core/forms/split_color.h"

namespace globulon {
namespace {

std::wstring FlagText(bool value) {
    return value ? L"True" : L"False";
}

}  // namespace

SetupLogic::SetupLogic(SettingReader readSetting) : readSetting_(std::move(readSetting)) {}

void SetupLogic::LoadSettings() {
    // The saver's own reader: the dialog shows what the saver would draw, so that OK without a
    // change stores the same picture.
    const SaverSettings stored = ReadSaverSettings(
        [this](const SettingKey& key) { return readSetting_(key.Name, key.Default); });

    if (!stored.UseRandomColors) {
        SelectOption(ColorOption::Fixed);
        fixedColorStored_ = true;
        const std::array<std::uint8_t, 3> parts = SplitColor(stored.FixedColor);
        suppressListClick_ = true;
        SetListSelection(ColorList::Red, parts[0]);
        SetListSelection(ColorList::Green, parts[1]);
        // The last list is set with its handler active: it paints the swatch.
        suppressListClick_ = false;
        SetListSelection(ColorList::Blue, parts[2]);
    } else {
        SelectOption(ColorOption::Random);
        fixedColorStored_ = false;
    }

    controls_.BlackTicked = stored.UseBlackScreen;
    controls_.MouseTicked = stored.UseMouseMove;
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
