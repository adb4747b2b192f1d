// The saver's watch on the mouse: the resting mouse jitters, so the first move only takes a
// reference and a move beyond the jitter from it counts as the user's.
#pragma once

#include "core/forms/cursor_anchor.h"

namespace globulon {

class CursorWatch {
  public:
    // From now on moves are judged when enabled (the user's "mouse ends the saver" setting);
    // the next move takes a new reference.
    void Start(bool enabled);
    // No move counts any more.
    void Stop() { enabled_ = false; }
    // The next move takes a new reference (before the About box opens over the saver, so that
    // moving the mouse in the box does not end the saver afterwards).
    void ForgetAnchor() { hasAnchor_ = false; }

    // Judges the cursor where it is now, after the window heard of a move: true when it moved for
    // real. The cursor itself is read: a move message's coordinates are relative and may be
    // stale. A cursor that cannot be read (as on a secured desktop) never counts.
    bool MovedForReal();

    bool HasAnchor() const { return hasAnchor_; }
    ScreenPoint Anchor() const { return anchor_; }

  private:
    bool enabled_ = false;
    bool hasAnchor_ = false;
    ScreenPoint anchor_;
};

}  // namespace globulon
