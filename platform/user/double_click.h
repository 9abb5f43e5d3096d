// Whether a button press completes a double click.
//
// Windows' rule: the same button pressed again on the same window less than
// the double-click time after the first press, and less than half the
// double-click box away from it in each direction (so with the default 4 x 4
// box, at most one pixel off). A press that completes a double click is
// forgotten, so the press after it starts afresh.
#pragma once

#include <cstdint>

#include <lumenbox/win/user.h>

namespace lumenbox::win::detail {

inline constexpr UINT kDoubleClickMilliseconds = 500;
inline constexpr int kDoubleClickBox = 4;  // SM_CXDOUBLECLK, SM_CYDOUBLECLK

struct ButtonPress {
    UINT message;          // WM_LBUTTONDOWN, WM_RBUTTONDOWN or WM_MBUTTONDOWN
    std::uintptr_t window;
    DWORD time;            // tick count in milliseconds; may wrap
    POINT point;           // screen coordinates
};

class DoubleClickMemory {
public:
    // Remembers the press and tells whether it completes a double click.
    bool Completes(const ButtonPress& press);

private:
    ButtonPress last_{0, 0, 0, {0, 0}};
};

}  // namespace lumenbox::win::detail
