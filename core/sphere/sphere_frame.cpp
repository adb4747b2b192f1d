// What one frame of the sphere draws; see sphere_frame.h.
#include "core/sphere/sphere_frame.h"

#include <algorithm>

namespace globulon {

void DrawSphereFrame(SphereScene& scene, float now, ColorValue penColor, FrameCanvas& canvas) {
    if (ApplyRadiusRule(scene, now)) canvas.ClearPicture();

    // The black disc wipes everything inside it, the previous frame's chords included. Once it
    // covers the whole area, a plain fill gives the same pixels far more cheaply.
    if (DiscCoversArea(scene)) {
        canvas.FillArea(AreaBox(scene));
    } else {
        canvas.Disc(DiscBox(scene));
    }

    // Every rim point joined to every later one. The last entry coincides with the first, so
    // (0, last) is a dot alone and each (k, last) repeats the chord (k, 0). A rim not yet built
    // has no entries to join.
    const int last = std::min<int>(scene.RimMax, static_cast<int>(scene.Rim.size()) - 1);
    for (int i = 0; i <= last; ++i) {
        for (int j = i + 1; j <= last; ++j) {
            canvas.MoveDot(RimPointPixel(scene, i), penColor);
            canvas.LineTo(RimPointPixel(scene, j));
        }
    }
}

}  // namespace globulon
