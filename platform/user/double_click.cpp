// The double-click rule.
#include "platform/user/double_click.h"

#include <cstdlib>

namespace lumenbox::win::detail {

namespace {

// 64-bit, so points far apart (INT_MIN against INT_MAX) cannot overflow.
bool Near(int a, int b) { return std::llabs(static_cast<long long>(a) - b) < kDoubleClickBox / 2; }

}  // namespace

bool DoubleClickMemory::Completes(const ButtonPress& press) {
    // Unsigned subtraction: the tick count wraps after 49 days, and a press
    // just after the wrap is still close in time to one just before it.
    const bool completes = last_.message != 0 && press.message == last_.message && press.window == last_.window &&
                           static_cast<DWORD>(press.time - last_.time) < kDoubleClickMilliseconds &&
                           Near(press.point.x, last_.point.x) && Near(press.point.y, last_.point.y);
    last_ = completes ? ButtonPress{0, 0, 0, {0, 0}} : press;
    return completes;
}

}  // namespace lumenbox::win::detail
