// The call-sequence engine driven by a fuzzer: each input is one sequence,
// read as the engine's choices. A broken promise, a leak or a sanitizer
// report ends the run with the input saved as the reproducer. Built and run
// by scripts/fuzz.sh.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "robustness/call_sequence_engine.h"
#include "robustness/choice_source.h"

namespace {

constexpr std::size_t MaxSteps = 200;

lumenbox::robustness::CallSequenceEngine& Engine() {
    static lumenbox::robustness::CallSequenceEngine engine;
    return engine;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The display is chosen once per process, from the environment, before
    // the first window; without the headless one nothing can be checked.
    if (!lumenbox::display::headless::IsActive()) {
        std::fprintf(stderr, "the fuzz target needs LUMENBOX_DISPLAY=headless\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lumenbox::robustness::ByteChoices choices(std::span<const std::uint8_t>(data, size));
    const lumenbox::robustness::SequenceReport report = Engine().Run(choices, MaxSteps);
    if (report.failure) {
        std::fprintf(stderr, "call sequence broke a promise at %s\n", report.failure->c_str());
        std::abort();
    }
    return 0;
}
