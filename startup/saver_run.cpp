// The full-screen saver run; see saver_run.h.
#include "startup/saver_run.h"

namespace globulon {

void RunSaver(bool /*previewRunning*/) {
    // The full-screen saver window arrives with its own change.
}

}  // namespace globulon
