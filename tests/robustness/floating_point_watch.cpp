#include "robustness/floating_point_watch.h"

#include <cfenv>
#include <string>

namespace lumenbox::robustness {

namespace {

// An inexact result is the normal case of floating-point arithmetic; these
// are not.
constexpr int WatchedExceptions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

}  // namespace

FloatingPointWatch::FloatingPointWatch() : rounding_(std::fegetround()) { std::feclearexcept(WatchedExceptions); }

std::string FloatingPointWatch::Changes() const {
    std::string changes;
    const auto note = [&changes](const char* what) { changes += (changes.empty() ? "" : "; ") + std::string(what); };
    if (std::fegetround() != rounding_) note("the rounding mode changed");
    const int raised = std::fetestexcept(WatchedExceptions);
    if (raised & FE_INVALID) note("an invalid floating-point operation");
    if (raised & FE_DIVBYZERO) note("a floating-point division by zero");
    if (raised & FE_OVERFLOW) note("a floating-point overflow");
    return changes;
}

}  // namespace lumenbox::robustness
