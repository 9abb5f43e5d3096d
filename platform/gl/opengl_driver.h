// What the display says about OpenGL: whether it is there at all, and whether
// making a context upsets the floating-point environment as some drivers do.
#pragma once

namespace lumenbox::win::detail {

// False without a display.
bool OpenGLOffered();
// Called after a context is made: where the display asks for it, leaves the
// rounding mode and exception flags as a careless driver would.
void DisturbFloatingPointLikeADriver();

}  // namespace lumenbox::win::detail
