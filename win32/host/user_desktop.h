// The desktop the program runs on: the user's own, or one of its own that the user does not see.
#pragma once

namespace globulon {

// True while the program runs on the user's own desktop: "Default" of the interactive window
// station "WinSta0", where the user's programs run and a saver that asks for no password runs.
// Windows runs a saver that asks for the password on resume on a desktop of its own
// ("Screen-saver"), which goes with the saver: the user's desktop cannot be copied there, and a
// program started there is never seen. True as well when the names cannot be read.
bool OnUsersDesktop();

}  // namespace globulon
