// Font objects and the families on offer. A font object is its description;
// font_instances.cpp makes it real when text is drawn or measured. Which
// families exist is the display's knowledge (the standard faces plus what
// fontconfig finds), so that a test display can take one away.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/display.h"
#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win {

namespace {

using namespace detail;

bool SameNameIgnoringCase(const std::string& a, const char* b) {
    const std::size_t length = std::strlen(b);
    if (a.size() != length) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::vector<std::string> InstalledFamilies() {
    if (display::Display* display = display::Current()) return display->FontFamilies();
    return display::InstalledFontFamilies();
}

// The old bitmap faces are raster fonts on Windows; the rest are outlines.
DWORD FontTypeOf(const std::string& family) {
    return SameNameIgnoringCase(family, "MS Sans Serif") ? RASTER_FONTTYPE : TRUETYPE_FONTTYPE;
}

LOGFONTA DescriptionOf(const std::string& family) {
    LOGFONTA font{};
    font.lfHeight = 16;
    font.lfWeight = 400;
    font.lfCharSet = DEFAULT_CHARSET;
    const std::size_t length = std::min(family.size(), static_cast<std::size_t>(LF_FACESIZE - 1));
    std::memcpy(font.lfFaceName, family.data(), length);
    return font;
}

// What every family reports when enumerated: the metrics of a 16-pixel
// cell, whatever the face. Programs only ask whether a family exists.
constexpr TEXTMETRICA kMetrics = [] {
    TEXTMETRICA metrics{};
    metrics.tmHeight = 16;
    metrics.tmAscent = 13;
    metrics.tmDescent = 3;
    metrics.tmAveCharWidth = 7;
    metrics.tmMaxCharWidth = 14;
    metrics.tmWeight = FW_NORMAL;
    return metrics;
}();

bool LiveDc(HDC dc) {
    GdiLock lock;
    return Find<DeviceContext>(dc) != nullptr;
}

}  // namespace

HFONT CreateFontIndirectA(const LOGFONTA* record) {
    if (!record) return nullptr;
    LOGFONTA copy = *record;
    copy.lfFaceName[LF_FACESIZE - 1] = '\0';  // a face name is at most 31 characters
    GdiLock lock;
    return MakeHandle<HFONT>(Adopt(std::make_unique<Font>(copy)));
}

int EnumFontFamiliesA(HDC dc, const char* family, FONTENUMPROCA callback, LPARAM data) {
    if (!callback || !LiveDc(dc)) return 0;
    // The callback runs without the GDI mutex: it may well call GDI itself.
    int result = 1;
    for (const std::string& name : InstalledFamilies()) {
        if (family && !SameNameIgnoringCase(name, family)) continue;
        const LOGFONTA font = DescriptionOf(name);
        result = callback(&font, &kMetrics, FontTypeOf(name), data);
        if (result == 0) break;
    }
    return result;
}

}  // namespace lumenbox::win
