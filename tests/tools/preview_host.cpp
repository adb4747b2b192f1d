// A stand-in for the system's display-settings dialog, for the black-box tests of the preview:
// a dialog with a "Screen saver" page whose list selects "globulon", and a 152 x 112 preview
// window three parent steps below the dialog; or one laid out otherwise (see the options).
//
//   preview_host.exe child   the preview is a child window, as in the real dialog
//   preview_host.exe popup   the preview is an owned pop-up (top-level), so that what another
//                            process draws into it reaches the screen under Wine
// followed by any of
//   --page-title TEXT        the page's title instead of "Screen saver" (a translated dialog)
//   --other-tree             the list sits in a group box on the page, and the preview one step
//                            closer to the dialog (two steps below it instead of three)
//   --entry NAME             the list shows and selects NAME instead of "globulon" (a saver
//                            listed under a long file name)
//   --at X Y                 the dialog's corner on the screen instead of 20, 20
//
// Standard output: "dialog=N", "page=N", "list=N", "preview=N" (decimal handles),
// "preview_rect=X,Y,W,H" (the preview's client area on the screen), then "ready".
// Standard input, one command a line, each answered with "ok <command>" once carried out:
//   select <entry>    select that entry of the list (no entry selected when there is none)
//   destroy preview   destroy the preview window
//   quit              close the dialog and end
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

constexpr UINT WM_HOST_COMMAND = WM_APP + 1;  // lParam: a heap std::string, taken over
constexpr int PreviewWidth = 152;
constexpr int PreviewHeight = 112;

struct HostOptions {
    bool popup = false;
    std::wstring pageTitle = L"Screen saver";
    bool otherTree = false;
    std::wstring entry = L"globulon";
    POINT at = {20, 20};
};

struct HostWindows {
    HWND dialog = nullptr;
    HWND page = nullptr;
    HWND list = nullptr;
    HWND preview = nullptr;
};
HostWindows host;

void Say(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

std::string Handle(HWND hwnd) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(hwnd));
}

