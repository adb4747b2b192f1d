// The numbers of the program's resources, named once: resources/globulon.rc includes this file
// as the code does, so a number is written here and nowhere else.
#pragma once

// Plain macros, as the resource compiler reads nothing else.
// The program icon (Explorer, the dialogs, the About box).
#define GLOBULON_ICON_ID 101
// The pointing hand over the About box's links.
#define GLOBULON_HAND_CURSOR_ID 101
// The emblem the About box shows when given no picture.
#define GLOBULON_BITMAP_ID 364

#ifndef RC_INVOKED
namespace globulon {

inline constexpr int ProgramIconId = GLOBULON_ICON_ID;
inline constexpr int HandCursorId = GLOBULON_HAND_CURSOR_ID;
inline constexpr int ProgramBitmapId = GLOBULON_BITMAP_ID;

}  // namespace globulon
#endif
