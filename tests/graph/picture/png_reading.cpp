#include "graph/picture/png_reading.h"

#include <csetjmp>
#include <cstdio>
#include <optional>

#include <png.h>

namespace lumenbox::picture_tests {
namespace {

// libpng's errors jump back to the reading function; the message is kept.
void OnError(png_structp png, png_const_charp message) {
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    *error = message;
    png_longjmp(png, 1);
}
// A warning is a fault of the file too: a clean PNG gives none.
void OnWarning(png_structp png, png_const_charp message) {
    auto* error = static_cast<std::string*>(png_get_error_ptr(png));
    *error = std::string("warning: ") + message;
}

void ReadHeader(png_structp png, png_infop info, DecodedPng& picture) {
    png_uint_32 width = 0, height = 0;
    int depth = 0, type = 0;
    png_get_IHDR(png, info, &width, &height, &depth, &type, nullptr, nullptr, nullptr);
    picture.width = width;
    picture.height = height;
    picture.bitDepth = depth;
    picture.colourType = type;
    png_colorp colours = nullptr;
    int entries = 0;
    if (png_get_PLTE(png, info, &colours, &entries) != 0) {
        for (int i = 0; i < entries; ++i) picture.palette.push_back({colours[i].red, colours[i].green, colours[i].blue});
    }
}

// Nothing here has a destructor: the jump may leave it at any call.
bool Decode(std::FILE* file, DecodedPng& picture, std::string& error) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, OnError, OnWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    ReadHeader(png, info, picture);
    if (picture.bitDepth < 8) png_set_packing(png);
    png_read_update_info(png, info);
    const png_size_t stride = png_get_rowbytes(png, info);
    picture.pixels.resize(stride * picture.height);
    picture.rows.resize(picture.height);
    for (png_uint_32 y = 0; y < picture.height; ++y) picture.rows[y] = picture.pixels.data() + stride * y;
    png_read_image(png, picture.rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return error.empty();
}

}  // namespace

std::optional<PngColour> DecodedPng::ColourAt(std::uint32_t x, std::uint32_t y) const {
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        const std::uint8_t index = pixels[static_cast<std::size_t>(y) * width + x];
        if (index >= palette.size()) return std::nullopt;
        return palette[index];
    }
    const std::uint8_t* pixel = pixels.data() + (static_cast<std::size_t>(y) * width + x) * 3;
    return PngColour{pixel[0], pixel[1], pixel[2]};
}

bool ReadPng(const std::string& path, DecodedPng& picture, std::string& error) {
    picture = DecodedPng{};
    error.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot open " + path;
        return false;
    }
    const bool read = Decode(file, picture, error);
    std::fclose(file);
    if (!read && error.empty()) error = "libpng could not start reading";
    return read;
}

}  // namespace lumenbox::picture_tests
