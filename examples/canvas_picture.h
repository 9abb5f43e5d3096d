// Writing the canvas as a picture, for the examples' --save options: a binary
// PPM with every pixel through the palette it shows.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include <lumenbox/graph.h>

namespace lumenbox::examples {

// The whole canvas of a palette window; the view area must be the whole
// canvas, since blocks are read relative to it. False if the file could not
// be written.
inline bool SaveCanvasPicture(const char* path) {
    const PixelBlock canvas = CopyBlock(0, 0, static_cast<std::int16_t>(GraphState.MaxX),
                                        static_cast<std::int16_t>(GraphState.MaxY));
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    std::fprintf(file, "P6\n%d %d\n255\n", canvas.Width, canvas.Height);
    std::vector<unsigned char> bytes;
    bytes.reserve(canvas.Pixels.size() * 3);
    for (const std::uint32_t value : canvas.Pixels) {
        const win::RGBQUAD colour = GraphState.ColorTable[value % GraphState.ColorTable.size()];
        bytes.insert(bytes.end(), {colour.rgbRed, colour.rgbGreen, colour.rgbBlue});
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace lumenbox::examples
