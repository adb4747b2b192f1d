// The two ways the program opens its About box: over the running saver and from the dialog's menu.
#include "win32/about/about_box.h"
#include "win32/host/app_window.h"
#include "win32/host/form_window.h"
#include "win32/host/message_pump.h"

namespace globulon {

void ShowSaverAbout(AboutBox& box, const FormContext& context, bool pin, int iconId,
                    const std::wstring& comment) {
    box.SetContext(context);
    if (pin) {
        box.Load();
        box.Interval(10000);
        MakeTopMost(box.Hwnd());
    }
    // Icons loaded from resources are shared: nothing to give back.
    HICON icon = LoadIconW(ProgramInstance(), MAKEINTRESOURCEW(iconId));
    box.About(comment, AboutPicture::FromIcon(icon));
}

void ShowAboutBox(AboutBox& box, const FormContext& context, const std::wstring& comment,
                  AboutPicture picture) {
    box.SetContext(context);
    box.Load();
    // Let the freshly made box settle before it is filled.
    if (!PumpMessages()) PostQuitMessage(0);
    box.About(comment, picture);
}

}  // namespace globulon
