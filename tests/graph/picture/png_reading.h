// PNG files read back through libpng, as any other program would read them,
// so that the tests see what the file holds rather than what was meant.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumenbox::picture_tests {

struct PngColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const PngColour&) const = default;
};

struct DecodedPng {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;    // as stored in the file
    int colourType = 0;  // PNG_COLOR_TYPE_PALETTE or PNG_COLOR_TYPE_RGB, say
    std::vector<PngColour> palette;
    // Rows top first: one index per pixel (unpacked) or red, green, blue.
    std::vector<std::uint8_t> pixels;
    std::vector<std::uint8_t*> rows;  // libpng's row table into `pixels`

    // The colour of pixel (x, y), through the palette for an indexed file;
    // none for an index past the palette.
    std::optional<PngColour> ColourAt(std::uint32_t x, std::uint32_t y) const;
};

// Reads the whole file; false (with the reason in `error`) when it is not
// a PNG libpng reads to its end without complaint.
bool ReadPng(const std::string& path, DecodedPng& picture, std::string& error);

}  // namespace lumenbox::picture_tests
