// The life of an example that draws one still picture: open a 640 x 480
// window of 256 colours, draw, then either write what the window shows to a
// PNG file and end (`--save FILE`) or wait for Escape.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>

namespace lumenbox::examples {

inline int ShowOrSaveStillPicture(const char* program, const char* caption, void (*draw)(), int argc, char** argv) {
    const bool save = argc == 3 && std::strcmp(argv[1], "--save") == 0;
    std::int16_t kind = 3;
    std::int16_t size = 4;
    OpenGraphics(kind, size, caption);
    if (!IsGraphOpen()) {
        std::fprintf(stderr, "%s: cannot open the window: status %d (%s)\n", program,
                     GraphState.GraphStatus.load(), StatusMeaning(GraphState.GraphStatus));
        return 1;
    }
    draw();
    if (save) {
        SavePicture(argv[2]);
        const bool saved = GraphState.GraphStatus == StatusOk;
        CloseGraphics();
        if (!saved) std::fprintf(stderr, "%s: cannot write %s\n", program, argv[2]);
        return saved ? 0 : 1;
    }
    while (NextKey() != 27) {
    }
    CloseGraphics();
    return 0;
}

}  // namespace lumenbox::examples
