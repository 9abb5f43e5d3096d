// GetTextExtentPoint32A and GetTextMetricsA: what the selected font
// measures, at its size, as the DC spaces it.
#include <algorithm>
#include <climits>

#include "platform/gdi/font_instances.h"
#include "platform/gdi/text_spacing.h"

namespace lumenbox::win {

using namespace detail;

namespace {

// Windows' own: every screen font is digitised for 96 dots per inch.
constexpr LONG kDigitizedAspect = 96;

TEXTMETRICA TextMetricsOf(const FontMetrics& m, const LOGFONTA& record) {
    TEXTMETRICA tm{};
    tm.tmHeight = m.ascent + m.descent;
    tm.tmAscent = m.ascent;
    tm.tmDescent = m.descent;
    tm.tmInternalLeading = tm.tmHeight - m.emHeight;
    tm.tmExternalLeading = m.externalLeading;
    tm.tmAveCharWidth = m.averageWidth;
    tm.tmMaxCharWidth = m.maxWidth;
    tm.tmWeight = m.weight;
    tm.tmOverhang = 0;  // outline fonts never overhang, even emboldened
    tm.tmDigitizedAspectX = kDigitizedAspect;
    tm.tmDigitizedAspectY = kDigitizedAspect;
    tm.tmFirstChar = m.firstChar;
    tm.tmLastChar = m.lastChar;
    // The character just below the first stands for the missing ones.
    tm.tmDefaultChar = static_cast<BYTE>(m.firstChar > 0 ? m.firstChar - 1 : 0);
    tm.tmBreakChar = 0x20;
    tm.tmItalic = m.italic ? 0xFF : 0;
    tm.tmUnderlined = record.lfUnderline ? 0xFF : 0;
    tm.tmStruckOut = record.lfStrikeOut ? 0xFF : 0;
    tm.tmPitchAndFamily = m.pitchAndFamily;
    tm.tmCharSet = ANSI_CHARSET;
    return tm;
}

}  // namespace

BOOL GetTextExtentPoint32A(HDC handle, const char* text, int count, SIZE* size) {
    if (!size || count < 0 || (count > 0 && !text)) return FALSE;
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return FALSE;
    FontInstance& font = InstanceFor(dc->font->record);
    const std::int64_t width = TextWidth(*dc, font, text, count, nullptr);
    size->cx = static_cast<LONG>(std::clamp<std::int64_t>(width, INT_MIN, INT_MAX));
    size->cy = font.Metrics().ascent + font.Metrics().descent;
    return TRUE;
}

BOOL GetTextMetricsA(HDC handle, TEXTMETRICA* metrics) {
    if (!metrics) return FALSE;
    GdiLock lock;
    DeviceContext* dc = Find<DeviceContext>(handle);
    if (!dc) return FALSE;
    *metrics = TextMetricsOf(InstanceFor(dc->font->record).Metrics(), dc->font->record);
    return TRUE;
}

}  // namespace lumenbox::win
