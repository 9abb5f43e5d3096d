// fire_picture FILE: vyr's fire after 200 frames, written to FILE as a PNG
// picture, for the README. The frames follow one another without waiting:
// the fire's picture depends on how many frames burned, not on how fast.
#include <cstdio>

#include <lumenbox/graph.h>
#include <lumenbox/random.h>

#include "fire.h"

int main(int argc, char** argv) {
    using namespace lumenbox;
    if (argc != 2) {
        std::fprintf(stderr, "usage: fire_picture FILE\n");
        return 2;
    }
    constexpr int Frames = 200;
    DemoKind = 3;
    DemoSize = 4;
    OpenGraphics(DemoKind, DemoSize, "Vyr");
    if (!IsGraphOpen()) {
        std::fprintf(stderr, "fire_picture: cannot open the window: status %d (%s)\n", GraphState.GraphStatus.load(),
                     StatusMeaning(GraphState.GraphStatus));
        return 1;
    }
    SeedRandom();
    LoadFirePalette();
    for (int frame = 0; frame < Frames; ++frame) FireFrame();
    SavePicture(argv[1]);
    const bool saved = GraphState.GraphStatus == StatusOk;
    CloseGraphics();
    if (!saved) std::fprintf(stderr, "fire_picture: cannot write %s\n", argv[1]);
    return saved ? 0 : 1;
}
