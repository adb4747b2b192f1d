// How input ends the saver: the saver has no password of its own, so every counted input ends it.
// It sits where input is watched; the flag it sets is the running loop's, handed in by the caller.
#pragma once

#include <string>

namespace globulon {

// The saver's own password: none.
std::wstring SaverPassword();
// Whether the password was accepted: always.
bool PasswordAccepted();
// Shows the cursor again and asks the running loop to end.
void EndSaver(bool& quitRequested);
// The rule every input handler applies: no password, or an accepted one, ends the saver.
void ApplyEndRule(bool& quitRequested);

}  // namespace globulon
