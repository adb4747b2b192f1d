// The short English text for the shell's answer when it was asked to open a link.
#pragma once

#include <string>

namespace globulon {

// Empty for success (a value above 32), otherwise what went wrong.
std::wstring LinkResultText(long long shellResult);
// The same for an answer that says whether the target opened and, if not, the shell's code: a
// failure whose code reads as success is still a failure.
std::wstring LinkResultText(bool opened, long long shellCode);

}  // namespace globulon
