// Fuzzes the Wayland program's option reader: any command line gives either usable options or a
// one-line reason.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "tests/fuzz/fuzz_input.h"
#include "wayland/options.h"

using namespace globulon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::string> words;
    while (words.size() < 8 && input.remaining_bytes() > 0) {
        words.push_back(input.ConsumeRandomLengthString(48));
    }
    const std::vector<std::string_view> args(words.begin(), words.end());

    const wayland::ParsedOptions parsed = wayland::ParseOptions(args);
    if (!parsed.Error.empty()) {
        fuzz::Require(parsed.Error.find('\n') == std::string::npos, "an error is one line");
    }
    return 0;
}
