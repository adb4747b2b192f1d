// Window handles written as decimal text: on the command line and under "ActiveSetup".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace globulon {

// The 32-bit handle a text's leading number names. Windows writes handles as unsigned decimals
// (0 to 4294967295); earlier copies of the program wrote them signed (-2147483648 upwards). Both
// read as the same 32-bit value, given back as the signed value that LongToHandle sign-extends.
// No value for a number outside both ranges.
std::optional<std::int32_t> ReadHandleText(std::wstring_view text);

// The text "ActiveSetup" holds for a handle: signed decimal, as every copy has written it.
std::wstring WriteHandleText(std::int32_t handle);

}  // namespace globulon
