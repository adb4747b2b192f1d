// Building the About text; see about_text.h.
#include "core/forms/about_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/forms/author_texts.h"

namespace globulon {
namespace {

const std::wstring CR(1, AboutLineBreak);

bool IsBlank(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c == L' '; });
}

// The blank lines around the comment, chosen so that the lines below keep their places.
struct Spacing {
    std::wstring Lead;   // before the title
    std::wstring Block;  // the comment and what follows it
    std::wstring Gap;    // between the location line and the e-mail invitation
};

Spacing ChooseSpacing(const std::wstring& comment) {
    // A comment starting with a line break counts as no comment: it is not shown.
    if (IsBlank(comment) || comment.front() == AboutLineBreak) return {CR, CR, CR};
    const int returns = CountReturns(comment);
    if (returns >= 2) return {L"", comment + CR, L""};
    if (returns == 1) return {L"", comment + CR + CR, L""};
    return {L"", comment + CR + CR, CR};
}

}  // namespace

std::wstring BuildAboutText(const std::wstring& comment, const VersionNumbers& version,
                            const std::wstring& title, const std::wstring& copyrightYears) {
    const Spacing spacing = ChooseSpacing(comment);
    const std::wstring revision =
        version.Revision > 0 ? L"." + std::to_wstring(version.Revision) : std::wstring();
    const std::wstring email(AuthorEmail);
    const std::wstring web(WebSiteAddress);

    std::wstring text;
    text += spacing.Lead + title + L"  \u2013  version " + std::to_wstring(version.Major) + L"." +
            std::to_wstring(version.Minor) + revision + CR;
    text += spacing.Block;
    text += L"Copyright \u00A9 " + copyrightYears + L", " + AuthorName() + CR;
    text += std::wstring(AuthorLocation) + CR;
    text += spacing.Gap;
    text += L"for comments or bugs send e-mail to address:" + CR;
    // Blank room as long as each address, where the link labels sit over the text.
    text += std::wstring(email.size(), L' ') + std::wstring(12, L' ') +
            L"or check for updates on the web:" + CR;
    text += std::wstring(web.size(), L' ');
    return text;
}

std::int16_t CountReturns(const std::wstring& text) {
    // A count past the 16-bit range stays at its top instead of wrapping to a negative number.
    const auto count = std::count(text.begin(), text.end(), AboutLineBreak);
    return static_cast<std::int16_t>(std::min<std::ptrdiff_t>(count, INT16_MAX));
}

std::wstring WithWindowsLineBreaks(const std::wstring& text) {
    std::wstring result;
    result.reserve(text.size() + static_cast<std::size_t>(CountReturns(text)));
    for (std::size_t i = 0; i < text.size(); ++i) {
        result += text[i];
        const bool followedByLineFeed = i + 1 < text.size() && text[i + 1] == L'\n';
        if (text[i] == AboutLineBreak && !followedByLineFeed) result += L'\n';
    }
    return result;
}

}  // namespace globulon
