// Who made the program and where to reach them: the texts of the About box's credit and links.
#pragma once

#include <string>

namespace globulon {

// The author's location line and e-mail address, shown as they are.
inline constexpr wchar_t AuthorLocation[] = L"Made in Europe";
inline constexpr wchar_t AuthorEmail[] = L"gl@example.org";
// The web site as the shell opens it; the link label shows it without the final "/".
inline constexpr wchar_t WebSiteAddress[] = L"https://globulon.example.org/";

// The author's name for the copyright line.
std::wstring AuthorName();
// The web-site address without its final "/", as the web link shows it.
std::wstring WebAddress();

}  // namespace globulon
