// How far each character of a string moves the pen along its baseline, as a
// DC spaces text: the font's advance (or the caller's own, from ExtTextOutA's
// dx), the character extra after every character, and for each break
// character (the space) its share of the break extra of SetTextJustification.
#pragma once

#include <cstdint>

#include "platform/gdi/font_instances.h"
#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win::detail {

// Positions along a baseline saturate this far out, well beyond any surface,
// so that no string, however long or widely spaced, overflows a coordinate.
inline constexpr std::int64_t kFarAlongBaseline = std::int64_t{1} << 48;

std::int64_t AddAlongBaseline(std::int64_t position, std::int64_t advance);

// The advances of one string, taken in order: the break extra is shared
// out as Windows shares it, extra / count pixels to every break character
// and one more to each of the first extra % count of them.
class TextSpacing {
public:
    // `dx` may be null. GDI mutex held for as long as it is used.
    TextSpacing(const DeviceContext& dc, FontInstance& font, const char* text, const INT* dx);
    // The advance of character i; call for i = 0, 1, 2, ... in turn.
    std::int64_t Advance(int i);

private:
    FontInstance& font_;
    const char* text_;
    const INT* dx_;
    int characterExtra_;
    int breakShare_ = 0;
    int breakRemainder_ = 0;
};

// The sum of the advances of `count` characters, saturated.
std::int64_t TextWidth(const DeviceContext& dc, FontInstance& font, const char* text, int count, const INT* dx);

}  // namespace lumenbox::win::detail
