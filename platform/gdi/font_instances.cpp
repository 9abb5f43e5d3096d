// Logical fonts made real: sizing as Windows sizes TrueType fonts, metrics
// from the face's own tables, glyphs rendered by FreeType without grey.
#include "platform/gdi/font_instances.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <bitset>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <numbers>

#include "platform/gdi/font_faces.h"
#include "platform/gdi/windows_1252.h"

namespace lumenbox::win::detail {

namespace {

// lfHeight 0 asks for the default size: a 16-pixel cell.
constexpr long kDefaultCellHeight = 16;
// Larger heights and widths draw at this many pixels: a glyph's bitmap grows
// with the square of the size, and nothing larger fits on a surface anyway.
constexpr long kLargestSize = 2048;
// FreeType's own slant for oblique glyphs: tan 12 degrees in 16.16.
constexpr FT_Fixed kObliqueShear = 0x0366A;
// Instances kept at once; past this the cache starts afresh.
constexpr std::size_t kInstanceLimit = 64;

// The face's design metrics, in font units, with fallbacks for faces that
// lack the TrueType tables.
struct DesignMetrics {
    double unitsPerEm = 2048;
    double winAscent = 0;
    double winDescent = 0;
    double hheaAscender = 0;
    double hheaDescender = 0;  // negative below the baseline
    double lineGap = 0;
    double averageWidth = 0;
    double boxWidth = 0;
    double underlinePosition = 0;  // negative below the baseline
    double underlineThickness = 0;
    double strikeoutPosition = 0;  // above the baseline
    double strikeoutSize = 0;
    int weightClass = FW_NORMAL;
    int panoseFamily = 0;
    int panoseSerif = 0;
    int firstChar = 0x20;
    int lastChar = 0xFF;
    bool fixedPitch = false;
};

DesignMetrics DesignOf(FT_Face face) {
    DesignMetrics d;
    d.unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    d.hheaAscender = face->ascender;
    d.hheaDescender = face->descender;
    d.lineGap = std::max(0, face->height - (face->ascender - face->descender));
    d.winAscent = face->ascender;
    d.winDescent = -face->descender;
    d.boxWidth = static_cast<double>(face->bbox.xMax) - static_cast<double>(face->bbox.xMin);
    d.averageWidth = d.unitsPerEm / 2;
    d.underlinePosition = face->underline_position;
    d.underlineThickness = face->underline_thickness;
    d.strikeoutPosition = d.unitsPerEm * 0.26;
    d.strikeoutSize = face->underline_thickness;
    d.fixedPitch = FT_IS_FIXED_WIDTH(face);
    if (const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA))) {
        d.hheaAscender = hhea->Ascender;
        d.hheaDescender = hhea->Descender;
        d.lineGap = hhea->Line_Gap;
    }
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFFu) {
        // Windows sizes a TrueType cell by the OS/2 Windows ascent and descent.
        if (os2->usWinAscent + os2->usWinDescent > 0) {
            d.winAscent = os2->usWinAscent;
            d.winDescent = os2->usWinDescent;
        }
        if (os2->xAvgCharWidth > 0) d.averageWidth = os2->xAvgCharWidth;
        if (os2->yStrikeoutSize > 0) {
            d.strikeoutPosition = os2->yStrikeoutPosition;
            d.strikeoutSize = os2->yStrikeoutSize;
        }
        if (os2->usWeightClass > 0) d.weightClass = os2->usWeightClass;
        d.panoseFamily = os2->panose[0];
        d.panoseSerif = os2->panose[1];
        d.firstChar = os2->usFirstCharIndex;
        d.lastChar = os2->usLastCharIndex;
    }
    if (d.winAscent + d.winDescent <= 0) {
        d.winAscent = d.unitsPerEm * 0.8;
        d.winDescent = d.unitsPerEm * 0.2;
    }
    return d;
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

long Bounded(long value) { return std::clamp(value, 1L, kLargestSize); }

// The em in pixels and the cell's ascent and descent. A positive height is
// the cell, split in the proportion of the face's Windows ascent and
// descent, so that the cell is exactly the height asked for; a negative one
// is the em itself.
struct Sizing {
    int emY = 1;
    int emX = 1;
    int ascent = 0;
    int descent = 0;
    double scaleY = 1;  // pixels per font unit
    double scaleX = 1;
};

