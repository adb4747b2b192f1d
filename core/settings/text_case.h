// Letter case for the program's texts, the same on every machine: ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic, which covers every switch and stored word the program reads.
#pragma once

#include <string>
#include <string_view>

namespace globulon {

std::wstring LowerCaseText(std::wstring_view text);
std::wstring UpperCaseText(std::wstring_view text);

}  // namespace globulon
