// The number a text starts with, read the way the program's stored settings and command lines
// were always read: blanks anywhere ignored, "&H"/"&O" prefixes, "." as the only decimal point.
#pragma once

#include <string_view>

namespace globulon {

// Returns the leading number of text, or 0 when no digits lead it. Never fails: a number too
// large for a double reads as infinity, which every later integer conversion rejects.
double LeadingNumber(std::wstring_view text);

}  // namespace globulon