Sizing SizeFor(const DesignMetrics& d, long height, long width) {
    Sizing s;
    const double cellUnits = d.winAscent + d.winDescent;
    if (height >= 0) {
        const long cell = Bounded(height == 0 ? kDefaultCellHeight : height);
        s.emY = static_cast<int>(Bounded(std::lround(d.unitsPerEm * static_cast<double>(cell) / cellUnits)));
        s.ascent = Round(d.winAscent * static_cast<double>(cell) / cellUnits);
        s.descent = static_cast<int>(cell) - s.ascent;
    } else {
        s.emY = static_cast<int>(Bounded(-height));
        s.ascent = Round(d.winAscent * s.emY / d.unitsPerEm);
        s.descent = Round(d.winDescent * s.emY / d.unitsPerEm);
    }
    s.scaleY = s.emY / d.unitsPerEm;
    // A width asks for that average character width: the em narrows or
    // widens by the ratio of it to the natural one.
    s.emX = s.emY;
    if (width != 0) {
        const double natural = std::max(d.averageWidth * s.scaleY, 1.0);
        s.emX = static_cast<int>(Bounded(std::lround(s.emY * static_cast<double>(Bounded(std::labs(width))) / natural)));
    }
    s.scaleX = s.emX / d.unitsPerEm;
    return s;
}

// Windows' tmPitchAndFamily for a TrueType face: the family from the
// face's PANOSE class, modern for fixed pitch; TMPF_FIXED_PITCH set for
// variable pitch.
BYTE PitchAndFamilyOf(const DesignMetrics& d) {
    BYTE family = FF_SWISS;
    constexpr int kPanoseText = 2;
    const bool sans = d.panoseSerif >= 11 && d.panoseSerif <= 13;
    const bool unknownSerif = d.panoseSerif <= 1;
    if (d.fixedPitch)
        family = FF_MODERN;
    else if (d.panoseFamily == kPanoseText && !sans && !unknownSerif)
        family = FF_ROMAN;
    const BYTE kind = TMPF_VECTOR | TMPF_TRUETYPE | (d.fixedPitch ? 0 : TMPF_FIXED_PITCH);
    return static_cast<BYTE>(family | kind);
}

// The underline and strike-out lines, centred on the face's positions, at
// least a pixel thick; the underline kept inside the cell.
void PlaceLines(const DesignMetrics& d, const Sizing& s, FontMetrics& m) {
    m.underlineThickness = std::max(1, Round(d.underlineThickness * s.scaleY));
    const int below = Round(-d.underlinePosition * s.scaleY);
    m.underlineTop = std::max(0, below - m.underlineThickness / 2);
    if (m.underlineTop + m.underlineThickness > m.descent) m.underlineTop = std::max(0, m.descent - m.underlineThickness);
    m.strikeoutThickness = std::max(1, Round(d.strikeoutSize * s.scaleY));
    m.strikeoutTop = -Round(d.strikeoutPosition * s.scaleY) - m.strikeoutThickness / 2;
}

FontMetrics MetricsOf(const DesignMetrics& d, const Sizing& s, bool emboldened, bool italic) {
    FontMetrics m;
    m.ascent = s.ascent;
    m.descent = s.descent;
    m.emHeight = s.emY;
    // The designer's line gap, less what the Windows ascent and descent
    // already add over the typographic ones.
    const double extra = (d.winAscent + d.winDescent) - (d.hheaAscender - d.hheaDescender);
    m.externalLeading = std::max(0, Round((d.lineGap - extra) * s.scaleY));
    m.averageWidth = Round(d.averageWidth * s.scaleX);
    m.maxWidth = Round(d.boxWidth * s.scaleX);
    m.weight = emboldened ? FW_BOLD : d.weightClass;
    m.italic = italic;
    m.pitchAndFamily = PitchAndFamilyOf(d);
    m.firstChar = static_cast<BYTE>(std::min(d.firstChar, 0xFF));
    m.lastChar = static_cast<BYTE>(std::clamp(d.lastChar, static_cast<int>(m.firstChar), 0xFF));
    PlaceLines(d, s, m);
    return m;
}

FT_Fixed Fixed(double value) { return static_cast<FT_Fixed>(std::lround(value * 65536.0)); }

