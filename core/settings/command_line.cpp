// Reading the command line; see command_line.h.
#include "core/settings/command_line.h"

#include "core/settings/handle_text.h"
#include "core/settings/text_case.h"

namespace globulon {
namespace {

bool HasSwitch(std::wstring_view text, wchar_t letter) {
    const wchar_t slash[] = {L'/', letter, 0};
    const wchar_t dash[] = {L'-', letter, 0};
    return text.find(slash) != std::wstring_view::npos ||
           text.find(dash) != std::wstring_view::npos;
}

}  // namespace

std::wstring MakeCommandText(std::wstring_view commandLine) {
    std::wstring text = UpperCaseText(commandLine);
    return text.empty() ? L"/C" : text;
}

RunModes ChooseRunMode(std::wstring_view commandText) {
    if (commandText == L"/C" || commandText == L"-C") return ModeSetup;
    if (commandText == L"/S" || commandText == L"-S") return ModeSaver;
    if (HasSwitch(commandText, L'P')) return ModePreview;
    if (HasSwitch(commandText, L'A')) return ModePassword;
    if (HasSwitch(commandText, L'S')) return ModeSaver;
    if (HasSwitch(commandText, L'C')) return ModeSetup;
    return ModeNone;
}

std::optional<std::int32_t> HandleAfter(std::wstring_view commandText, wchar_t separator) {
    const size_t at = commandText.find(separator);
    if (at == std::wstring_view::npos) return std::nullopt;
    return ReadHandleText(commandText.substr(at + 1));
}

}  // namespace globulon
