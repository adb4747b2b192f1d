// What one frame of the sphere draws; see sphere_frame.h.
#include "scene/sphere_frame.h"

#include <algorithm>

namespace globulon {

namespace {

// Every rim entry up to last joined to every later one, as join(i, j). The last entry coincides
// with the first, so (0, last) is a dot alone and each (k, last) repeats the chord (k, 0).
template <typename Join>
void ForEachChord(int last, const Join& join) {
    for (int i = 0; i <= last; ++i) {
        for (int j = i + 1; j <= last; ++j) join(i, j);
    }
}

// The last rim entry the chords join; -1 for a rim not yet built.
int LastRimEntry(const SphereScene& scene) {
    return std::min<int>(scene.RimMax, static_cast<int>(scene.Rim.size()) - 1);
}

// The black disc wipes everything inside it, the previous frame's chords included. Once it
// covers the whole area, a plain fill gives the same pixels far more cheaply.
void DrawDisc(const SphereScene& scene, FrameCanvas& canvas) {
    if (DiscCoversArea(scene)) {
        canvas.FillArea(AreaBox(scene));
    } else {
        canvas.Disc(DiscBox(scene));
    }
}

void DrawChords(const SphereScene& scene, FrameCanvas& canvas) {
    ForEachChord(LastRimEntry(scene), [&](int i, int j) {
        canvas.MoveDot(RimPointPixel(scene, i), scene.PenColor);
        canvas.LineTo(RimPointPixel(scene, j));
    });
}

}  // namespace

void DrawSphereFrame(SphereScene& scene, float now, FrameCanvas& canvas) {
    if (ApplyRadiusRule(scene, now)) canvas.ClearPicture();
    DrawDisc(scene, canvas);
    DrawChords(scene, canvas);
}

void RedrawSphereFrame(SphereScene& scene, float now, ReusingCanvas& canvas, DrawnFrame& last) {
    if (ApplyRadiusRule(scene, now)) {
        canvas.ClearPicture();
        last.BlackButChords = false;
    }
    const bool covers = DiscCoversArea(scene);
    if (covers && last.BlackButChords) {
        // The fill would paint black over black everywhere but on the old chords: taking them
        // back costs far less than every pixel of the area. (While the disc ends on the screen,
        // drawing it whole measured cheaper than taking the chords back.)
        const int lastEntry = static_cast<int>(last.Rim.size()) - 1;
        ForEachChord(lastEntry, [&](int i, int j) {
            canvas.EraseChord(last.Rim[static_cast<std::size_t>(i)],
                              last.Rim[static_cast<std::size_t>(j)]);
        });
    } else {
        DrawDisc(scene, canvas);
    }
    DrawChords(scene, canvas);

    last.BlackButChords = covers;
    last.Rim.clear();
    for (int k = 0; k <= LastRimEntry(scene); ++k) last.Rim.push_back(RimPointPixel(scene, k));
}

bool PickColorWhenDue(SphereScene& scene, float& lastChange, double interval, float now,
                      const std::function<float()>& uniform) {
    if (!ColorChangeDue(scene, lastChange, interval, now)) return false;
    scene.PenColor = PickColor(uniform);
    lastChange = now;
    return true;
}

}  // namespace globulon
