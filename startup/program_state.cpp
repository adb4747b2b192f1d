// The process's one ProgramState; see program_state.h.
#include "startup/program_state.h"

namespace globulon {

ProgramState& Program() {
    static ProgramState state;
    return state;
}

}  // namespace globulon
