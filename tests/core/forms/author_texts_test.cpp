// The credit texts: the name and web address built from character codes match the constants.
#include "core/forms/author_texts.h"

#include <gtest/gtest.h>

namespace globulon {
namespace {

TEST(AuthorTexts, NameIsTheProjectTeam) {
    EXPECT_EQ(AuthorName(), L"Globulon Project Team");
}

TEST(AuthorTexts, WebAddressIsTheSiteWithoutItsFinalSlash) {
    const std::wstring site = WebSiteAddress;
    ASSERT_EQ(site.back(), L'/');
    EXPECT_EQ(WebAddress() + L"/", site);
}

}  // namespace
}  // namespace globulon
