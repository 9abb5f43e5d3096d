// Encoding a captured picture as PNG, through libpng.
#pragma once

#include <cstddef>
#include <cstdio>

#include "graph/picture_capture.h"

namespace lumenbox {

// Bits per index of an indexed picture with `entries` palette colours: 1 for
// two colours, 4 for sixteen, 8 for any other count.
int PngIndexDepth(std::size_t entries);

// Writes the picture to `file` as one PNG: indexed with its palette at
// PngIndexDepth bits, or 8-bit RGB. False when libpng refused the picture
// or the file took less than all of it; the file then holds a partial PNG.
bool WritePng(const CapturedPicture& picture, std::FILE* file);

}  // namespace lumenbox
