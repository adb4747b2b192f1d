// What a front end (the Windows program, the X11 program, any other) gives the core and what it
// gets back. The front end owns its windows, its loop, its clock and its events; the core owns
// the spheres, the pen and the frame step. Everything a front end needs of the core is named here.
//
// What a front end gives:
//
// - A canvas: a SaverCanvas (core/sphere/saver_core.h, built on FrameCanvas in
//   core/sphere/sphere_frame.h) that draws the few figures of a frame with the front end's own
//   calls: a disc, an area filled black, a dot, a line in the pen, the picture cleared to its
//   background. Each sphere's figures come between EnterArea and LeaveArea, with the area's corner
//   as (0, 0) and clipped to the area; SetPen says the pen has a new colour.
// - A clock reading: seconds since local midnight as a float (0 up to 86400, then 0 again), read
//   by the front end once a frame and handed to SaverCore::Tick. The core reads no clock, so a
//   test can hold time still.
// - The monitors: each monitor (output) as a PixelRect in the front end's pixels, the primary one
//   first, with the corner of the drawing area in the same pixels. Each gets a sphere of its own.
// - One integer seed (StartUp::Seed), the only source of the random pen's colours, chosen once
//   at start-up (SeedFromClockSeconds in core/sphere/random_source.h makes one from a clock).
// - The loop: a frame (SaverCore::Tick), then a wait of FrameWaitSeconds during which the front
//   end handles its events; after the monitors change, SaverCore::LayOut.
//
// What it gets back: a SaverCore from StartFullScreen or StartPreview, whose PenColor is the pen
// the canvas starts with, and whose Tick draws each frame on the canvas.
#pragma once

#include <cstdint>
#include <vector>

#include "core/color_value.h"
#include "core/pixel_rect.h"
#include "core/sphere/saver_core.h"
#include "core/sphere/sphere_frame.h"
#include "core/sphere/sphere_model.h"

namespace globulon {

// Twips per pixel of a 96-dots-per-inch screen: the usual one, and what a front end that cannot
// tell its screen's scale assumes.
inline constexpr std::int16_t TwipsPerPixelAt96Dpi = 15;

// What the front end knows at start-up: the pen and background it was asked for, its screen's
// scale and its seed. The rest of the start-up scene is the core's.
struct StartUp {
    // A random light pen that changes as the sphere runs (red until the first change, which is
    // due at once), or FixedPen throughout.
    bool RandomPen = true;
    ColorValue FixedPen = MakeColor(255, 255, 255);
    // Black behind the sphere, or a picture of the desktop, which the front end's canvas paints
    // when it clears the picture.
    bool BlackScreen = true;
    // 1440 divided by the screen's dots per inch: the sphere's size follows the screen's scale.
    std::int16_t TwipsPerPixelX = TwipsPerPixelAt96Dpi;
    std::int16_t TwipsPerPixelY = TwipsPerPixelAt96Dpi;
    // The random pen's seed. The same seed gives the same colours.
    std::uint32_t Seed = 0;
};

// Twips per pixel at dpi dots per inch, halves to even, at least 1; TwipsPerPixelAt96Dpi for a
// dpi of 0 or less, which no screen has.
std::int16_t TwipsPerPixelForDpi(int dpi);

// The scene every sphere starts from: pi, 13 rim points, the screen's scale, the background and
// the first pen. It has no size yet: StartFullScreen and StartPreview give it one.
SphereScene StartUpScene(const StartUp& startUp);

// The full-screen saver: a sphere for each monitor, sized as a full screen of that monitor,
// colours changing at the full-screen pace. monitors and the drawing area's corner (originX,
// originY) are in the same pixels. An empty list shows nothing until LayOut gives monitors.
SaverCore StartFullScreen(const StartUp& startUp, const std::vector<PixelRect>& monitors,
                          std::int32_t originX = 0, std::int32_t originY = 0);

// The preview: one smaller, quicker sphere in a client area of width x height pixels, colours
// changing at the preview's pace.
SaverCore StartPreview(const StartUp& startUp, std::int32_t width, std::int32_t height);

}  // namespace globulon
