// Prints the frame counts of one full-screen cycle on a screen of the given size, for the
// benchmark to place its measurements: the frames from the first to the start of the rest, and
// the first and last frame whose disc covers the whole screen (counting the first frame as 0).
//   cycle_frames WIDTH HEIGHT
#include <cstdio>
#include <cstdlib>

#include "core/front_end.h"
#include "core/sphere/sphere_model.h"

int main(int argc, char** argv) {
    using namespace globulon;
    if (argc != 3) {
        std::fprintf(stderr, "usage: cycle_frames WIDTH HEIGHT\n");
        return 2;
    }
    SphereScene scene = StartUpScene({});
    SetFullScreenParameters(scene);
    SetFullScreenCentre(scene, std::atoi(argv[1]), std::atoi(argv[2]));
    int coverFirst = -1, coverLast = -1, frame = 0;
    // Ten frames a second on the clock; the rest starts on the frame that finds the smallest
    // radius.
    for (; !scene.Pausing; ++frame) {
        ApplyRadiusRule(scene, 1000.0f + 0.1f * static_cast<float>(frame));
        if (DiscCoversArea(scene)) {
            if (coverFirst < 0) coverFirst = frame;
            coverLast = frame;
        }
    }
    std::printf("frames_to_rest=%d cover_first=%d cover_last=%d\n", frame, coverFirst, coverLast);
    return 0;
}
