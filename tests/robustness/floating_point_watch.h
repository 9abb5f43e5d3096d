// The program's floating-point environment around one call: the rounding
// mode must come back as it was (an OpenGL driver may change it while it
// makes a context), and no invalid operation, division by zero or overflow
// may happen on the program's thread (a NaN or infinity on its way to a
// coordinate or a size).
#pragma once

#include <string>

namespace lumenbox::robustness {

class FloatingPointWatch {
public:
    // Clears the exceptions it watches for, so that only the call's own count.
    FloatingPointWatch();
    // What the call did to the environment; empty when nothing.
    std::string Changes() const;

private:
    int rounding_;
};

}  // namespace lumenbox::robustness
