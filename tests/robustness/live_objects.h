// What a graphics window owns while it lives and must give back when it
// closes: GDI objects of every type, windows, thread handles, OpenGL
// contexts, and the window thread itself.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace lumenbox::robustness {

struct LiveObjects {
    static constexpr std::size_t GdiTypes = 8;

    std::array<std::size_t, GdiTypes> gdi{};
    std::size_t windows = 0;
    std::size_t threadHandles = 0;
    std::size_t glContexts = 0;
    std::size_t systemThreads = 0;  // threads of the process, as the system lists them

    static LiveObjects Now();
    // What is left over compared with `before`, e.g. "brushes 3 -> 4"; empty
    // when nothing is. Ended threads may take a moment to leave the system's
    // list, so it waits for them (a guard against a hang, not a time limit).
    std::string LeftOverSince(const LiveObjects& before) const;
};

}  // namespace lumenbox::robustness
