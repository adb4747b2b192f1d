// Fuzzes the readers of numbers, stored settings and the Linux programs' option values: any text
// reads as a number, a flag and a colour without spilling one channel into another, a handle
// read reads back once written, a colour option read reads back the same in both of its forms,
// and a quoted argument is one line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <string>

#include "core/settings/handle_text.h"
#include "core/settings/leading_number.h"
#include "core/settings/option_values.h"
#include "core/settings/setting_texts.h"
#include "tests/fuzz/fuzz_input.h"

using namespace globulon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::wstring text = fuzz::ConsumeWideText(input, 256);
    LeadingNumber(text);
    ParseBoolText(text);
    fuzz::Require(ParseColorText(text) <= MakeColor(255, 255, 255), "a colour has three channels");
    if (const auto handle = ReadHandleText(text)) {
        fuzz::Require(ReadHandleText(WriteHandleText(*handle)) == handle, "a handle reads back");
    }

    const std::string option = input.ConsumeRandomLengthString(48);
    fuzz::Require(QuotedArgument(option).find('\n') == std::string::npos, "one line");
    ReadWholeNumber(option, 16);
    if (const auto color = ReadColorOption(option)) {
        const int red = *color & 0xFF, green = (*color >> 8) & 0xFF, blue = (*color >> 16) & 0xFF;
        char hex[8];
        std::snprintf(hex, sizeof(hex), "#%02x%02x%02x", red, green, blue);
        const std::string numbers =
            std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue);
        fuzz::Require(ReadColorOption(hex) == color, "#rrggbb reads back the same");
        fuzz::Require(ReadColorOption(numbers) == color, "R,G,B reads back the same");
    }
    return 0;
}
