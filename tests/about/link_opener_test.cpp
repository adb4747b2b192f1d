// The link opener: how it calls the shell, and on the real shell a target that cannot exist
// gives a failure text, no crash.
#include "about/link_opener.h"

#include <gtest/gtest.h>
#include <objbase.h>

#include <set>
#include <thread>

namespace globulon {
namespace {

const std::set<std::wstring> kFailureTexts = {L"File not found.",
                                              L"Path not found.",
                                              L"Access denied.",
                                              L"Incomplete association type of file.",
                                              L"Missing association type of file.",
                                              L"Generic access file error."};

TEST(OpenLink, MissingFileGivesFileNotFound) {
    const std::wstring result =
        OpenLink(GetDesktopWindow(), L"C:\\globulon-test-missing\\no-such-file.txt");
    EXPECT_TRUE(kFailureTexts.count(result)) << std::string(result.begin(), result.end());
}

TEST(OpenLink, MissingDocumentInAnExistingFolderIsAFailure) {
    const std::wstring result = OpenLink(nullptr, L"C:\\windows\\globulon-no-such-document.txt");
    EXPECT_EQ(result, L"File not found.");
}

TEST(OpenLink, EmptyTargetIsAFailureNotACrash) {
    // Wine answers an empty target in its own way; any text of the table is fine.
    const std::wstring result = OpenLink(nullptr, L"");
    EXPECT_TRUE(result.empty() || kFailureTexts.count(result));
}

// What the thread looked like to the shell while it was asked to open a link.
struct ShellCallSeen {
    bool Called = false;
    APTTYPE Apartment = APTTYPE_CURRENT;
    ULONG Mask = 0;
};

ShellCallSeen OpenWithWatchedShell() {
    ShellCallSeen seen;
    OpenLinkWith(nullptr, L"mailto:someone@example.org", [&seen](SHELLEXECUTEINFOW& info) {
        seen.Called = true;
        APTTYPEQUALIFIER qualifier;
        if (FAILED(CoGetApartmentType(&seen.Apartment, &qualifier))) seen.Apartment = APTTYPE_NA;
        seen.Mask = info.fMask;
        info.hInstApp = reinterpret_cast<HINSTANCE>(42);
        return true;
    });
    return seen;
}

bool ThreadHasCom() {
    APTTYPE type;
    APTTYPEQUALIFIER qualifier;
    return SUCCEEDED(CoGetApartmentType(&type, &qualifier));
}

TEST(OpenLink, AsksTheShellInASingleThreadedApartmentAndWaitsForIt) {
    // A thread of its own: the test runner's thread keeps whatever COM state it has.
    std::thread([] {
        const ShellCallSeen seen = OpenWithWatchedShell();
        EXPECT_TRUE(seen.Called);
        // The first single-threaded apartment of a process is its main one.
        EXPECT_TRUE(seen.Apartment == APTTYPE_MAINSTA || seen.Apartment == APTTYPE_STA)
            << "COM is not initialised for the shell: " << seen.Apartment;
        EXPECT_TRUE(seen.Mask & SEE_MASK_NOASYNC);
        EXPECT_FALSE(ThreadHasCom()) << "COM is left initialised";
    }).join();
}

TEST(OpenLink, ThreadWithComOfAnotherKindKeepsIt) {
    std::thread([] {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        const ShellCallSeen seen = OpenWithWatchedShell();
        EXPECT_TRUE(seen.Called);
        EXPECT_EQ(seen.Apartment, APTTYPE_MTA);
        EXPECT_TRUE(ThreadHasCom());
        CoUninitialize();
    }).join();
}

}  // namespace
}  // namespace globulon
