// The About box as designed, in twips, and the placing of its links and of the box itself.
#pragma once

#include <cstdint>

#include "core/settings/twips.h"

namespace globulon {

// The design: the client area, and each control relative to the client area (the controls drawn
// inside the frame carry the frame's offset already). The frame is an etched edge around them.
namespace about_design {
inline constexpr std::int32_t ClientWidth = 6555;
inline constexpr std::int32_t ClientHeight = 3180;
inline constexpr TwipsRect Frame = {180, 105, 6225, 2895};
inline constexpr TwipsRect OkButton = {2730, 2595, 1095, 345};
inline constexpr TwipsRect AboutLabel = {180 + 885, 105 + 210, 5190, 2220};
inline constexpr TwipsRect Icon = {180 + 270, 105 + 480, 480, 480};
// The link labels' design places; at run time they move onto text lines 8 and 9.
inline constexpr TwipsRect MailLabel = {180 + 885, 105 + 1905, 570, 225};
inline constexpr TwipsRect WebLabel = {180 + 885, 105 + 2145, 570, 225};
// Font sizes in points.
inline constexpr double TextFontPoints = 9.75;  // lblAbout and btnOK
inline constexpr double LinkFontPoints = 9.0;
// Text lines of lblAbout that begin with the blank room for the links (counted from 1).
inline constexpr int MailLine = 8;
inline constexpr int WebLine = 9;
}  // namespace about_design

// The top of a link label that sits on text line `line` (from 1) of a label at textTop whose
// lines are lineHeight apart, with the baselines of both fonts on one level.
std::int32_t LinkTopOnLine(std::int32_t textTop, std::int32_t lineHeight, int line,
                           std::int32_t textAscent, std::int32_t linkAscent);

// The offset that centres a length within another (negative when it does not fit), truncating.
std::int32_t CentredOffset(std::int32_t outer, std::int32_t inner);

}  // namespace globulon
