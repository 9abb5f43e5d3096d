// Reading a recorded GIF back with giflib, as a viewer would.
#pragma once

#include <gif_lib.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumenbox::recording_tests {

struct DecodedFrame {
    std::vector<std::uint32_t> table;   // the frame's colour table, 0x00RRGGBB
    std::vector<std::uint8_t> indices;  // one per pixel
    std::vector<std::uint32_t> pixels;  // the colours shown, 0x00RRGGBB
    int delay = 0;                      // hundredths of a second
};

struct DecodedGif {
    bool ok = false;  // the whole file decoded
    std::string error;
    int width = 0;
    int height = 0;
    std::vector<DecodedFrame> frames;
};

inline DecodedFrame DecodeFrame(GifFileType* gif, int index) {
    const SavedImage& image = gif->SavedImages[index];
    const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    DecodedFrame frame;
    for (int i = 0; map && i < map->ColorCount; ++i) {
        const GifColorType& c = map->Colors[i];
        frame.table.push_back(std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue);
    }
    const std::size_t count =
        static_cast<std::size_t>(image.ImageDesc.Width) * static_cast<std::size_t>(image.ImageDesc.Height);
    frame.indices.assign(image.RasterBits, image.RasterBits + count);
    for (std::uint8_t index : frame.indices)
        frame.pixels.push_back(index < frame.table.size() ? frame.table[index] : 0xFFFFFFFFu);
    GraphicsControlBlock control{};
    if (DGifSavedExtensionToGCB(gif, index, &control) == GIF_OK) frame.delay = control.DelayTime;
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
    for (int i = 0; i < gif->ImageCount; ++i) decoded.frames.push_back(DecodeFrame(gif, i));
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
