// The short English text for the shell's answer when it was asked to open a link.
#pragma once

#include <string>

namespace globulon {

// Empty for success (a value above 32), otherwise what went wrong.
std::wstring LinkResultText(long long shellResult);

}  // namespace globulon
