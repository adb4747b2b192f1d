// Fuzzes the readers of numbers and stored settings: any text reads as a number, a flag and a
// colour without spilling one channel into another, and a handle read reads back once written.
#include <fuzzer/FuzzedDataProvider.h>

#include "core/settings/handle_text.h"
#include "core/settings/leading_number.h"
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
    return 0;
}
