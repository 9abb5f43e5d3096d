// Runs one sequence of library calls, with a user's actions in between, and
// checks after every step that the status is one the call may set and that
// the window is open exactly when it should be; after every close, that
// nothing of the window is left. Shared by the GoogleTest and the fuzz target.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "robustness/calls.h"

#include "robustness/choice_source.h"
#include "robustness/session.h"

namespace lumenbox::robustness {

struct SequenceReport {
    std::size_t calls = 0;        // library calls made
    std::size_t userActions = 0;  // keys, close clicks and exposures
    std::size_t opens = 0;        // windows opened (shown or hidden)
    std::vector<Call> callsMade;  // in order, for checking that a seed replays
    // What went wrong, with the step, the display's set-up and the steps
    // before it; empty when the sequence kept every promise.
    std::optional<std::string> failure;
};

class CallSequenceEngine {
public:
    CallSequenceEngine();

    // At most `maxSteps` steps; fewer when the choices run out. Needs the
    // headless display and no window open; leaves none open.
    SequenceReport Run(ChoiceSource& choices, std::size_t maxSteps);
    // Writes every step as it is made, for replaying a failure in full.
    void TraceTo(std::ostream* out) { trace_ = out; }

private:
    void Step(ChoiceSource& choices, SequenceReport& report);
    void CallOne(ChoiceSource& choices, SequenceReport& report);
    void Finish(SequenceReport& report);
    void Fail(SequenceReport& report, const std::string& step, const std::string& why);
    void Remember(std::string step);

    Session session_;
    std::size_t stepNumber_ = 0;
    std::deque<std::string> recentSteps_;
    std::ostream* trace_ = nullptr;
};

}  // namespace lumenbox::robustness
