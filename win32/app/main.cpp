// Entry point of globulon.scr: the screen-saver host starts it with a switch on the command line.
#include <windows.h>

#include "win32/app/globulon_main.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    globulon::Main(commandLine ? commandLine : L"");
    // Every run mode ends the program: nothing else runs, and open windows simply go.
    ExitProcess(0);
}
