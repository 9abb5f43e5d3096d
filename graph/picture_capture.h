// The shown page as the window shows it, read out for a picture file: the
// one step every picture writer shares.
#pragma once

#include <cstdint>
#include <vector>

namespace lumenbox {

struct PictureColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// A picture top row first. In palette kinds Pixels holds one palette index
// per pixel, each below Palette.size(); otherwise Pixels holds red, green
// and blue bytes per pixel and Palette is empty.
struct CapturedPicture {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::vector<std::uint8_t> Pixels;
    std::vector<PictureColour> Palette;

    bool Indexed() const { return !Palette.empty(); }
};

// Reads the shown page under DrawLock: its palette indices with the colour
// table it is shown through, cut to the logical palette's entries (an index
// past them shows entry 0's colour, and becomes 0), or its colours. Any
// thread may call it while a window is open; false, with the picture
// emptied, when there is no window or no page to read.
bool CaptureShownPage(CapturedPicture& picture);

}  // namespace lumenbox
