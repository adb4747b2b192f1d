// The shell's answers as texts; see link_result.h.
#include "core/forms/link_result.h"

namespace globulon {

std::wstring LinkResultText(long long shellResult) {
    // The shell reports success with any value above 32 and failure with a code up to 32.
    if (shellResult > 32) return L"";
    switch (shellResult) {
        case 2:
            return L"File not found.";
        case 3:
            return L"Path not found.";
        case 5:
            return L"Access denied.";
        case 27:
            return L"Incomplete association type of file.";
        case 31:
            return L"Missing association type of file.";
        default:
            return L"Generic access file error.";
    }
}

std::wstring LinkResultText(bool opened, long long shellCode) {
    if (opened) return L"";
    return LinkResultText(shellCode > 32 ? 0 : shellCode);
}

}  // namespace globulon
