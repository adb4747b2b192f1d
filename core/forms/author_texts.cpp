// The author's name and web address, assembled from character codes; see author_texts.h.
#include "core/forms/author_texts.h"

#include <initializer_list>

namespace globulon {
namespace {

// The credit texts are kept as character codes, not as plain strings, so that a search-and-replace
// on the executable's strings does not quietly change the credit.
std::wstring FromCodes(std::initializer_list<int> codes) {
    std::wstring text;
    for (const int code : codes) text += static_cast<wchar_t>(code);
    return text;
}

}  // namespace

std::wstring AuthorName() {
    return FromCodes({71,  108, 111, 98, 117, 108, 111, 110, 32, 80, 114,
                      111, 106, 101, 99, 116, 32,  84,  101, 97, 109});
}

std::wstring WebAddress() {
    return FromCodes({104, 116, 116, 112, 115, 58, 47,  47,  103, 108, 111, 98,  117, 108,
                      111, 110, 46,  101, 120, 97, 109, 112, 108, 101, 46,  111, 114, 103});
}

}  // namespace globulon
