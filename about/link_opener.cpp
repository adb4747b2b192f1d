// The link opener; see link_opener.h.
#include "about/link_opener.h"

#include <shellapi.h>

#include "about/link_result.h"

namespace globulon {

std::wstring OpenLink(HWND owner, const std::wstring& target) {
    // The default verb opens the target with its associated program in a normal window.
    const HINSTANCE result =
        ShellExecuteW(owner, nullptr, target.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
    // The result is a number dressed as a module handle: above 32 for success.
    return LinkResultText(static_cast<long long>(reinterpret_cast<INT_PTR>(result)));
}

}  // namespace globulon