// The runs of set pixels of a one-bit bitmap whose top-left pixel lies at
// (left, -top) from the origin.
void CollectRuns(const FT_Bitmap& bitmap, int left, int top, Glyph& glyph) {
    const int rows = static_cast<int>(bitmap.rows);
    const int columns = static_cast<int>(bitmap.width);
    const int pitch = std::abs(bitmap.pitch);
    for (int r = 0; r < rows; ++r) {
        // A negative pitch stores the bottom row first.
        const unsigned char* bits = bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.pitch >= 0 ? r : rows - 1 - r) * pitch;
        int c = 0;
        while (c < columns) {
            while (c < columns && !(bits[c >> 3] & (0x80u >> (c & 7)))) ++c;
            const int begin = c;
            while (c < columns && (bits[c >> 3] & (0x80u >> (c & 7)))) ++c;
            if (c > begin) glyph.runs.push_back(GlyphRun{r - top, left + begin, left + c});
        }
    }
    if (glyph.runs.empty()) return;
    glyph.box = RECT{left + columns, rows - top, left, -top};
    for (const GlyphRun& run : glyph.runs) {
        glyph.box.left = std::min<LONG>(glyph.box.left, run.begin);
        glyph.box.right = std::max<LONG>(glyph.box.right, run.end);
        glyph.box.top = std::min<LONG>(glyph.box.top, run.y);
        glyph.box.bottom = std::max<LONG>(glyph.box.bottom, run.y + 1);
    }
}

// A face at one size: each glyph hinted for one bit per pixel, emboldened
// or sheared as the face requires, turned by the escapement, rendered once.
class OutlineInstance final : public FontInstance {
public:
    OutlineInstance(const ResolvedFace& resolved, FT_Size size, const Sizing& sizing, const FontMetrics& metrics,
                    TextTurn turn)
        : face_(resolved.face), size_(size), embolden_(resolved.embolden), shear_(resolved.shear) {
        metrics_ = metrics;
        turn_ = turn;
        // Emboldening widens each glyph by a twenty-fourth of the em, at
        // least one pixel, and its advance by as much.
        boldStrength_ = std::max<FT_Pos>(64, (static_cast<FT_Pos>(sizing.emY) * 64 / 24 + 32) & ~FT_Pos{63});
        rotation_ = FT_Matrix{Fixed(turn.cosine), Fixed(-turn.sine), Fixed(turn.sine), Fixed(turn.cosine)};
    }
    ~OutlineInstance() override { FT_Done_Size(size_); }
    OutlineInstance(const OutlineInstance&) = delete;
    OutlineInstance& operator=(const OutlineInstance&) = delete;

    const Glyph& GlyphOf(std::uint8_t character) override {
        if (!rendered_[character]) {
            glyphs_[character] = Render(character);
            rendered_[character] = true;
        }
        return glyphs_[character];
    }

private:
    Glyph Render(std::uint8_t character) {
        Glyph glyph;
        FT_Activate_Size(size_);
        const FT_UInt index = FT_Get_Char_Index(face_, UnicodeOfWindows1252(character));
        if (FT_Load_Glyph(face_, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_MONO) != 0) return glyph;
        FT_GlyphSlot slot = face_->glyph;
        // The designed advance rounded, not the hinted one: the installed
        // faces are metric-compatible with Windows' in their designed
        // widths, while their own hinting narrows some glyphs at small sizes.
        glyph.advance = static_cast<int>((slot->linearHoriAdvance + 0x8000) >> 16);
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return glyph;
        // Emboldening and shearing happen upright, before the turn.
        if (embolden_) {
            FT_Outline_EmboldenXY(&slot->outline, boldStrength_, 0);
            glyph.advance += static_cast<int>(boldStrength_ >> 6);
        }
        if (shear_) {
            FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
            FT_Outline_Transform(&slot->outline, &shear);
        }
        if (!turn_.Upright()) FT_Outline_Transform(&slot->outline, &rotation_);
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0 || slot->bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return glyph;
        CollectRuns(slot->bitmap, slot->bitmap_left, slot->bitmap_top, glyph);
        return glyph;
    }

    FT_Face face_;
    FT_Size size_;
    bool embolden_;
    bool shear_;
    FT_Pos boldStrength_ = 64;
    FT_Matrix rotation_{};
    std::array<Glyph, 256> glyphs_{};
    std::bitset<256> rendered_;
};

// What draws when fontconfig finds no font file at all: the cell and
// advances of a plain font, and no ink.
class BlankInstance final : public FontInstance {
public:
    BlankInstance(long height, TextTurn turn) {
        const long cell = height > 0 ? Bounded(height) : height < 0 ? Bounded(-height) * 5 / 4 : kDefaultCellHeight;
        metrics_.ascent = static_cast<int>(cell * 4 / 5);
        metrics_.descent = static_cast<int>(cell) - metrics_.ascent;
        metrics_.emHeight = metrics_.ascent;
        metrics_.averageWidth = std::max(1, static_cast<int>(cell) / 2);
        metrics_.maxWidth = metrics_.averageWidth;
        metrics_.pitchAndFamily = FF_MODERN | TMPF_VECTOR | TMPF_TRUETYPE;
        blank_.advance = metrics_.averageWidth;
        turn_ = turn;
    }
    const Glyph& GlyphOf(std::uint8_t) override { return blank_; }

private:
    Glyph blank_;
};

