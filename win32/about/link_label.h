// A label of the About box that works as a link: its window, its target and its pointer.
#pragma once

#include <windows.h>

#include <string>

namespace globulon {

struct LinkLabel {
    HWND Hwnd = nullptr;
    std::wstring Target;       // what the shell opens on a click
    HCURSOR Cursor = nullptr;  // the pointer over the label; null: the normal arrow
    bool Underlined = false;   // shown with the underlined font while hovered
};

}  // namespace globulon
