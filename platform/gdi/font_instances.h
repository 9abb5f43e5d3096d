// A logical font made real: its face at one size, weight, slant and angle,
// with the metrics Windows reports for it and its glyphs rendered one bit per
// pixel, each once.
//
// Instances are cached per description, so drawing a string a thousand
// times a frame renders each glyph once and asks fontconfig nothing. All of
// it runs with the GDI mutex held; an instance stays valid until the GDI
// mutex is released (the cache may drop instances between calls).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include <lumenbox/win/gdi.h>

#include "platform/gdi/font_faces.h"

namespace lumenbox::win::detail {

// Pixels [begin, end) of row y, relative to the glyph's origin on the
// baseline, y growing downwards on the device.
struct GlyphRun {
    int y;
    int begin;
    int end;
};

struct Glyph {
    int advance = 0;  // along the unrotated baseline, whole pixels
    RECT box{};       // bounds of the runs relative to the origin; empty for none
    std::vector<GlyphRun> runs;
};

// Design metrics scaled to the instance's size, in whole pixels. Positions
// below the baseline are positive (device y grows downwards).
struct FontMetrics {
    int ascent = 0;
    int descent = 0;
    int emHeight = 0;
    int externalLeading = 0;
    int averageWidth = 0;
    int maxWidth = 0;
    int weight = FW_NORMAL;
    bool italic = false;
    BYTE pitchAndFamily = 0;
    BYTE firstChar = 0x20;
    BYTE lastChar = 0xFF;
    int underlineTop = 0;  // first row of the underline, from the baseline
    int underlineThickness = 1;
    int strikeoutTop = 0;  // first row of the strike-out line, from the baseline
    int strikeoutThickness = 1;
};

// Turning from text space (u along the baseline, v downwards across it) to
// device space, for an escapement in tenths of a degree counter-clockwise.
// Multiples of 90 degrees are exact.
struct TextTurn {
    int tenths = 0;  // 0 to 3599
    double cosine = 1.0;
    double sine = 0.0;

    static TextTurn Of(long escapement);
    bool Upright() const { return tenths == 0; }
    bool RightAngled() const { return tenths % 900 == 0; }
};

class FontInstance {
public:
    virtual ~FontInstance() = default;
    const FontMetrics& Metrics() const { return metrics_; }
    const TextTurn& Turn() const { return turn_; }
    // The glyph of a Windows-1252 character, rendered on first use.
    virtual const Glyph& GlyphOf(std::uint8_t character) = 0;
    int Advance(std::uint8_t character) { return GlyphOf(character).advance; }

protected:
    FontMetrics metrics_;
    TextTurn turn_;
};

// The instance that draws a logical font. GDI mutex held.
FontInstance& InstanceFor(const LOGFONTA& font);

// A new instance of a resolved face at the font's size and escapement,
// emboldened and sheared as `resolved` says (a null face draws nothing).
// GDI mutex held.
std::unique_ptr<FontInstance> MakeInstance(const ResolvedFace& resolved, const LOGFONTA& font);

}  // namespace lumenbox::win::detail
