// PNG through libpng's own writer. libpng reports errors by a long jump back
// to the setjmp of the writing function, so that function holds nothing
// with a destructor: the row table and palette are made before it.
#include "graph/png_writer.h"

#include <csetjmp>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <png.h>

namespace lumenbox {
namespace {

// What the long-jumping part needs, all made beforehand.
struct PngRequest {
    png_uint_32 width;
    png_uint_32 height;
    int bitDepth;
    int colourType;
    const png_color* palette;
    int paletteEntries;
    png_bytep* rows;
};

// Errors end the writing through the jump; warnings are not the caller's
// business. Neither prints anything.
[[noreturn]] void OnPngError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnPngWarning(png_structp, png_const_charp) {}

bool Encode(const PngRequest& request, std::FILE* file) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, OnPngError, OnPngWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    // `png` and `info` are not changed after this point, so they keep their
    // values across the jump.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, request.width, request.height, request.bitDepth, request.colourType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (request.palette != nullptr) png_set_PLTE(png, info, request.palette, request.paletteEntries);
    png_write_info(png, info);
    // Indices arrive one per byte; libpng packs them to the depth.
    if (request.bitDepth < 8) png_set_packing(png);
    png_write_image(png, request.rows);
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

int PngIndexDepth(std::size_t entries) {
    if (entries == 2) return 1;
    if (entries == 16) return 4;
    return 8;
}

bool WritePng(const CapturedPicture& picture, std::FILE* file) {
    const std::size_t channels = picture.Indexed() ? 1 : 3;
    const std::size_t stride = static_cast<std::size_t>(picture.Width) * channels;
    if (picture.Width <= 0 || picture.Height <= 0 || picture.Palette.size() > 256 ||
        picture.Pixels.size() != stride * static_cast<std::size_t>(picture.Height)) {
        return false;
    }
    // libpng takes rows as pointers to bytes it only reads.
    std::vector<png_bytep> rows(static_cast<std::size_t>(picture.Height));
    auto* pixels = const_cast<png_bytep>(picture.Pixels.data());
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = pixels + stride * y;
    std::vector<png_color> palette;
    for (const PictureColour& colour : picture.Palette) palette.push_back({colour.red, colour.green, colour.blue});

    const PngRequest request{static_cast<png_uint_32>(picture.Width),
                             static_cast<png_uint_32>(picture.Height),
                             picture.Indexed() ? PngIndexDepth(palette.size()) : 8,
                             picture.Indexed() ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB,
                             palette.empty() ? nullptr : palette.data(),
                             static_cast<int>(palette.size()),
                             rows.data()};
    return Encode(request, file) && std::fflush(file) == 0 && std::ferror(file) == 0;
}

}  // namespace lumenbox
