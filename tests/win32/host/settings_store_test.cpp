// The settings store against the real registry of the test's Wine prefix.
#include "win32/host/settings_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace globulon {
namespace {

// A store of its own, so that the tests never touch the program's settings.
constexpr wchar_t kApp[] = L"Globulon Settings Test";
constexpr wchar_t kSection[] = L"Setting";

class SettingsStore : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Globulon Settings Test");
    }
    void TearDown() override { SetUp(); }

    void StoreRaw(const wchar_t* key, DWORD type, const void* data, DWORD bytes) {
        HKEY hkey = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Globulon Settings Test\\Setting",
                                  0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(hkey, key, 0, type, static_cast<const BYTE*>(data), bytes);
        RegCloseKey(hkey);
    }
};

TEST_F(SettingsStore, MissingKeysGiveTheDefault) {
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"ColorRandom", L"1"), L"1");
    ASSERT_TRUE(SaveAppSetting(kApp, kSection, L"Other", L"x"));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"ColorRandom", L"1"), L"1");
}

TEST_F(SettingsStore, RoundTripsTextsIncludingTheEmptyOne) {
    ASSERT_TRUE(SaveAppSetting(kApp, kSection, L"ColorFixed", L"255,128,0"));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"ColorFixed", L""), L"255,128,0");
    ASSERT_TRUE(SaveAppSetting(kApp, kSection, L"ColorFixed", L""));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"ColorFixed", L"default"), L"");
    ASSERT_TRUE(SaveAppSetting(kApp, kSection, L"Title", L"S\u00ec \u2013 \u00e9"));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"Title", L""), L"S\u00ec \u2013 \u00e9");
}

TEST_F(SettingsStore, ValuesOfAnotherTypeReadAsMissing) {
    const DWORD number = 1;
    StoreRaw(L"MouseMove", REG_DWORD, &number, sizeof(number));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"MouseMove", L"0"), L"0");
    StoreRaw(L"Expand", REG_EXPAND_SZ, L"1", 4);
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"Expand", L"0"), L"0");
}

TEST_F(SettingsStore, OverlongValuesReadAsMissing) {
    const std::wstring justFits(2047, L'7');
    ASSERT_TRUE(SaveAppSetting(kApp, kSection, L"Long", justFits));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"Long", L"d"), justFits);
    ASSERT_TRUE(SaveAppSetting(kApp, kSection, L"Long", std::wstring(5000, L'7')));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"Long", L"d"), L"d");
}

TEST_F(SettingsStore, TextsWithoutTerminatingZeroAreReadWhole) {
    StoreRaw(L"Raw", REG_SZ, L"12,34,56", 8 * sizeof(wchar_t));
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"Raw", L""), L"12,34,56");
    StoreRaw(L"Odd", REG_SZ, "abc", 3);  // an odd byte count: the half character is dropped
    EXPECT_EQ(GetAppSetting(kApp, kSection, L"Odd", L"").size(), 1u);
}

}  // namespace
}  // namespace globulon
