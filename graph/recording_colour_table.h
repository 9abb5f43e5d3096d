// How a presented frame (0x00RRGGBB pixels) becomes a GIF frame of colour
// indices and a colour table of at most 256 entries.
#pragma once

#include <cstdint>
#include <vector>

#include "graph/recording_gif_file.h"

namespace lumenbox {

// Palette kinds: the palette is the colour table, and each pixel takes the
// index of the entry with its colour (the lowest of equals), or of the
// nearest entry for a colour the palette lacks.
IndexedFrame IndexByPalette(const std::uint32_t* pixels, int width, int height,
                            const std::vector<std::uint32_t>& palette);

// Kind 9: a table of the frame's own colours when it has at most 256, else
// 256 colours chosen by a median-cut quantiser.
IndexedFrame IndexByQuantising(const std::uint32_t* pixels, int width, int height);

}  // namespace lumenbox
