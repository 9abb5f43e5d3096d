// What the display says about OpenGL: whether it is there at all, and whether
// making a context upsets the floating-point environment as some drivers do.
#pragma once

#include <cfenv>

namespace lumenbox::win::detail {

// False without a display.
bool OpenGLOffered();
// Called after a context is made: where the display asks for it, leaves the
// rounding mode and exception flags as a careless driver would.
void DisturbFloatingPointLikeADriver();

// Keeps what the real driver does to the floating-point environment (Mesa
// leaves FE_INVALID and FE_INEXACT raised as it starts and makes contexts)
// from the caller, so that only the display's switch above decides whether
// making a context disturbs it.
class FloatingPointShield {
public:
    FloatingPointShield() { std::fegetenv(&saved_); }
    ~FloatingPointShield() { std::fesetenv(&saved_); }
    FloatingPointShield(const FloatingPointShield&) = delete;
    FloatingPointShield& operator=(const FloatingPointShield&) = delete;

private:
    std::fenv_t saved_;
};

}  // namespace lumenbox::win::detail
