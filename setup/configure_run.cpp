// The configure run; see configure_run.h.
#include "setup/configure_run.h"

namespace globulon {

void RunConfigure(HWND /*ownerWindow*/) {
    // The settings dialog arrives with its own change.
}

}  // namespace globulon
