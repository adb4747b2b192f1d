// The pointing-hand pointer over a link label, and back to the normal pointer.
#pragma once

#include "win32/about/link_label.h"

namespace globulon {

// The program's hand cursor, or the system's hand when it cannot be loaded.
HCURSOR HandCursor();
// The label's pointer becomes the program's hand cursor.
void SetHandCursor(LinkLabel& label);
// The label's pointer becomes the normal one again.
void SetNormalCursor(LinkLabel& label);
// For WM_SETCURSOR on the label: shows its own pointer; false when it has none (normal arrow).
bool ApplyLabelCursor(const LinkLabel& label);

}  // namespace globulon
