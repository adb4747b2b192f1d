// Asking a stand-in of the display-settings dialog, built from real windows, whether it still has
// this saver selected.
#include "win32/host/host_dialog_probe.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "tests/support/fake_host_dialog.h"

namespace globulon {
namespace {

using testing::FakeHostDialog;
constexpr SaverSelection Yes = SaverSelection::Yes;
constexpr SaverSelection No = SaverSelection::No;
constexpr SaverSelection NotKnown = SaverSelection::NotKnown;

constexpr wchar_t kName[] = L"globulon";

// --- finding the page and reading its lists ----------------------------------------------------

TEST(IsSaverSelected, NameSelectedOnTheScreenSaverPageInAnotherCase) {
    FakeHostDialog dialog;
    ASSERT_NE(dialog.Hwnd(), nullptr);
    HWND page = dialog.AddPage(L"Screen Saver");
    FakeHostDialog::AddList(page, {L"Blank", L"GLOBULON", L"Other"}, 1);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), Yes);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), L"GloBulon"), Yes);
}

TEST(IsSaverSelected, WholeEntryMustMatch) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen Saver");
    HWND list = FakeHostDialog::AddList(page, {L"globulon 2", L"glob", L"globulon"}, 0);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), No);
    SendMessageW(list, CB_SETCURSEL, 1, 0);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), No);
    SendMessageW(list, CB_SETCURSEL, 2, 0);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), Yes);
}

TEST(IsSaverSelected, PageTitleNeedOnlyContainTheWords) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Settings: SCREEN saver page");
    FakeHostDialog::AddList(page, {L"globulon"}, 0);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), Yes);
}

TEST(IsSaverSelected, WithoutAPageTheDialogsOwnListsAreRead) {
    FakeHostDialog dialog;
    dialog.AddPage(L"Appearance");  // a page, but not the one
    FakeHostDialog::AddList(dialog.Hwnd(), {L"Blank", L"globulon"}, 1);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), Yes);
}

TEST(IsSaverSelected, OnceThePageIsFoundOnlyItsListsCount) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen saver");
    FakeHostDialog::AddList(page, {L"Blank", L"globulon"}, 0);
    FakeHostDialog::AddList(dialog.Hwnd(), {L"globulon"}, 0);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), No);
}

TEST(IsSaverSelected, ListWithoutSelectionDoesNotCount) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen saver");
    FakeHostDialog::AddList(page, {L"globulon"}, -1);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), No);
}

TEST(IsSaverSelected, EveryListOnThePageIsTried) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen saver");
    FakeHostDialog::AddList(page, {L"Blank"}, 0);
    FakeHostDialog::AddList(page, {L"globulon"}, -1);
    FakeHostDialog::AddList(page, {L"Other", L"globulon"}, 1);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), Yes);
}

TEST(IsSaverSelected, EmptyEntryOrEmptyNameNeverMatch) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen saver");
    FakeHostDialog::AddList(page, {L""}, 0);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), L""), No);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), No);
}

// --- dialogs whose list cannot be read -----------------------------------------------------

TEST(IsSaverSelected, TranslatedPageOrListsElsewhereAreNotKnown) {
    FakeHostDialog translated;
    HWND page = translated.AddPage(L"Bildschirmschoner");
    FakeHostDialog::AddList(page, {L"Blank", L"globulon"}, 0);
    EXPECT_EQ(IsSaverSelected(translated.Hwnd(), kName), NotKnown);

    FakeHostDialog nested;
    HWND group = CreateWindowExW(0, L"Button", L"Screen saver", WS_CHILD | BS_GROUPBOX, 0, 0, 300,
                                 200, nested.AddPage(L"Screen saver"), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    FakeHostDialog::AddList(group, {L"Blank"}, 0);
    EXPECT_EQ(IsSaverSelected(nested.Hwnd(), kName), NotKnown);
}

TEST(IsSaverSelected, DialogThatDoesNotAnswerIsNotKnownWithoutWaitingForIt) {
    // The dialog's thread stops pumping messages for a while, as a busy or hung host does.
    HANDLE built = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HWND dialogWindow = nullptr;
    std::thread host([&] {
        FakeHostDialog dialog;
        FakeHostDialog::AddList(dialog.Hwnd(), {L"globulon"}, 0);
        dialogWindow = dialog.Hwnd();
        SetEvent(built);
        WaitForSingleObject(release, 5000);
    });
    WaitForSingleObject(built, INFINITE);
    const ULONGLONG began = GetTickCount64();
    EXPECT_EQ(IsSaverSelected(dialogWindow, kName), NotKnown);
    EXPECT_LT(GetTickCount64() - began, 1000u);
    SetEvent(release);
    host.join();
    CloseHandle(release);
    CloseHandle(built);
}

// --- entries of any length --------------------------------------------------------------------

TEST(IsSaverSelected, VeryLongEntryIsReadSafely) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen saver");
    const std::wstring huge(10000, L'g');
    FakeHostDialog::AddList(page, {huge}, 0);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), No);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), huge), Yes);
}

