// Registry access for the settings; see settings_store.h.
#include "win32/host/settings_store.h"

#include <windows.h>

#include "core/settings/program_texts.h"

namespace globulon {
namespace {

// Settings are a few characters long; anything larger is not one of ours.
constexpr DWORD kMaxSettingBytes = 4096;

std::wstring KeyPath(std::wstring_view appName, std::wstring_view section) {
    std::wstring path = L"Software\\";
    path += appName;
    path += L'\\';
    path += section;
    return path;
}

// Closes a registry key when it goes out of scope.
class RegistryKey {
  public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

}  // namespace

std::wstring GetAppSetting(std::wstring_view appName, std::wstring_view section,
                           std::wstring_view key, std::wstring_view defaultValue) {
    RegistryKey regKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(appName, section).c_str(), 0, KEY_QUERY_VALUE,
                      regKey.Receive()) != ERROR_SUCCESS) {
        return std::wstring(defaultValue);
    }
    const std::wstring name(key);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(regKey.Get(), name.c_str(), nullptr, &type, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        type != REG_SZ || bytes > kMaxSettingBytes) {
        return std::wstring(defaultValue);
    }
    // One spare character: a stored text need not end in a terminating zero.
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD got = bytes;
    if (RegQueryValueExW(regKey.Get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.data()), &got) != ERROR_SUCCESS ||
        type != REG_SZ || got > bytes) {
        return std::wstring(defaultValue);
    }
    value.resize(got / sizeof(wchar_t));
    if (const size_t end = value.find(L'\0'); end != std::wstring::npos) value.resize(end);
    return value;
}

bool SaveAppSetting(std::wstring_view appName, std::wstring_view section, std::wstring_view key,
                    std::wstring_view value) {
    RegistryKey regKey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(appName, section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, regKey.Receive(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring name(key);
    const std::wstring text(value);
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(regKey.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()), bytes) == ERROR_SUCCESS;
}

std::wstring GetProgramSetting(std::wstring_view key, std::wstring_view defaultValue) {
    return GetAppSetting(ApplicationTitle, SettingsSection, key, defaultValue);
}

std::wstring GetProgramSetting(const SettingKey& key) {
    return GetProgramSetting(key.Name, key.Default);
}

bool SaveProgramSetting(std::wstring_view key, std::wstring_view value) {
    return SaveAppSetting(ApplicationTitle, SettingsSection, key, value);
}

}  // namespace globulon
