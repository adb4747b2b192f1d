// The version numbers of the running executable, read from its version record.
#pragma once

#include "core/forms/about_text.h"

namespace globulon {

// Major, minor and revision of the executable's file version; all 0 when it has no version record.
VersionNumbers ProgramVersion();

}  // namespace globulon
