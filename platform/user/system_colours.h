// The system colours that class backgrounds may name (index + 1).
#pragma once

#include <optional>

#include <lumenbox/win/types.h>

namespace lumenbox::win::detail {

// The colour of a system colour index (COLOR_MENU, COLOR_WINDOW, ...), as a
// freshly installed Windows shows it; nullopt outside the table.
std::optional<COLORREF> SystemColour(int index);

}  // namespace lumenbox::win::detail
