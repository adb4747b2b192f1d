// The desktop the program runs on: the user's own, or one of its own that the user does not see.
#pragma once

namespace globulon {

// True while the program runs on the user's own desktop ("Default"). Windows runs a saver that
// asks for the password on resume on a desktop of its own ("Screen-saver"), where a copy of the
// screen cannot show the user's desktop. True as well when the name cannot be read.
bool OnUsersDesktop();

}  // namespace globulon
