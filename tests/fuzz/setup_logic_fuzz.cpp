// Fuzzes the settings dialog's logic: stored texts from the input, then a sequence of user
// events; what OK stores must read back as what the dialog showed.
#include <fuzzer/FuzzedDataProvider.h>

#include <map>

#include "core/forms/setup_logic.h"
#include "tests/fuzz/fuzz_input.h"

using namespace globulon;

namespace {

using StoredTexts = std::map<std::wstring, std::wstring, std::less<>>;

SettingReader ReaderOf(const StoredTexts& stored) {
    return [&stored](std::wstring_view key, std::wstring_view defaultValue) {
        const auto found = stored.find(key);
        return found == stored.end() ? std::wstring(defaultValue) : found->second;
    };
}

void CheckControls(const SetupControls& controls) {
    for (const ColorListState& list : controls.Lists) {
        fuzz::Require(list.Selected >= -1 && list.Selected <= 255, "a list entry or none");
    }
    fuzz::Require(controls.SwatchColor <= SwatchWhite, "the swatch shows a colour");
}

void ApplyEvent(SetupLogic& logic, FuzzedDataProvider& input) {
    const auto list = static_cast<ColorList>(input.ConsumeIntegralInRange(0, 2));
    switch (input.ConsumeIntegralInRange(0, 10)) {
        case 0:
            logic.SelectListEntry(list, input.ConsumeIntegralInRange(-3, 258));
            break;
        case 1:
            logic.SelectOption(input.ConsumeBool() ? ColorOption::Fixed : ColorOption::Random);
            break;
        case 2:
            logic.SetBlackTicked(input.ConsumeBool());
            break;
        case 3:
            logic.SetMouseTicked(input.ConsumeBool());
            break;
        case 4:
            logic.optFisso_Click();
            break;
        case 5:
            logic.optRandom_Click();
            break;
        case 6: {
            const auto chosen = input.ConsumeIntegral<std::int32_t>();
            logic.lblColor_Click([chosen](ColorValue) { return chosen; });
            break;
        }
        case 7:
            logic.lblColor_MouseMove();
            break;
        case 8:
            logic.UpdateSwatch();
            break;
        case 9:
            logic.LoadSettings();
            break;
        default:
            logic.cboRed_Click();
            break;
    }
}

// A fresh dialog loading what OK stored shows the same option, ticks and (fixed) colour.
void CheckStoredSettingsReadBack(const SetupLogic& logic) {
    StoredTexts stored;
    for (const SettingWrite& write : logic.cmdOK_Click()) stored[write.Key] = write.Value;
    SetupLogic reloaded(ReaderOf(stored));
    reloaded.LoadSettings();
    const SetupControls& shown = logic.Controls();
    const SetupControls& back = reloaded.Controls();
    fuzz::Require(back.Option == shown.Option, "the option reads back");
    fuzz::Require(back.BlackTicked == shown.BlackTicked, "the screen tick reads back");
    fuzz::Require(back.MouseTicked == shown.MouseTicked, "the mouse tick reads back");
    if (shown.Option != ColorOption::Fixed) return;
    for (ColorList list : AllColorLists) {
        const int selected = shown.List(list).Selected;
        fuzz::Require(back.List(list).Selected == (selected < 0 ? 0 : selected),
                      "the fixed colour reads back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    StoredTexts stored;
    for (const SettingKey& key : {ColorFixedKey, ColorRandomKey, BlackScreenKey, MouseMoveKey}) {
        if (input.ConsumeBool()) stored[std::wstring(key.Name)] = fuzz::ConsumeWideText(input, 40);
    }
    SetupLogic logic(ReaderOf(stored));
    logic.LoadSettings();
    CheckControls(logic.Controls());
    for (int event = 0; event < 64 && input.remaining_bytes() > 0; ++event) {
        ApplyEvent(logic, input);
        CheckControls(logic.Controls());
    }
    CheckStoredSettingsReadBack(logic);
    return 0;
}
