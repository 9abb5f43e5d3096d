// Colour tables of recorded frames.
#include "graph/recording_colour_table.h"

#include <gif_lib.h>

#include <cstddef>
#include <limits>
#include <unordered_map>

namespace lumenbox {

namespace {

std::size_t PixelCount(int width, int height) {
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

std::int64_t SquaredDistance(std::uint32_t a, std::uint32_t b) {
    std::int64_t sum = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::int64_t d = static_cast<std::int64_t>((a >> shift) & 0xFF) - ((b >> shift) & 0xFF);
        sum += d * d;
    }
    return sum;
}

std::uint8_t NearestEntry(std::uint32_t colour, const std::vector<std::uint32_t>& palette) {
    std::size_t best = 0;
    std::int64_t bestDistance = std::numeric_limits<std::int64_t>::max();
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        const std::int64_t distance = SquaredDistance(colour, palette[i]);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<std::uint8_t>(best);
}

// The frame's distinct colours in order of first appearance, with each
// pixel's index among them; false when there are more than 256.
bool IndexByOwnColours(const std::uint32_t* pixels, std::size_t count, IndexedFrame& frame) {
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::uint32_t lastColour = 0;
    std::uint8_t lastIndex = 0;
    bool haveLast = false;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t colour = pixels[i] & 0xFFFFFF;
        if (!haveLast || colour != lastColour) {
            auto [found, added] = indexOf.try_emplace(colour, static_cast<std::uint8_t>(frame.colours.size()));
            if (added) {
                if (frame.colours.size() == 256) return false;
                frame.colours.push_back(colour);
            }
            lastColour = colour;
            lastIndex = found->second;
            haveLast = true;
        }
        frame.indices[i] = lastIndex;
    }
    return true;
}

// giflib's median-cut quantiser, which works on separate colour planes.
bool IndexByMedianCut(const std::uint32_t* pixels, int width, int height, IndexedFrame& frame) {
    const std::size_t count = PixelCount(width, height);
    std::vector<GifByteType> red(count), green(count), blue(count);
    for (std::size_t i = 0; i < count; ++i) {
        red[i] = static_cast<GifByteType>(pixels[i] >> 16);
        green[i] = static_cast<GifByteType>(pixels[i] >> 8);
        blue[i] = static_cast<GifByteType>(pixels[i]);
    }
    int tableSize = 256;
    std::vector<GifColorType> table(256);
    if (GifQuantizeBuffer(static_cast<unsigned>(width), static_cast<unsigned>(height), &tableSize, red.data(),
                          green.data(), blue.data(), frame.indices.data(), table.data()) != GIF_OK)
        return false;
    frame.colours.clear();
    for (int i = 0; i < tableSize && i < 256; ++i) {
        const GifColorType& c = table[static_cast<std::size_t>(i)];
        frame.colours.push_back(std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue);
    }
    return !frame.colours.empty();
}

}  // namespace

IndexedFrame IndexByPalette(const std::uint32_t* pixels, int width, int height,
                            const std::vector<std::uint32_t>& palette) {
    IndexedFrame frame{0, 0, width, height, std::vector<std::uint8_t>(PixelCount(width, height)), palette};
    if (frame.colours.empty()) frame.colours.push_back(0);
    if (frame.colours.size() > 256) frame.colours.resize(256);
    // Exact colours first, lowest index among equals; others the nearest.
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    for (std::size_t i = frame.colours.size(); i-- > 0;)
        indexOf[frame.colours[i] & 0xFFFFFF] = static_cast<std::uint8_t>(i);
    // Neighbouring pixels mostly share a colour: one look-up per run.
    std::uint32_t runColour = 0;
    std::uint8_t runIndex = 0;
    bool inRun = false;
    for (std::size_t i = 0; i < frame.indices.size(); ++i) {
        const std::uint32_t colour = pixels[i] & 0xFFFFFF;
        if (!inRun || colour != runColour) {
            auto found = indexOf.find(colour);
            if (found == indexOf.end()) found = indexOf.emplace(colour, NearestEntry(colour, frame.colours)).first;
            runColour = colour;
            runIndex = found->second;
            inRun = true;
        }
        frame.indices[i] = runIndex;
    }
    return frame;
}

IndexedFrame IndexByQuantising(const std::uint32_t* pixels, int width, int height) {
    IndexedFrame frame{0, 0, width, height, std::vector<std::uint8_t>(PixelCount(width, height)), {}};
    if (IndexByOwnColours(pixels, frame.indices.size(), frame)) {
        if (frame.colours.empty()) frame.colours.push_back(0);
        return frame;
    }
    frame.colours.clear();
    if (!IndexByMedianCut(pixels, width, height, frame)) frame.colours.assign(1, 0);
    return frame;
}

}  // namespace lumenbox
