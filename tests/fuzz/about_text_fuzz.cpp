// Fuzzes the About text builder with any comment, version and titles, and its Win32 line breaks.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "core/forms/about_text.h"
#include "tests/fuzz/fuzz_input.h"

using namespace globulon;

namespace {

std::wstring Without(std::wstring text, wchar_t c) {
    text.erase(std::remove(text.begin(), text.end(), c), text.end());
    return text;
}

// Line index (from 0) of the e-mail invitation, or -1 when it is missing.
int InvitationLine(const std::wstring& text) {
    const std::size_t at = text.rfind(L"for comments or bugs send e-mail");
    if (at == std::wstring::npos || (at > 0 && text[at - 1] != AboutLineBreak)) return -1;
    return static_cast<int>(std::count(text.begin(), text.begin() + at, AboutLineBreak));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    VersionNumbers version;
    version.Major = input.ConsumeIntegral<int>();
    version.Minor = input.ConsumeIntegral<int>();
    version.Revision = input.ConsumeIntegral<int>();
    const std::wstring comment = fuzz::ConsumeWideText(input, 128);
    // Line breaks in the title or the years would move the lines below on purpose.
    const std::wstring title = Without(fuzz::ConsumeWideText(input, 64), AboutLineBreak);
    const std::wstring years = Without(fuzz::ConsumeWideText(input, 32), AboutLineBreak);

    const std::wstring text = BuildAboutText(comment, version, title, years);
    if (CountReturns(comment) <= 2) {
        fuzz::Require(InvitationLine(text) == 6, "the e-mail invitation is line 7");
    }
    const std::wstring windowsText = WithWindowsLineBreaks(text);
    fuzz::Require(Without(windowsText, L'\n') == Without(text, L'\n'), "only line feeds added");
    for (std::size_t at = windowsText.find(L'\r'); at != std::wstring::npos;
         at = windowsText.find(L'\r', at + 1)) {
        fuzz::Require(at + 1 < windowsText.size() && windowsText[at + 1] == L'\n',
                      "no carriage return stands alone");
    }
    return 0;
}
