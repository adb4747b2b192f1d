// What the fuzz targets share: wide texts and raw floats from the fuzz input, and the check that
// stops a run when a property of the code under test does not hold.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace globulon::fuzz {

// A text of up to maxLength characters. Each byte is one character (so that the fuzzer finds
// ASCII words quickly); a 0xFF byte takes the next two bytes as one 16-bit character, the
// range a Windows text holds.
inline std::wstring ConsumeWideText(FuzzedDataProvider& input, std::size_t maxLength) {
    std::wstring text;
    while (text.size() < maxLength && input.remaining_bytes() > 0) {
        const auto byte = input.ConsumeIntegral<std::uint8_t>();
        if (byte == 0) break;  // ends the text, so that several texts share one input
        text.push_back(byte == 0xFF ? static_cast<wchar_t>(input.ConsumeIntegral<std::uint16_t>())
                                    : static_cast<wchar_t>(byte));
    }
    return text;
}

// Any float or double, NaN and infinities included: the raw bits from the input.
inline float ConsumeAnyFloat(FuzzedDataProvider& input) {
    return std::bit_cast<float>(input.ConsumeIntegral<std::uint32_t>());
}
inline double ConsumeAnyDouble(FuzzedDataProvider& input) {
    return std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
}

// Stops the run, which libFuzzer reports as a crash, when a property does not hold.
inline void Require(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

}  // namespace globulon::fuzz
