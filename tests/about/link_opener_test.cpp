// The link opener on the real shell: a target that cannot exist gives a failure text, no crash.
#include "about/link_opener.h"

#include <gtest/gtest.h>

#include <set>

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

}  // namespace
}  // namespace globulon
