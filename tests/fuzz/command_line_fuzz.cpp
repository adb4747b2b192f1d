// Fuzzes the command-line readers: any text gives a run mode and, where asked, a window handle.
#include <fuzzer/FuzzedDataProvider.h>

#include "core/settings/command_line.h"
#include "tests/fuzz/fuzz_input.h"

using namespace globulon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::wstring commandLine = fuzz::ConsumeWideText(input, 256);
    const std::wstring text = MakeCommandText(commandLine);
    fuzz::Require(!text.empty(), "the command text is never empty");
    fuzz::Require(text.size() == commandLine.size() || commandLine.empty(),
                  "upper-casing keeps the length");
    const RunModes mode = ChooseRunMode(text);
    fuzz::Require(mode >= ModeNone && mode <= ModePassword, "a known run mode");
    // Both separators the program reads handles after.
    HandleAfter(text, L':');
    HandleAfter(text, L' ');
    return 0;
}
