// The settings dialog's controls: names, kinds, captions, tab order and positions in twips, and
// the conversion of those positions to pixels at a monitor's DPI. Window-free, so the layout can
// be checked alone.
#pragma once

#include <array>
#include <cstdint>

#include "core/forms/dpi_scale.h"
#include "core/settings/twips.h"

namespace globulon {

enum class ControlKind { CheckBox, OptionButton, Label, DropDownList, PushButton, Frame, Swatch };

// Control identifiers; OK and Cancel carry the dialog keys' identifiers (IDOK and IDCANCEL) so
// that Enter and Escape reach them.
enum class SetupControlId : int {
    OK = 1,
    Cancel = 2,
    Black = 100,
    Mouse,
    Random,
    Fisso,
    RedLabel,
    Red,
    GreenLabel,
    Green,
    BlueLabel,
    Blue,
    Frame,
    Swatch,
};

struct SetupControlLayout {
    const wchar_t* Name;
    SetupControlId Id;
    ControlKind Kind;
    const wchar_t* Caption;
    TwipsRect Position;  // relative to Frame1 when InFrame
    bool InFrame;
};

inline constexpr int SetupClientWidthTwips = 4125;
inline constexpr int SetupClientHeightTwips = 3030;

// In tab order, which is also the order the controls are made in.
inline constexpr std::array<SetupControlLayout, 14> SetupLayout = {{
    {L"chkBlack",
     SetupControlId::Black,
     ControlKind::CheckBox,
     L"&Delete Screen",
     {180, 210, 2055, 195},
     false},
    {L"chkMouse",
     SetupControlId::Mouse,
     ControlKind::CheckBox,
     L"&Mouse sensitivity",
     {180, 540, 2085, 195},
     false},
    {L"optRandom",
     SetupControlId::Random,
     ControlKind::OptionButton,
     L"Random &Colors",
     {300, 960, 1605, 195},
     false},
    {L"optFisso",
     SetupControlId::Fisso,
     ControlKind::OptionButton,
     L"&Only one color",
     {300, 1260, 1545, 195},
     false},
    {L"Label1",
     SetupControlId::RedLabel,
     ControlKind::Label,
     L"&Red:",
     {1695, 270, 345, 195},
     true},
    {L"cboRed", SetupControlId::Red, ControlKind::DropDownList, L"", {2475, 210, 1125, 315}, true},
    {L"Label2",
     SetupControlId::GreenLabel,
     ControlKind::Label,
     L"&Green:",
     {1695, 630, 480, 195},
     true},
    {L"cboGreen",
     SetupControlId::Green,
     ControlKind::DropDownList,
     L"",
     {2475, 570, 1125, 315},
     true},
    {L"Label3",
     SetupControlId::BlueLabel,
     ControlKind::Label,
     L"&Blue:",
     {1695, 990, 360, 195},
     true},
    {L"cboBlue",
     SetupControlId::Blue,
     ControlKind::DropDownList,
     L"",
     {2475, 930, 1125, 315},
     true},
    {L"cmdOK", SetupControlId::OK, ControlKind::PushButton, L"OK", {2820, 150, 1125, 345}, false},
    {L"cmdCancel",
     SetupControlId::Cancel,
     ControlKind::PushButton,
     L"Cancel",
     {2820, 600, 1125, 345},
     false},
    {L"Frame1", SetupControlId::Frame, ControlKind::Frame, L"", {150, 1470, 3795, 1365}, false},
    {L"lblColor", SetupControlId::Swatch, ControlKind::Swatch, L"", {165, 420, 975, 615}, true},
}};

// A control's rectangle in pixels of the dialog's client area, on a monitor of the given DPI.
PixelRect SetupControlPixels(const SetupControlLayout& control, int dpi);

// The layout entry of a control, or nullptr for an unknown identifier.
const SetupControlLayout* FindSetupControl(SetupControlId id);

}  // namespace globulon
