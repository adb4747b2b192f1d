// The About box: title, version, copyright, and links for e-mail and the web site.
#pragma once

#include <string>

namespace globulon {

// Opens the About box over the running saver: with pin, top-most and closing itself after 10 s.
// The icon is the icon resource iconId. Returns when the box has closed.
void ShowSaverAbout(bool pin, int iconId, const std::wstring& comment);

}  // namespace globulon
