// Arguments drawn from the places where code goes wrong: 0, -1, the ends of
// the argument's type, and just inside and just outside the range a call
// accepts. Now and then an ordinary value, so that calls also do real work.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "robustness/choice_source.h"

namespace lumenbox::robustness {

// `near` lists range ends of the call at hand (the canvas's last column, a
// palette's size); one of them, or its neighbour on either side, is drawn
// as often as a type edge.
std::int16_t EdgeInt16(ChoiceSource& choices, std::initializer_list<std::int32_t> near = {});
std::uint16_t EdgeUInt16(ChoiceSource& choices, std::initializer_list<std::int32_t> near = {});
std::int32_t EdgeInt32(ChoiceSource& choices, std::initializer_list<std::int64_t> near = {});
std::uint32_t EdgeUInt32(ChoiceSource& choices, std::initializer_list<std::int64_t> near = {});
std::uint8_t EdgeByte(ChoiceSource& choices);

// A small count from 0 to `limit`, `limit` itself and one past it included.
std::int32_t SmallCount(ChoiceSource& choices, std::int32_t limit);

// Text for captions and font names: empty, a few letters, one of `known`,
// one cut at a zero character, one longer than any limit, raw bytes.
std::string EdgeText(ChoiceSource& choices, std::initializer_list<const char*> known);

}  // namespace lumenbox::robustness
