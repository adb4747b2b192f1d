// The version numbers read from the executable's own version record.
#include "win32/about/program_version.h"

#include <gtest/gtest.h>

namespace globulon {
namespace {

// This test program carries the program's resources, version record included.
TEST(ProgramVersion, ReadsMajorMinorAndRevision) {
    const VersionNumbers version = ProgramVersion();
    EXPECT_EQ(version.Major, GLOBULON_BUILD_VERSION_MAJOR);
    EXPECT_EQ(version.Minor, GLOBULON_BUILD_VERSION_MINOR);
    EXPECT_EQ(version.Revision, GLOBULON_BUILD_VERSION_PATCH);
}

}  // namespace
}  // namespace globulon
