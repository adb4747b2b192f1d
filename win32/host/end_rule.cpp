// The end rule; see end_rule.h.
#include "win32/host/end_rule.h"

#include "win32/host/mouse_cursor.h"

namespace globulon {

std::wstring SaverPassword() {
    return std::wstring();
}

bool PasswordAccepted() {
    return true;
}

void EndSaver(bool& quitRequested) {
    ShowMouseCursor();
    quitRequested = true;
}

void ApplyEndRule(bool& quitRequested) {
    if (SaverPassword().empty() || PasswordAccepted()) EndSaver(quitRequested);
}

}  // namespace globulon
