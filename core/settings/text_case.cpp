// Case mapping for the letters the program may meet; see text_case.h.
#include "core/settings/text_case.h"

namespace globulon {
namespace {

wchar_t ToLower(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;  // Latin-1 capitals
    if (c >= 0x100 && c <= 0x137 && c % 2 == 0) return c + 1;  // Latin Extended-A pairs
    if (c >= 0x139 && c <= 0x148 && c % 2 == 1) return c + 1;
    if (c >= 0x14A && c <= 0x177 && c % 2 == 0) return c + 1;
    if (c == 0x178) return 0xFF;
    if (c >= 0x179 && c <= 0x17E && c % 2 == 1) return c + 1;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;  // Greek
    if (c >= 0x410 && c <= 0x42F) return c + 32;                // Cyrillic
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

wchar_t ToUpper(wchar_t c) {
    if (c >= L'a' && c <= L'z') return c - 32;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x101 && c <= 0x138 && c % 2 == 1 && c != 0x131 && c != 0x138) return c - 1;
    if (c >= 0x13A && c <= 0x148 && c % 2 == 0) return c - 1;
    if (c >= 0x14B && c <= 0x177 && c % 2 == 1) return c - 1;
    if (c >= 0x17A && c <= 0x17E && c % 2 == 0) return c - 1;
    if (c >= 0x3B1 && c <= 0x3CB && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

template <typename Map>
std::wstring MapText(std::wstring_view text, Map map) {
    std::wstring result(text);
    for (wchar_t& c : result) c = map(c);
    return result;
}

}  // namespace

std::wstring LowerCaseText(std::wstring_view text) {
    return MapText(text, ToLower);
}
std::wstring UpperCaseText(std::wstring_view text) {
    return MapText(text, ToUpper);
}

}  // namespace globulon
