// A window's client pixels, shared by whoever draws and the display.
#include "platform/display/display.h"

#include <algorithm>
#include <cstddef>

namespace lumenbox::display {

namespace {

// A negative size would make the pixel count wrap; an empty surface is the
// honest answer for a window whose frame leaves no client area.
int NonNegative(int value) { return std::max(value, 0); }

}  // namespace

Surface::Surface(int width, int height)
    : width_(NonNegative(width)),
      height_(NonNegative(height)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0u) {}

}  // namespace lumenbox::display
