// The window the saver draws on; see target_window.h.
#include "x11/target_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace globulon::x11 {
namespace {

// The size of the window of its own, for trying the saver out.
constexpr unsigned OwnWidth = 800;
constexpr unsigned OwnHeight = 600;
constexpr char Title[] = "Globulon";

// Errors while a host's window is checked are answered by the call's status instead.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

// Set by the error handler, which can reach nothing else: the window (or what goes with it) is
// gone.
bool targetLost = false;

// Requests already on their way when a host destroys its window and frees its colormap (as
// XScreenSaver does at unblank) fail with BadDrawable, BadWindow, BadColor or BadGC: the saver
// then ends normally. Any other error ends the program, as Xlib's own handler does.
int ToleratePassingWindow(Display* display, XErrorEvent* error) {
    const unsigned char code = error->error_code;
    if (code == BadDrawable || code == BadWindow || code == BadColor || code == BadGC) {
        targetLost = true;
        return 0;
    }
    char text[256] = "";
    XGetErrorText(display, error->error_code, text, sizeof(text));
    std::fprintf(stderr, "globulon: X error: %s\n", text);
    std::exit(EXIT_FAILURE);
}

// Selects the window's structure events, then checks that it exists: a window destroyed after
// that still sends its DestroyNotify, one destroyed before is found missing here.
bool WatchHostWindow(Display* display, Window window) {
    XSync(display, False);
    const auto previous = XSetErrorHandler(IgnoreError);
    XSelectInput(display, window, StructureNotifyMask);
    XWindowAttributes attributes;
    const Status found = XGetWindowAttributes(display, window, &attributes);
    XSync(display, False);
    XSetErrorHandler(previous);
    return found != 0;
}

TargetWindow MakeOwnWindow(Display* display) {
    TargetWindow target;
    const int screen = DefaultScreen(display);
    target.Id = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, OwnWidth, OwnHeight,
                                    0, BlackPixel(display, screen), BlackPixel(display, screen));
    target.Owned = true;
    XStoreName(display, target.Id, Title);
    XChangeProperty(display, target.Id, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(Title),
                    static_cast<int>(std::strlen(Title)));
    XClassHint hint = {const_cast<char*>("globulon"), const_cast<char*>("Globulon")};
    XSetClassHint(display, target.Id, &hint);
    target.DeleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, target.Id, &target.DeleteWindow, 1);
    XMapWindow(display, target.Id);
    return target;
}

}  // namespace

TargetWindow OpenTarget(Display* display, const Options& options) {
    TargetWindow target;
    switch (options.Where) {
        case Target::OwnWindow:
            target = MakeOwnWindow(display);
            break;
        case Target::Root:
            target.Id = DefaultRootWindow(display);
            break;
        case Target::Window:
            // Other clients' masks on the window stay as they are: each client selects its own.
            if (!WatchHostWindow(display, options.WindowId)) {
                target.Problem = "there is no window " + std::to_string(options.WindowId);
                return target;
            }
            target.Id = options.WindowId;
            XSetErrorHandler(ToleratePassingWindow);
            return target;
    }
    XSelectInput(display, target.Id, StructureNotifyMask);
    XSetErrorHandler(ToleratePassingWindow);
    return target;
}

bool TargetLost() {
    return targetLost;
}

void CloseTarget(Display* display, const TargetWindow& target) {
    if (target.Owned) XDestroyWindow(display, target.Id);
}

}  // namespace globulon::x11
