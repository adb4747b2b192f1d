// Reads the leading number of a text; see leading_number.h.
#include "core/settings/leading_number.h"

#include <cstdlib>
#include <string>

namespace globulon {
namespace {

std::string WithoutBlanks(std::wstring_view text) {
    // Only ASCII matters for a number; any other character ends it, so it becomes a stopper.
    std::string narrow;
    narrow.reserve(text.size());
    for (wchar_t c : text) {
        if (c == L' ' || c == L'\t' || c == L'\n') continue;
        narrow.push_back(c < 0x80 ? static_cast<char>(c) : '\x7f');
    }
    return narrow;
}

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

double ReadRadix(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int d = DigitValue(c);
        if (d >= radix) break;
        value = value * radix + d;
    }
    return value;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

double ReadDecimal(std::string_view text) {
    size_t i = 0;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number.push_back(text[i++]);
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) number.push_back(text[i++]), ++digits;
    if (i < text.size() && text[i] == '.') {
        number.push_back(text[i++]);
        while (i < text.size() && IsDigit(text[i])) number.push_back(text[i++]), ++digits;
    }
    if (digits == 0) return 0;
    // An exponent counts only when digits follow its letter (and optional sign).
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent.push_back(text[j++]);
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) exponent.push_back(text[j++]);
            number += exponent;
        }
    }
    // The program never changes the C locale, so strtod reads "." as the decimal point. It gives
    // infinity for numbers too large for a double and zero for ones too small.
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace

double LeadingNumber(std::wstring_view text) {
    const std::string compact = WithoutBlanks(text);
    if (compact.size() >= 2 && compact[0] == '&') {
        if (compact[1] == 'H' || compact[1] == 'h') return ReadRadix(compact.substr(2), 16);
        if (compact[1] == 'O' || compact[1] == 'o') return ReadRadix(compact.substr(2), 8);
    }
    return ReadDecimal(compact);
}

}  // namespace globulon
