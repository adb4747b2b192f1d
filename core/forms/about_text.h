// The text of the About box: title and version, comment, copyright, and room for the two links.
#pragma once

#include <cstdint>
#include <string>

namespace globulon {

// The program's version as its version record gives it.
struct VersionNumbers {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;  // 0 is not shown
};

// Line separator of the About text: a lone carriage return.
inline constexpr wchar_t AboutLineBreak = L'\r';

// The About text, lines separated by carriage returns. Whatever the comment (up to three lines),
// the e-mail invitation is line 7 and lines 8 and 9 start with blank room for the two links.
std::wstring BuildAboutText(const std::wstring& comment, const VersionNumbers& version,
                            const std::wstring& title, const std::wstring& copyrightYears);

// The number of carriage returns in text.
std::int16_t CountReturns(const std::wstring& text);

// The text with every lone carriage return made a CR LF pair, the line break Win32 labels show.
std::wstring WithWindowsLineBreaks(const std::wstring& text);

}  // namespace globulon
