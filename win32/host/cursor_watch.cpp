// The saver's watch on the mouse; see cursor_watch.h.
#include "win32/host/cursor_watch.h"

#include <windows.h>

namespace globulon {

void CursorWatch::Start(bool enabled) {
    enabled_ = enabled;
    hasAnchor_ = false;
}

bool CursorWatch::MovedForReal() {
    if (!enabled_) return false;
    POINT p = {0, 0};
    if (!GetCursorPos(&p)) return false;
    return JudgeCursorMove(hasAnchor_, anchor_, ScreenPoint{p.x, p.y}) == CursorMove::RealMove;
}

}  // namespace globulon
