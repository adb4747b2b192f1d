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

// A text of up to maxLength bytes from the front of the input (a lone backslash ends it, so that
// several texts share one input). Each byte is one character, so that the fuzzer finds ASCII
// words quickly; a 0xFF byte takes the next two as one 16-bit character, as Windows texts hold.
inline std::wstring ConsumeWideText(FuzzedDataProvider& input, std::size_t maxLength) {
    const std::string bytes = input.ConsumeRandomLengthString(maxLength);
    std::wstring text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[i]);
        if (byte == 0xFF && i + 2 < bytes.size()) {
            text.push_back(static_cast<wchar_t>(static_cast<std::uint8_t>(bytes[i + 1]) |
                                                static_cast<std::uint8_t>(bytes[i + 2]) << 8));
            i += 2;
        } else {
            text.push_back(static_cast<wchar_t>(byte));
        }
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