std::unique_ptr<FontInstance> InstanceOf(const ResolvedFace& resolved, const LOGFONTA& font, TextTurn turn) {
    const bool italic = font.lfItalic != 0;
    FT_Size size = nullptr;
    if (!resolved.face || FT_New_Size(resolved.face, &size) != 0) return std::make_unique<BlankInstance>(font.lfHeight, turn);
    const DesignMetrics design = DesignOf(resolved.face);
    const Sizing sizing = SizeFor(design, font.lfHeight, font.lfWidth);
    FT_Activate_Size(size);
    if (FT_Set_Pixel_Sizes(resolved.face, static_cast<FT_UInt>(sizing.emX), static_cast<FT_UInt>(sizing.emY)) != 0) {
        FT_Done_Size(size);
        return std::make_unique<BlankInstance>(font.lfHeight, turn);
    }
    const bool italicFace = (resolved.face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
    const FontMetrics metrics = MetricsOf(design, sizing, resolved.embolden, italic || italicFace);
    return std::make_unique<OutlineInstance>(resolved, size, sizing, metrics, turn);
}

// What tells instances apart: the face name without case, bold or not,
// italic or not, the size and the escapement. Underline and strike-out are
// drawn lines, not glyphs, and share the instance.
struct InstanceKey {
    std::array<char, LF_FACESIZE> face{};
    bool bold = false;
    bool italic = false;
    LONG height = 0;
    LONG width = 0;
    int tenths = 0;

    auto operator<=>(const InstanceKey&) const = default;
};

InstanceKey KeyOf(const LOGFONTA& font, const TextTurn& turn) {
    InstanceKey key;
    for (std::size_t i = 0; i < LF_FACESIZE - 1 && font.lfFaceName[i] != '\0'; ++i)
        key.face[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(font.lfFaceName[i])));
    key.bold = font.lfWeight >= FW_SEMIBOLD;
    key.italic = font.lfItalic != 0;
    key.height = font.lfHeight;
    key.width = font.lfWidth;
    key.tenths = turn.tenths;
    return key;
}

// The cache, with the instance used last remembered apart: a program
// mostly draws string after string in one font.
struct InstanceCache {
    std::map<InstanceKey, std::unique_ptr<FontInstance>> instances;
    InstanceKey lastKey;
    FontInstance* last = nullptr;
};

// Never destroyed, like the faces its instances draw from; reachable
// through this pointer for as long as the process runs.
InstanceCache& Cache() {
    static InstanceCache* const cache = new InstanceCache();
    return *cache;
}

}  // namespace

TextTurn TextTurn::Of(long escapement) {
    TextTurn turn;
    turn.tenths = static_cast<int>(((escapement % 3600) + 3600) % 3600);
    switch (turn.tenths) {
        case 0: break;
        case 900: turn.cosine = 0; turn.sine = 1; break;
        case 1800: turn.cosine = -1; turn.sine = 0; break;
        case 2700: turn.cosine = 0; turn.sine = -1; break;
        default: {
            const double radians = turn.tenths * std::numbers::pi / 1800.0;
            turn.cosine = std::cos(radians);
            turn.sine = std::sin(radians);
        }
    }
    return turn;
}

std::unique_ptr<FontInstance> MakeInstance(const ResolvedFace& resolved, const LOGFONTA& font) {
    return InstanceOf(resolved, font, TextTurn::Of(font.lfEscapement));
}

FontInstance& InstanceFor(const LOGFONTA& font) {
    InstanceCache& cache = Cache();
    const TextTurn turn = TextTurn::Of(font.lfEscapement);
    const InstanceKey key = KeyOf(font, turn);
    if (cache.last && key == cache.lastKey) return *cache.last;
    auto found = cache.instances.find(key);
    if (found == cache.instances.end()) {
        if (cache.instances.size() >= kInstanceLimit) cache.instances.clear();
        const ResolvedFace resolved = ResolveFace(font.lfFaceName, key.bold, key.italic);
        found = cache.instances.emplace(key, InstanceOf(resolved, font, turn)).first;
    }
    cache.lastKey = key;
    cache.last = found->second.get();
    return *cache.last;
}

}  // namespace lumenbox::win::detail
