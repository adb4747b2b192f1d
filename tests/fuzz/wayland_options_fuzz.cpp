// Fuzzes the Wayland program's option reader: any command line gives either usable options or a
// one-line reason, and every pen colour read reads back the same in both of its forms.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
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

    for (const std::string& word : words) {
        const auto color = wayland::ParsePenColor(word);
        if (!color) continue;
        const int red = *color & 0xFF, green = (*color >> 8) & 0xFF, blue = (*color >> 16) & 0xFF;
        char hex[8];
        std::snprintf(hex, sizeof(hex), "#%02x%02x%02x", red, green, blue);
        const std::string numbers =
            std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue);
        fuzz::Require(wayland::ParsePenColor(hex) == color, "#rrggbb reads back the same");
        fuzz::Require(wayland::ParsePenColor(numbers) == color, "R,G,B reads back the same");
    }
    return 0;
}
