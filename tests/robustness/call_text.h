// A call as a line of C++ that replays it: "FillBar(-32768, 0, 639, 480)".
#pragma once

#include <concepts>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace lumenbox::robustness {

// Printable and unambiguous: quoted, other bytes as \xNN, long runs shortened.
std::string Quoted(std::string_view text);

// An argument written as it stands: "{17, 18}", "GraphWindow".
struct Verbatim {
    std::string text;
};

namespace detail {

template <class T>
void PutArgument(std::ostringstream& out, const T& value) {
    if constexpr (std::same_as<T, Verbatim>) {
        out << value.text;
    } else if constexpr (std::same_as<T, bool>) {
        out << (value ? "true" : "false");
    } else if constexpr (std::integral<T> && sizeof(T) == 1) {
        out << static_cast<int>(value);
    } else if constexpr (std::convertible_to<T, std::string_view>) {
        out << Quoted(value);
    } else {
        out << value;
    }
}

}  // namespace detail

template <class... Args>
std::string CallText(std::string_view name, const Args&... args) {
    std::ostringstream out;
    out << name << "(";
    const char* separator = "";
    ((out << separator, detail::PutArgument(out, args), separator = ", "), ...);
    out << ")";
    return out.str();
}

}  // namespace lumenbox::robustness
