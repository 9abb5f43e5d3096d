// TextOutA and ExtTextOutA: placing a string by the DC's text alignment,
// filling its background, drawing its glyphs and lines, moving the current
// position.
#include <algorithm>
#include <climits>
#include <cstdint>

#include "platform/gdi/brush_fills.h"
#include "platform/gdi/draw_target.h"
#include "platform/gdi/font_instances.h"
#include "platform/gdi/text_painting.h"
#include "platform/gdi/text_spacing.h"

namespace lumenbox::win {

using namespace detail;

namespace {

struct TextRequest {
    int x;
    int y;
    UINT options;
    const RECT* rect;
    const char* text;
    int count;
    const INT* dx;
};

// Where a string lies in text space relative to the reference point: its
// start along the baseline, and the baseline's place across it.
struct TextPlace {
    std::int64_t start = 0;
    std::int64_t width = 0;
    std::int64_t baseline = 0;
};

TextPlace PlaceOf(UINT align, const FontMetrics& metrics, std::int64_t width) {
    TextPlace place;
    place.width = width;
    switch (align & TA_CENTER) {
        case TA_RIGHT: place.start = -width; break;
        case TA_CENTER: place.start = -(width / 2); break;
        default: break;  // TA_LEFT
    }
    switch (align & TA_BASELINE) {
        case TA_BASELINE: break;
        case TA_BOTTOM: place.baseline = -metrics.descent; break;
        default: place.baseline = metrics.ascent; break;  // TA_TOP
    }
    return place;
}

LONG ClampToLong(std::int64_t value) { return static_cast<LONG>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX)); }

// TA_UPDATECP moves the current position along the baseline: past the text
// when it starts there, back to its start when it ends there, not at all
// when it is centred on it.
void MoveCurrentPosition(DeviceContext& dc, const TextFrame& frame, std::int64_t width) {
    std::int64_t along = 0;
    switch (dc.textAlign & TA_CENTER) {
        case TA_LEFT: along = width; break;
        case TA_RIGHT: along = -width; break;
        default: return;
    }
    dc.position = POINT{ClampToLong(frame.X(along, 0)), ClampToLong(frame.Y(along, 0))};
}

RECT Ordered(const RECT& r) {
    return RECT{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

void PaintLines(const DrawTarget& target, const RECT& clip, const LOGFONTA& record, const FontMetrics& metrics,
                const TextFrame& frame, const TextPlace& place, std::uint32_t ink) {
    const std::int64_t end = AddAlongBaseline(place.start, place.width);
    if (record.lfUnderline) {
        const std::int64_t top = place.baseline + metrics.underlineTop;
        PaintTextBox(target, clip, frame, place.start, end, top, top + metrics.underlineThickness, ink);
    }
    if (record.lfStrikeOut) {
        const std::int64_t top = place.baseline + metrics.strikeoutTop;
        PaintTextBox(target, clip, frame, place.start, end, top, top + metrics.strikeoutThickness, ink);
    }
}

void PaintText(const DrawTarget& target, const RECT& clip, const DeviceContext& dc, FontInstance& font,
               const TextFrame& frame, const TextPlace& place, const TextRequest& request) {
    const FontMetrics& metrics = font.Metrics();
    if (dc.backgroundMode == OPAQUE) {
        const std::int64_t end = AddAlongBaseline(place.start, place.width);
        PaintTextBox(target, clip, frame, place.start, end, place.baseline - metrics.ascent,
                     place.baseline + metrics.descent, PixelValueOf(target, dc.backgroundColour));
    }
    const std::uint32_t ink = PixelValueOf(target, dc.textColour);
    TextSpacing spacing(dc, font, request.text, request.dx);
    std::int64_t pen = place.start;
    for (int i = 0; i < request.count; ++i) {
        const Glyph& glyph = font.GlyphOf(static_cast<std::uint8_t>(request.text[i]));
        PaintGlyph(target, clip, glyph, frame.X(pen, place.baseline), frame.Y(pen, place.baseline), ink);
        pen = AddAlongBaseline(pen, spacing.Advance(i));
    }
    PaintLines(target, clip, dc.font->record, metrics, frame, place, ink);
}

BOOL DrawText(HDC handle, const TextRequest& request) {
    if (request.count < 0 || (request.count > 0 && !request.text)) return FALSE;
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return FALSE;
    FontInstance& font = InstanceFor(dc->font->record);
    const bool updateCp = (dc->textAlign & TA_UPDATECP) != 0;
    const TextFrame frame{updateCp ? dc->position.x : request.x, updateCp ? dc->position.y : request.y, font.Turn()};
    const std::int64_t width = TextWidth(*dc, font, request.text, request.count, request.dx);
    const TextPlace place = PlaceOf(dc->textAlign, font.Metrics(), width);
    if (updateCp) MoveCurrentPosition(*dc, frame, width);

    DrawTarget target;
    if (!TargetOf(*dc, target)) return TRUE;  // the screen DC keeps nothing
    // ETO_OPAQUE and ETO_CLIPPED mean nothing without their rectangle.
    const bool withRect = request.rect != nullptr;
    const RECT rect = withRect ? Ordered(*request.rect) : RECT{};
    RECT clip = target.visible;
    if (withRect && (request.options & ETO_CLIPPED)) clip = Intersect(clip, rect);
    SurfacePixelsLock pixels(target.surface, true);
    if (withRect && (request.options & ETO_OPAQUE)) {
        const RECT area = Intersect(rect, target.visible);
        if (!IsEmpty(area)) PaintSolid(target, PixelValueOf(target, dc->backgroundColour), area);
    }
    if (!IsEmpty(clip)) PaintText(target, clip, *dc, font, frame, place, request);
    return TRUE;
}

}  // namespace

BOOL TextOutA(HDC dc, int x, int y, const char* text, int count) {
    return DrawText(dc, TextRequest{x, y, 0, nullptr, text, count, nullptr});
}

BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT count, const INT* dx) {
    // A count past INT_MAX is a negative one passed as unsigned.
    if (count > static_cast<UINT>(INT_MAX)) return FALSE;
    return DrawText(dc, TextRequest{x, y, options, rect, text, static_cast<int>(count), dx});
}

}  // namespace lumenbox::win
