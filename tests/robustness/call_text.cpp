#include "robustness/call_text.h"

#include <cstdio>

namespace lumenbox::robustness {

namespace {

constexpr std::size_t ShownCharacters = 40;

void PutCharacter(std::string& out, unsigned char c) {
    if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
        out += static_cast<char>(c);
    } else {
        char escaped[5];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
        out += escaped;
    }
}

}  // namespace

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < ShownCharacters; ++i) {
        PutCharacter(out, static_cast<unsigned char>(text[i]));
    }
    out += "\"";
    if (text.size() > ShownCharacters) out += " (" + std::to_string(text.size()) + " characters)";
    return out;
}

}  // namespace lumenbox::robustness
