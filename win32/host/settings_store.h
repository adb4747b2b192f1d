// The per-user settings store: HKEY_CURRENT_USER\Software\<application>\<section>, each value a
// REG_SZ text.
#pragma once

#include <string>
#include <string_view>

#include "core/settings/setting_texts.h"

namespace globulon {

// The stored text, or defaultValue when the key is missing. A value of another registry type, or
// one too long to be a setting, reads as missing.
std::wstring GetAppSetting(std::wstring_view appName, std::wstring_view section,
                           std::wstring_view key, std::wstring_view defaultValue);

// Stores the text, creating the application and section keys as needed. False when it failed.
bool SaveAppSetting(std::wstring_view appName, std::wstring_view section, std::wstring_view key,
                    std::wstring_view value);

// The program's own settings: application name = the title, section "Setting".
std::wstring GetProgramSetting(std::wstring_view key, std::wstring_view defaultValue);
std::wstring GetProgramSetting(const SettingKey& key);
bool SaveProgramSetting(std::wstring_view key, std::wstring_view value);

}  // namespace globulon
