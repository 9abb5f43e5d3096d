// Character advances along a baseline.
#include "platform/gdi/text_spacing.h"

#include <algorithm>

namespace lumenbox::win::detail {

namespace {

// Windows fonts name the space as their break character.
constexpr std::uint8_t kBreakCharacter = 0x20;

}  // namespace

std::int64_t AddAlongBaseline(std::int64_t position, std::int64_t advance) {
    // Both stay far below 2^62, so the sum itself cannot overflow.
    return std::clamp(position + advance, -kFarAlongBaseline, kFarAlongBaseline);
}

TextSpacing::TextSpacing(const DeviceContext& dc, FontInstance& font, const char* text, const INT* dx)
    : font_(font), text_(text), dx_(dx), characterExtra_(dc.characterExtra) {
    if (dc.breakCount > 0 && dc.breakExtra != 0) {
        breakShare_ = dc.breakExtra / dc.breakCount;
        breakRemainder_ = dc.breakExtra % dc.breakCount;
    }
}

std::int64_t TextSpacing::Advance(int i) {
    const auto character = static_cast<std::uint8_t>(text_[i]);
    std::int64_t advance = dx_ ? std::int64_t{dx_[i]} : std::int64_t{font_.Advance(character)};
    advance += characterExtra_;
    if (character == kBreakCharacter) {
        advance += breakShare_;
        // A negative break extra leaves a negative remainder: no pixel more.
        if (breakRemainder_ > 0) {
            ++advance;
            --breakRemainder_;
        }
    }
    return advance;
}

std::int64_t TextWidth(const DeviceContext& dc, FontInstance& font, const char* text, int count, const INT* dx) {
    TextSpacing spacing(dc, font, text, dx);
    std::int64_t width = 0;
    for (int i = 0; i < count; ++i) width = AddAlongBaseline(width, spacing.Advance(i));
    return width;
}

}  // namespace lumenbox::win::detail