void RunCommand(const std::string& command) {
    if (command.rfind("select ", 0) == 0) {
        const std::string entry = command.substr(7);
        const std::wstring wide(entry.begin(), entry.end());  // the entries are plain ASCII
        const LRESULT index = SendMessageW(host.list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(wide.c_str()));
        SendMessageW(host.list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    } else if (command == "destroy preview") {
        DestroyWindow(host.preview);
    } else if (command == "quit") {
        DestroyWindow(host.dialog);
    } else {
        Say("unknown " + command);
        return;
    }
    Say("ok " + command);
}

LRESULT CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOST_COMMAND) {
        auto* command = reinterpret_cast<std::string*>(lParam);
        RunCommand(*command);
        delete command;
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Hands each line of standard input to the window thread. End of input changes nothing.
void ReadCommands(HWND dialog) {
    char line[512];
    while (std::fgets(line, sizeof line, stdin)) {
        std::string command(line);
        while (!command.empty() && (command.back() == '\n' || command.back() == '\r')) {
            command.pop_back();
        }
        if (command.empty()) continue;
        auto* posted = new std::string(command);
        if (!PostMessageW(dialog, WM_HOST_COMMAND, 0, reinterpret_cast<LPARAM>(posted))) {
            delete posted;
            return;
        }
    }
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC proc, HBRUSH background) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

HWND Make(const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, int w, int h,
          HWND parent, HINSTANCE instance) {
    if (style & WS_CHILD) {
        return CreateWindowExW(0, className, title, style | WS_VISIBLE, x, y, w, h, parent, nullptr,
                               instance, nullptr);
    }
    // Top-level windows are shown without taking the focus: under Wine without a window
    // manager, destroying the active window waits two seconds for the X focus to move.
    HWND hwnd =
        CreateWindowExW(0, className, title, style, x, y, w, h, parent, nullptr, instance, nullptr);
    if (hwnd) ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
}

bool BuildWindows(const HostOptions& options, HINSTANCE instance) {
    RegisterWindowClass(instance, L"PreviewHostDialog", DialogProc,
                        GetSysColorBrush(COLOR_BTNFACE));
    RegisterWindowClass(instance, L"PreviewHostFrame", DefWindowProcW,
                        static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    RegisterWindowClass(instance, L"PreviewHostPreview", DefWindowProcW,
                        static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

    host.dialog =
        Make(L"PreviewHostDialog", L"Display Properties", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
             options.at.x, options.at.y, 420, 320, nullptr, instance);
    host.page =
        Make(L"#32770", options.pageTitle.c_str(), WS_CHILD, 0, 0, 400, 280, host.dialog, instance);
    HWND listParent = host.page;
    if (options.otherTree) {
        listParent =
            Make(L"Button", L"", WS_CHILD | BS_GROUPBOX, 5, 5, 190, 150, host.page, instance);
    }
    host.list = Make(L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST | WS_VSCROLL, 10, 10, 180, 120,
                     listParent, instance);
    if (!host.dialog || !host.page || !host.list) return false;
    // Unsorted: the entries keep this order.
    for (const wchar_t* entry : {L"Blank", options.entry.c_str(), L"Other"}) {
        SendMessageW(host.list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    SendMessageW(host.list, CB_SETCURSEL, 1, 0);

    HWND frameInner = nullptr;
    if (options.popup) {
        // GetParent of an owned pop-up is its owner: preview -> inner -> outer -> dialog. Under
        // Wine on a bare X server a top-level window lying wholly inside another one of the same
        // program shows black, so the pop-ups stand side by side instead of nested.
        HWND frameOuter = host.dialog;
        if (!options.otherTree) {
            frameOuter =
                Make(L"PreviewHostFrame", L"", WS_POPUP, 480, 20, 60, 40, host.dialog, instance);
        }
        frameInner =
            Make(L"PreviewHostFrame", L"", WS_POPUP, 480, 80, 60, 40, frameOuter, instance);
        host.preview = Make(L"PreviewHostPreview", L"", WS_POPUP, 600, 300, PreviewWidth,
                            PreviewHeight, frameInner, instance);
    } else {
        // Real children: preview -> frame -> page -> dialog (or preview -> frame -> dialog).
        HWND frameParent = options.otherTree ? host.dialog : host.page;
        frameInner =
            Make(L"PreviewHostFrame", L"", WS_CHILD, 200, 40, 180, 140, frameParent, instance);
        host.preview = Make(L"PreviewHostPreview", L"", WS_CHILD, 14, 14, PreviewWidth,
                            PreviewHeight, frameInner, instance);
    }
    return frameInner && host.preview;
}

// The command line's options; false when it is not understood.
bool ReadOptions(int argc, char** argv, HostOptions& options) {
    if (argc < 2) return false;
    options.popup = std::strcmp(argv[1], "popup") == 0;
    if (!options.popup && std::strcmp(argv[1], "child") != 0) return false;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--other-tree") == 0) {
            options.otherTree = true;
        } else if (std::strcmp(argv[i], "--entry") == 0 && i + 1 < argc) {
            const std::string entry = argv[++i];
            options.entry.assign(entry.begin(), entry.end());  // plain ASCII names
        } else if (std::strcmp(argv[i], "--at") == 0 && i + 2 < argc) {
            options.at.x = std::atoi(argv[++i]);
            options.at.y = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--page-title") == 0 && i + 1 < argc) {
            const std::string title = argv[++i];
            options.pageTitle.assign(title.begin(), title.end());  // plain ASCII titles
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    HostOptions options;
    if (!ReadOptions(argc, argv, options)) {
        std::fputs(
            "usage: preview_host child|popup [--page-title TEXT] [--other-tree] [--entry NAME] "
            "[--at X Y]\n",
            stderr);
        return 2;
    }
    if (!BuildWindows(options, GetModuleHandleW(nullptr))) {
        Say("failed");
        return 1;
    }
    UpdateWindow(host.dialog);

    POINT origin = {0, 0};
    ClientToScreen(host.preview, &origin);
    RECT client = {};
    GetClientRect(host.preview, &client);
    Say("dialog=" + Handle(host.dialog));
    Say("page=" + Handle(host.page));
    Say("list=" + Handle(host.list));
    Say("preview=" + Handle(host.preview));
    Say("preview_rect=" + std::to_string(origin.x) + "," + std::to_string(origin.y) + "," +
        std::to_string(client.right) + "," + std::to_string(client.bottom));
    Say("ready");

    std::thread(ReadCommands, host.dialog).detach();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The reader thread may still be blocked on input: end without waiting for it.
    ExitProcess(0);
}
