// The link opener: how it calls the shell, and on the real shell a target that cannot exist
// gives a failure text, no crash.
#include "win32/about/link_opener.h"

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

TEST(OpenLink, AsksTheShellInASingleThreadedApartmentAndWaitsForIt) {
    // On a thread of its own, which has no COM before and must have none after.
    std::thread([] {
        APTTYPE apartment = APTTYPE_NA;
        APTTYPEQUALIFIER qualifier;
        ULONG mask = 0;
        OpenLinkWith(nullptr, L"mailto:someone@example.org", [&](SHELLEXECUTEINFOW& info) {
            if (FAILED(CoGetApartmentType(&apartment, &qualifier))) apartment = APTTYPE_NA;
            mask = info.fMask;
            return true;
        });
        // The first single-threaded apartment of a process is its main one.
        EXPECT_TRUE(apartment == APTTYPE_MAINSTA || apartment == APTTYPE_STA) << apartment;
        EXPECT_TRUE(mask & SEE_MASK_NOASYNC);
        EXPECT_FALSE(SUCCEEDED(CoGetApartmentType(&apartment, &qualifier)));
    }).join();
}

}  // namespace
}  // namespace globulon
