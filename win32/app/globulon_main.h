// The program's start-up: chooses the run mode from the command line and runs it to the end.
#pragma once

#include <string_view>

namespace globulon {

// Runs the one mode that commandLine (the arguments, without the program name) asks for.
// Returns when that mode is over; the caller then ends the process at once.
void Main(std::wstring_view commandLine);

}  // namespace globulon
