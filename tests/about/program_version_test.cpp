// The version numbers read from the executable's own version record.
#include "about/program_version.h"

#include <gtest/gtest.h>

namespace globulon {
namespace {

// This test program carries the program's resources, version record included.
TEST(ProgramVersion, ReadsMajorMinorAndRevision) {
    const VersionNumbers version = ProgramVersion();
    EXPECT_EQ(version.Major, 2);
    EXPECT_EQ(version.Minor, 2);
    EXPECT_EQ(version.Revision, 13);
}

}  // namespace
}  // namespace globulon
