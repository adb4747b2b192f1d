// The program's fixed texts: its title (also the settings' application name and the caption by
// which another copy finds the open dialog), the copyright years and the settings' section.
#pragma once

namespace globulon {

inline constexpr wchar_t ApplicationTitle[] = L"Globulon Screen Saver";
inline constexpr wchar_t CopyrightYearsText[] = L"2026";
inline constexpr wchar_t SettingsSection[] = L"Setting";

}  // namespace globulon
