// The link opener; see link_opener.h.
#include "win32/about/link_opener.h"

#include <objbase.h>

#include "core/forms/link_result.h"

namespace globulon {
namespace {

// COM on the calling thread while the object lives, as the shell's extensions (a mail or web
// handler registered through COM) need it: apartment-threaded, without OLE1's DDE. A thread
// that has COM of another kind already keeps it as it is.
class ComApartment {
  public:
    ComApartment()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) CoUninitialize();
    }

  private:
    bool initialised_;
};

}  // namespace

std::wstring OpenLink(HWND owner, const std::wstring& target) {
    return OpenLinkWith(owner, target,
                        [](SHELLEXECUTEINFOW& info) { return ShellExecuteExW(&info) != FALSE; });
}

std::wstring OpenLinkWith(HWND owner, const std::wstring& target,
                          const ShellExecuteCall& shellExecute) {
    const ComApartment com;
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof(info);
    // The call returns once the shell has handed the target over: the program may end right
    // after a link is chosen. A failure is told by the result, never in a message box, as the
    // plain ShellExecuteW call did before.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = nullptr;  // the default verb
    info.lpFile = target.c_str();
    info.lpDirectory = L"C:\\";
    info.nShow = SW_SHOWNORMAL;
    const bool opened = shellExecute && shellExecute(info);
    // On failure hInstApp holds the shell's error code, a number dressed as a module handle.
    return LinkResultText(opened, static_cast<long long>(reinterpret_cast<INT_PTR>(info.hInstApp)));
}

}  // namespace globulon
