// Pens: their creation, and what a selected pen draws with.
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/pen_ink.h"

namespace lumenbox::win::detail {

namespace {

// On and off lengths, on first, in pixels along the major axis.
DashPattern PatternFrom(std::initializer_list<int> lengths) {
    DashPattern pattern;
    pattern.onBits = 0;
    pattern.period = 0;
    bool on = true;
    for (int length : lengths) {
        for (int i = 0; i < length; ++i, ++pattern.period)
            if (on) pattern.onBits |= 1u << pattern.period;
        on = !on;
    }
    return pattern;
}

}  // namespace

DashPattern DashPatternOf(UINT style) {
    switch (style) {
        case PS_DASH: return PatternFrom({18, 6});
        case PS_DOT: return PatternFrom({3, 3});
        case PS_DASHDOT: return PatternFrom({9, 6, 3, 6});
        case PS_DASHDOTDOT: return PatternFrom({9, 3, 3, 3, 3, 3});
        default: return DashPattern{};
    }
}

PenInk InkOf(const DeviceContext& dc, const DrawTarget& target) {
    const LOGPEN& record = dc.pen->record;
    PenInk ink;
    // Windows takes the width's magnitude; 64 bits hold that of INT_MIN.
    ink.width = std::llabs(static_cast<long long>(record.lopnWidth.x));
    ink.insideFrame = record.lopnStyle == PS_INSIDEFRAME;
    ink.value = PixelValueOf(target, record.lopnColor);
    if (record.lopnStyle == PS_NULL) {
        ink.kind = PenKind::Null;
    } else if (ink.width > 1) {
        ink.kind = PenKind::Wide;  // solid, whatever the style
    } else {
        ink.kind = PenKind::Cosmetic;
        ink.width = 1;
        ink.dashes = DashPatternOf(record.lopnStyle);
        ink.opaqueGaps = dc.backgroundMode == OPAQUE && !ink.dashes.Solid();
        if (ink.opaqueGaps) ink.gapValue = PixelValueOf(target, dc.backgroundColour);
    }
    return ink;
}

}  // namespace lumenbox::win::detail

namespace lumenbox::win {

HPEN CreatePenIndirect(const LOGPEN* record) {
    using namespace detail;
    if (!record || record->lopnStyle > PS_INSIDEFRAME) return nullptr;
    GdiLock lock;
    return MakeHandle<HPEN>(Adopt(std::make_unique<Pen>(*record)));
}

}  // namespace lumenbox::win
