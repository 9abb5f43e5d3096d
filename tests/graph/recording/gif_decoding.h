// Reading a recorded GIF back with giflib, as a viewer would.
#pragma once

#include <gif_lib.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumenbox::recording_tests {

// A frame as a viewer shows it: its rectangle drawn over the frames before.
struct DecodedFrame {
    std::vector<std::uint32_t> table;   // the frame's colour table, 0x00RRGGBB
    std::vector<std::uint8_t> indices;  // one per pixel of the picture, the last frame's that drew it
    std::vector<std::uint32_t> pixels;  // the colours shown, 0x00RRGGBB
    int delay = 0;                      // hundredths of a second
    int left = 0;                       // the rectangle the frame itself holds
    int top = 0;
    int width = 0;
    int height = 0;
};

struct DecodedGif {
    bool ok = false;  // the whole file decoded
    std::string error;
    int width = 0;
    int height = 0;
    std::vector<DecodedFrame> frames;
};

// Draws frame `index` over `before` (the previous frame as shown, or a black
// picture for the first).
inline DecodedFrame DecodeFrame(GifFileType* gif, int index, const DecodedFrame& before) {
    const SavedImage& image = gif->SavedImages[index];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    DecodedFrame frame = before;
    frame.table.clear();
    for (int i = 0; map && i < map->ColorCount; ++i) {
        const GifColorType& c = map->Colors[i];
        frame.table.push_back(std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue);
    }
    frame.left = image.ImageDesc.Left;
    frame.top = image.ImageDesc.Top;
    frame.width = image.ImageDesc.Width;
    frame.height = image.ImageDesc.Height;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const std::uint8_t colour = image.RasterBits[y * frame.width + x];
            const int screenX = frame.left + x;
            const int screenY = frame.top + y;
            if (screenX >= gif->SWidth || screenY >= gif->SHeight) continue;
            const std::size_t at = static_cast<std::size_t>(screenY) * static_cast<std::size_t>(gif->SWidth) +
                                   static_cast<std::size_t>(screenX);
            frame.indices[at] = colour;
            frame.pixels[at] = colour < frame.table.size() ? frame.table[colour] : 0xFFFFFFFFu;
        }
    }
    GraphicsControlBlock control{};
    frame.delay = DGifSavedExtensionToGCB(gif, index, &control) == GIF_OK ? control.DelayTime : 0;
    return frame;
}

inline DecodedGif DecodeGif(const std::string& path) {
    DecodedGif decoded;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) {
        decoded.error = GifErrorString(error) ? GifErrorString(error) : "cannot open";
        return decoded;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        decoded.error = GifErrorString(gif->Error) ? GifErrorString(gif->Error) : "cannot decode";
        DGifCloseFile(gif, &error);
        return decoded;
    }
    decoded.ok = true;
    decoded.width = gif->SWidth;
    decoded.height = gif->SHeight;
    DecodedFrame blank;
    const std::size_t count = static_cast<std::size_t>(gif->SWidth) * static_cast<std::size_t>(gif->SHeight);
    blank.indices.assign(count, 0);
    blank.pixels.assign(count, 0);
    for (int i = 0; i < gif->ImageCount; ++i)
        decoded.frames.push_back(DecodeFrame(gif, i, i == 0 ? blank : decoded.frames.back()));
    DGifCloseFile(gif, &error);
    return decoded;
}

// The first pixel where two pictures differ, for a message that says where.
inline std::string FirstDifference(const std::vector<std::uint32_t>& shown, const std::vector<std::uint32_t>& decoded,
                                   int width) {
    if (shown.size() != decoded.size())
        return "sizes differ: " + std::to_string(shown.size()) + " vs " + std::to_string(decoded.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown[i] != decoded[i])
            return "pixel (" + std::to_string(i % static_cast<std::size_t>(width)) + ", " +
                   std::to_string(i / static_cast<std::size_t>(width)) + "): shown " + std::to_string(shown[i]) +
                   ", decoded " + std::to_string(decoded[i]);
    }
    return "";
}

// A fresh file name under the system's temporary folder.
inline std::string TemporaryGifPath(const std::string& name) {
    return "/tmp/lumenbox-recording-" + std::to_string(static_cast<long>(::getpid())) + "-" + name + ".gif";
}

}  // namespace lumenbox::recording_tests
