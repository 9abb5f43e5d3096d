// The font families a display offers: the standard faces and the machine's.
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/display/display.h"

namespace lumenbox::display {

namespace {

// Every display has these, so a program that asks for one by name always
// finds it, whatever the machine has installed.
const char* const kStandardFaces[] = {"Courier New", "MS Sans Serif", "Times New Roman", "Arial"};

bool SameWithoutCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

void AddUnlessPresent(std::vector<std::string>& families, std::string name) {
    if (name.empty()) return;
    for (const std::string& known : families)
        if (SameWithoutCase(known, name)) return;
    families.push_back(std::move(name));
}

// All family names fontconfig lists; a font may carry several (for instance
// in more than one language), and each is a name a program may ask for.
// A configuration of our own, destroyed afterwards, leaves fontconfig's
// process-wide one alone for anybody else and keeps nothing alive after
// the list is made.
std::vector<std::string> FontconfigFamilies() {
    std::vector<std::string> names;
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    FcFontSet* fonts = (config && pattern && objects) ? FcFontList(config, pattern, objects) : nullptr;
    for (int i = 0; fonts && i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        for (int n = 0; FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &family) == FcResultMatch; ++n)
            names.emplace_back(reinterpret_cast<const char*>(family));
    }
    if (fonts) FcFontSetDestroy(fonts);
    if (objects) FcObjectSetDestroy(objects);
    if (pattern) FcPatternDestroy(pattern);
    if (config) FcConfigDestroy(config);
    // Sorted, so that the list is the same from run to run on one machine.
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> CollectFamilies() {
    std::vector<std::string> families;
    for (const char* face : kStandardFaces) AddUnlessPresent(families, face);
    for (std::string& name : FontconfigFamilies()) AddUnlessPresent(families, std::move(name));
    return families;
}

}  // namespace

std::vector<std::string> InstalledFontFamilies() {
    // Asking fontconfig scans the font directories; once is enough.
    static const std::vector<std::string> families = CollectFamilies();
    return families;
}

}  // namespace lumenbox::display
