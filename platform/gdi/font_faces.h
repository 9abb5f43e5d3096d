// Which font file draws a logical font's face, and the FreeType faces opened
// from those files.
//
// fontconfig chooses the file: the family name, the weight and the slant go
// through its substitutions (so "Arial", "Times New Roman" and "Courier New"
// reach their metric-compatible stand-ins) and its best match. A family it
// does not know still gets a face, as CreateFontIndirectA never fails for a
// face that is not installed. Each answer and each opened file is kept for
// the life of the process: text is drawn a thousand strings a frame, and
// neither fontconfig nor the file system may be asked each time.
//
// FreeType objects are not thread safe; everything here runs with the GDI
// mutex held, which therefore guards them.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

namespace lumenbox::win::detail {

// The face that draws a request, and what the face lacks of it: a regular
// face asked for bold is to be emboldened, an upright one asked for italic
// to be sheared. `face` is null only when fontconfig finds no usable font
// file at all.
struct ResolvedFace {
    FT_Face face = nullptr;
    bool embolden = false;
    bool shear = false;
};

// The face for a LOGFONTA face name (at most LF_FACESIZE characters, zero
// terminated), weight and slant. GDI mutex held.
ResolvedFace ResolveFace(const char* faceName, bool bold, bool italic);

}  // namespace lumenbox::win::detail
