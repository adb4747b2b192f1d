// The end rule; see end_rule.h.
#include "scene/end_rule.h"

#include "host/mouse_cursor.h"
#include "startup/program_state.h"

namespace globulon {

std::wstring SaverPassword() {
    return std::wstring();
}

bool PasswordAccepted() {
    return true;
}

void EndSaver() {
    ShowMouseCursor();
    Program().QuitRequested = true;
}

void ApplyEndRule() {
    if (SaverPassword().empty() || PasswordAccepted()) EndSaver();
}

}  // namespace globulon
