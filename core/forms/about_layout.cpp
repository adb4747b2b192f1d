// Where the About box puts its links and itself; see about_layout.h.
#include "core/forms/about_layout.h"

namespace globulon {

std::int32_t LinkTopOnLine(std::int32_t textTop, std::int32_t lineHeight, int line,
                           std::int32_t textAscent, std::int32_t linkAscent) {
    return textTop + (line - 1) * lineHeight + (textAscent - linkAscent);
}

std::int32_t CentredOffset(std::int32_t outer, std::int32_t inner) {
    return (outer - inner) / 2;
}

}  // namespace globulon
