// Face resolution through fontconfig, and the FreeType faces it leads to.
#include "platform/gdi/font_faces.h"

#include <fontconfig/fontconfig.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include <lumenbox/win/gdi.h>

#include "platform/gdi/gdi_objects.h"

namespace lumenbox::win::detail {

namespace {

// Where a face lives: a file, and the face's index in it (collections hold
// several).
using FaceLocation = std::pair<std::string, int>;

struct FaceRequest {
    std::string family;  // lower case, so that "arial" and "Arial" share an answer
    bool bold;
    bool italic;

    bool operator<(const FaceRequest& other) const {
        return std::tie(family, bold, italic) < std::tie(other.family, other.bold, other.italic);
    }
};

void ReleaseConfigAtExit();

// The process's FreeType library, fontconfig configuration, open faces and
// answers. Made on the first text call and never destroyed: it stays
// reachable through the pointer below, so it is no leak, and text drawn by
// late atexit handlers still finds the faces it has used. The configuration
// alone goes at exit: fontconfig keeps part of it where the leak checker
// cannot see it, so kept, it would be reported as lost.
struct FaceLibrary {
    FaceLibrary() {
        if (FT_Init_FreeType(&freetype) != 0) freetype = nullptr;
        // A configuration of our own, apart from the process-wide one that
        // the display's font catalogue may build and drop.
        config = FcInitLoadConfigAndFonts();
        if (config) std::atexit(ReleaseConfigAtExit);
    }

    FT_Library freetype = nullptr;
    FcConfig* config = nullptr;
    std::map<FaceLocation, FT_Face> faces;  // null where the file would not open
    std::map<FaceRequest, ResolvedFace> answers;
};

constexpr std::size_t kAnswerLimit = 256;

FaceLibrary& Library() {
    static FaceLibrary* const library = new FaceLibrary();
    return *library;
}

// After this, faces not asked for before draw nothing.
void ReleaseConfigAtExit() {
    GdiLock lock;
    if (FcConfig* config = std::exchange(Library().config, nullptr)) FcConfigDestroy(config);
}

std::string LowerCase(const char* name) {
    std::string lower(name, strnlen(name, LF_FACESIZE));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Windows' own bitmap faces, and no name at all, mean its sans face; the
// machine has neither, so the request names fontconfig's generic sans.
std::string FamilyToAsk(const std::string& family) {
    if (family.empty() || family == "system" || family == "ms sans serif") return "sans-serif";
    return family;
}

// The file and index fontconfig matches to the request, with the weight and
// slant that face really has; false when nothing matches.
struct Match {
    FaceLocation location;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
};

bool MatchFace(FcConfig* config, const FaceRequest& request, Match& match) {
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return false;
    const std::string family = FamilyToAsk(request.family);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    // Glyphs are rendered from outlines at any size and angle.
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (!found) return false;
    FcChar8* file = nullptr;
    const bool located = FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file;
    if (located) {
        int index = 0;
        FcPatternGetInteger(found, FC_INDEX, 0, &index);
        FcPatternGetInteger(found, FC_WEIGHT, 0, &match.weight);
        FcPatternGetInteger(found, FC_SLANT, 0, &match.slant);
        match.location = FaceLocation(reinterpret_cast<const char*>(file), index);
    }
    FcPatternDestroy(found);
    return located;
}

// The open face for a file, opened once; null if FreeType cannot read it or
// it has no outlines.
FT_Face OpenFace(FaceLibrary& library, const FaceLocation& location) {
    const auto known = library.faces.find(location);
    if (known != library.faces.end()) return known->second;
    FT_Face face = nullptr;
    if (FT_New_Face(library.freetype, location.first.c_str(), location.second, &face) != 0) face = nullptr;
    if (face && !FT_IS_SCALABLE(face)) {
        FT_Done_Face(face);
        face = nullptr;
    }
    library.faces.emplace(location, face);
    return face;
}

ResolvedFace Resolve(FaceLibrary& library, const FaceRequest& request) {
    Match match;
    if (!library.freetype || !library.config || !MatchFace(library.config, request, match)) return ResolvedFace{};
    ResolvedFace resolved;
    resolved.face = OpenFace(library, match.location);
    resolved.embolden = request.bold && match.weight < FC_WEIGHT_DEMIBOLD;
    resolved.shear = request.italic && match.slant == FC_SLANT_ROMAN;
    return resolved;
}

}  // namespace

ResolvedFace ResolveFace(const char* faceName, bool bold, bool italic) {
    FaceLibrary& library = Library();
    FaceRequest request{LowerCase(faceName), bold, italic};
    const auto known = library.answers.find(request);
    if (known != library.answers.end()) return known->second;
    const ResolvedFace resolved = Resolve(library, request);
    // A program that makes up face names without end does not grow the
    // table without end; the faces themselves stay open.
    if (library.answers.size() >= kAnswerLimit) library.answers.clear();
    library.answers.emplace(std::move(request), resolved);
    return resolved;
}

}  // namespace lumenbox::win::detail
