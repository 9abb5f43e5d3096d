// What a graphics window owns while it lives and must have given back once it
// is closed: GDI objects of every type, windows, thread handles and OpenGL
// contexts, counted when the record is made.
#pragma once

#include <cstddef>
#include <ostream>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/probes.h>

namespace lumenbox::window_test {

struct Leftovers {
    std::size_t pens = win::probe::LiveGdiObjects(win::OBJ_PEN);
    std::size_t brushes = win::probe::LiveGdiObjects(win::OBJ_BRUSH);
    std::size_t windowDCs = win::probe::LiveGdiObjects(win::OBJ_DC);
    std::size_t memoryDCs = win::probe::LiveGdiObjects(win::OBJ_MEMDC);
    std::size_t palettes = win::probe::LiveGdiObjects(win::OBJ_PAL);
    std::size_t fonts = win::probe::LiveGdiObjects(win::OBJ_FONT);
    std::size_t bitmaps = win::probe::LiveGdiObjects(win::OBJ_BITMAP);
    std::size_t regions = win::probe::LiveGdiObjects(win::OBJ_REGION);
    std::size_t windows = win::probe::LiveWindows();
    std::size_t threadHandles = win::probe::LiveThreadHandles();
    std::size_t glContexts = win::probe::LiveGLContexts();
    bool operator==(const Leftovers&) const = default;
};

inline void PrintTo(const Leftovers& l, std::ostream* out) {
    *out << "pens " << l.pens << ", brushes " << l.brushes << ", window DCs " << l.windowDCs << ", memory DCs "
         << l.memoryDCs << ", palettes " << l.palettes << ", fonts " << l.fonts << ", bitmaps " << l.bitmaps
         << ", regions " << l.regions << ", windows " << l.windows << ", thread handles " << l.threadHandles
         << ", GL contexts " << l.glContexts;
}

}  // namespace lumenbox::window_test
