// Fuzzes the X11 program's option reader: any command line and XSCREENSAVER_WINDOW give either
// usable options or a one-line reason, and no window id read is 0.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "tests/fuzz/fuzz_input.h"
#include "x11/options.h"

using namespace globulon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const bool hasEnvironment = input.ConsumeBool();
    const std::string environment = input.ConsumeRandomLengthString(24);
    std::vector<std::string> words;
    while (words.size() < 8 && input.remaining_bytes() > 0) {
        words.push_back(input.ConsumeRandomLengthString(48));
    }
    const std::vector<std::string_view> args(words.begin(), words.end());

    const x11::ParsedOptions parsed =
        x11::ParseOptions(args, hasEnvironment ? environment.c_str() : nullptr);
    if (!parsed.Error.empty()) {
        fuzz::Require(parsed.Error.find('\n') == std::string::npos, "an error is one line");
    } else {
        const x11::Options& options = parsed.Values;
        fuzz::Require(options.Where != x11::Target::Window || options.WindowId != 0,
                      "a window target has a window");
        fuzz::Require(options.PenColorName.find(',') == std::string::npos,
                      "R,G,B forms are read here, not left to the server");
        fuzz::Require(options.PenColorName.find('\n') == std::string::npos,
                      "a colour name the program may print is one line");
        fuzz::Require(!options.RandomColors || options.PenColorName.empty(),
                      "a colour name only for a fixed pen");
    }

    for (const std::string& word : words) {
        if (const auto id = x11::ParseWindowId(word)) fuzz::Require(*id != 0, "no window 0");
    }
    return 0;
}