TEST(IsSaverSelected, NameLongerThanAnOldFixedBufferStillMatches) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen saver");
    const std::wstring name = std::wstring(300, L'x') + L"globulon";
    FakeHostDialog::AddList(page, {L"Blank", name}, 1);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), name), Yes);
    EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), std::wstring(300, L'x')), No);
}

// A list whose answers do not fit together: the length it claims, and what it reports copying.
LRESULT claimedLength = 0;
LRESULT claimedCopy = 0;
WNDPROC realListProc = nullptr;

LRESULT CALLBACK LyingListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == CB_GETLBTEXTLEN) return claimedLength;
    if (message == CB_GETLBTEXT) {
        // Writes only what fits the length it claimed, then reports another number.
        auto* buffer = reinterpret_cast<wchar_t*>(lParam);
        const std::wstring text = L"globulon";
        const std::size_t n =
            claimedLength > 0 && static_cast<std::size_t>(claimedLength) < text.size()
                ? static_cast<std::size_t>(claimedLength)
                : text.size();
        text.copy(buffer, n);
        buffer[n] = L'\0';
        return claimedCopy;
    }
    return CallWindowProcW(realListProc, hwnd, message, wParam, lParam);
}

TEST(IsSaverSelected, ListAnsweringWithErrorsIsSkipped) {
    FakeHostDialog dialog;
    HWND page = dialog.AddPage(L"Screen saver");
    HWND list = FakeHostDialog::AddList(page, {L"globulon"}, 0);
    realListProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LyingListProc)));
    const struct {
        LRESULT length, copied;
        SaverSelection expected;
    } cases[] = {
        {8, 8, Yes},          // honest
        {CB_ERR, 8, No},      // no length
        {0, 8, No},           // empty
        {8, CB_ERR, No},      // the copy failed
        {4, 8, No},           // claims to have copied more than fits
        {0x7fffffff, 8, No},  // a length no file name has
    };
    for (const auto& c : cases) {
        claimedLength = c.length;
        claimedCopy = c.copied;
        EXPECT_EQ(IsSaverSelected(dialog.Hwnd(), kName), c.expected) << c.length << " " << c.copied;
    }
    SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(realListProc));
}

// --- no dialog ------------------------------------------------------------------------------

TEST(IsSaverSelected, DialogThatIsGoneMeansNotSelected) {
    HWND gone = nullptr;
    {
        FakeHostDialog dialog;
        HWND page = dialog.AddPage(L"Screen saver");
        FakeHostDialog::AddList(page, {L"globulon"}, 0);
        ASSERT_EQ(IsSaverSelected(dialog.Hwnd(), kName), Yes);
        gone = dialog.Hwnd();
    }
    EXPECT_EQ(IsSaverSelected(gone, kName), No);
}

TEST(IsSaverSelected, WithoutDialogATopLevelSettingsDialogIsRead) {
    // A preview window with fewer than three ancestors: the host's top-level settings dialog,
    // found by its title among the desktop's windows, answers.
    EXPECT_EQ(IsSaverSelected(nullptr, kName), NotKnown);
    HWND settings = CreateWindowExW(0, L"#32770", L"Screen Saver Settings", WS_POPUP, 0, 0, 300,
                                    200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(settings, nullptr);
    HWND list = FakeHostDialog::AddList(settings, {L"Blank", L"globulon"}, 1);
    EXPECT_EQ(IsSaverSelected(nullptr, kName), Yes);
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    EXPECT_EQ(IsSaverSelected(nullptr, kName), No);
    DestroyWindow(settings);
}

// --- the program's name -------------------------------------------------------------------------

TEST(ProgramName, IsTheExecutableNameWithoutFolderOrExtension) {
    EXPECT_EQ(ProgramName(), L"host_windows_tests");
}

}  // namespace
}  // namespace globulon
