#include "robustness/edge_values.h"

#include <limits>
#include <vector>

namespace lumenbox::robustness {

namespace {

template <class T>
using Limits = std::numeric_limits<T>;

// One of `near`, or a neighbour of it; narrowing to T wraps, as a caller's
// own cast would.
template <class T, class Wide>
T NearValue(ChoiceSource& choices, std::initializer_list<Wide> near) {
    const Wide base = near.begin()[choices.Below(static_cast<std::uint32_t>(near.size()))];
    const Wide offset = static_cast<Wide>(choices.Below(3)) - 1;
    return static_cast<T>(base + offset);
}

// The type's own edges: 0, 1, -1 (all bits set for unsigned types), the
// smallest and largest values and their neighbours, the sign boundary.
template <class T>
T TypeEdge(ChoiceSource& choices) {
    static constexpr T edges[] = {
        T(0),
        T(1),
        static_cast<T>(-1),
        Limits<T>::min(),
        static_cast<T>(Limits<T>::min() + 1),
        Limits<T>::max(),
        static_cast<T>(Limits<T>::max() - 1),
        static_cast<T>(Limits<T>::max() / 2),
        static_cast<T>(Limits<T>::max() / 2 + 1),
    };
    return OneOf(choices, edges);
}

template <class T>
T Ordinary(ChoiceSource& choices) {
    return static_cast<T>(choices.Bits32());
}

// Roughly: 40 in 100 a type edge, 40 a range end of the call, 20 anything.
template <class T, class Wide>
T Edge(ChoiceSource& choices, std::initializer_list<Wide> near) {
    const std::uint32_t kind = choices.Below(10);
    if (kind < 4) return TypeEdge<T>(choices);
    if (kind < 8 && near.size() != 0) return NearValue<T>(choices, near);
    if (kind < 8) return TypeEdge<T>(choices);
    return Ordinary<T>(choices);
}

}  // namespace

std::int16_t EdgeInt16(ChoiceSource& choices, std::initializer_list<std::int32_t> near) {
    return Edge<std::int16_t>(choices, near);
}

std::uint16_t EdgeUInt16(ChoiceSource& choices, std::initializer_list<std::int32_t> near) {
    return Edge<std::uint16_t>(choices, near);
}

std::int32_t EdgeInt32(ChoiceSource& choices, std::initializer_list<std::int64_t> near) {
    return Edge<std::int32_t>(choices, near);
}

std::uint32_t EdgeUInt32(ChoiceSource& choices, std::initializer_list<std::int64_t> near) {
    return Edge<std::uint32_t>(choices, near);
}

std::uint8_t EdgeByte(ChoiceSource& choices) { return Edge<std::uint8_t, std::int32_t>(choices, {}); }

std::int32_t SmallCount(ChoiceSource& choices, std::int32_t limit) {
    return static_cast<std::int32_t>(choices.Below(static_cast<std::uint32_t>(limit) + 2));
}

std::string EdgeText(ChoiceSource& choices, std::initializer_list<const char*> known) {
    switch (choices.Below(7)) {
    case 0: return "";
    case 1: return "Vyr";
    case 2: return known.size() ? known.begin()[choices.Below(static_cast<std::uint32_t>(known.size()))] : "x";
    case 3: return std::string("Ari\0al", 6);
    case 4: return std::string(300 + choices.Below(3) - 1, static_cast<char>('a' + choices.Below(26)));
    case 5: return std::string(31 + choices.Below(3) - 1, 'F');
    default: {
        std::string raw(choices.Below(40), '\0');
        for (char& c : raw) c = static_cast<char>(choices.Below(256));
        return raw;
    }
    }
}

}  // namespace lumenbox::robustness
