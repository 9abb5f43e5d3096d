#include "robustness/call_sequence_engine.h"

#include <sstream>
#include <thread>

#include <lumenbox/graph.h>

#include "robustness/allowed_statuses.h"
#include "robustness/calls.h"
#include "robustness/floating_point_watch.h"
#include "robustness/library_calls.h"
#include "robustness/user_actions.h"
#include "robustness/window_lifecycle.h"

namespace lumenbox::robustness {

namespace {

// Enough of what led up to a failure to read it without replaying.
constexpr std::size_t RememberedSteps = 16;
constexpr std::uint32_t UserActionPercent = 15;
// With no window open most calls only refuse: open one more often.
constexpr std::uint32_t OpenPercentWhenClosed = 30;

// Calls that write what the window thread reads (the key hook, the screen
// size) belong to the program's start, before any window: with a window
// open another call is made in their place.
Call Admissible(Call call, const Session& session) {
    const bool startUpOnly = call == Call::GraphLibraryStart || call == Call::InstallKeyboard;
    return startUpOnly && session.open ? Call::KeyWaiting : call;
}

Call ChooseCall(ChoiceSource& choices, const Session& session) {
    if (!session.open && Chance(choices, OpenPercentWhenClosed)) return Call::OpenGraphics;
    return Admissible(static_cast<Call>(choices.Below(CallCount)), session);
}

// The keyboard unit's calls and the random numbers come last in Call.
bool IsKeyboardCall(Call call) { return call >= Call::KeyWaiting; }

CallOutcome Perform(Call call, ChoiceSource& choices, Session& session) {
    switch (call) {
    case Call::OpenGraphics: return OpenWindow(choices, session);
    case Call::CloseGraphics: return CloseWindow(session);
    case Call::GraphLibraryStop: return StopLibrary(session);
    case Call::GraphLibraryStart: return RestartLibrary(session);
    default:
        return IsKeyboardCall(call) ? PerformKeyboardCall(call, choices, session)
                                    : PerformGraphCall(call, choices, session);
    }
}

}  // namespace

// ThreadSanitizer starts a helper thread of its own at the process's first
// thread creation; started here, it is in every count of the process's
// threads and never looks like a window thread left behind.
//
// Likewise the OpenGL driver: the first window's contexts start its threads,
// which serve every later context for the life of the process.
CallSequenceEngine::CallSequenceEngine() {
    std::thread([] {}).join();
    std::int16_t kind = 9;
    std::int16_t size = 1;
    OpenGraphics(kind, size, "Driver start");
    if (IsGraphOpen()) CloseGraphics();
    GraphState.GraphStatus = StatusOk;
}

SequenceReport CallSequenceEngine::Run(ChoiceSource& choices, std::size_t maxSteps) {
    SequenceReport report;
    stepNumber_ = 0;
    recentSteps_.clear();
    session_.environment = PrepareDisplay(choices);
    const std::size_t length = 1 + choices.Below(static_cast<std::uint32_t>(maxSteps));
    while (stepNumber_ < length && !choices.Exhausted() && !report.failure) Step(choices, report);
    Finish(report);
    return report;
}

void CallSequenceEngine::Step(ChoiceSource& choices, SequenceReport& report) {
    ++stepNumber_;
    if (Chance(choices, UserActionPercent)) {
        const std::string action = PerformUserAction(choices, session_);
        ++report.userActions;
        if (IsGraphOpen() != session_.open) Fail(report, action, "the window's open state changed");
        Remember(action);
        return;
    }
    CallOne(choices, report);
}

void CallSequenceEngine::CallOne(ChoiceSource& choices, SequenceReport& report) {
    const Call call = ChooseCall(choices, session_);
    const bool wasOpen = session_.open;
    const std::int16_t before = GraphState.GraphStatus;
    const FloatingPointWatch floatingPoint;
    const CallOutcome outcome = Perform(call, choices, session_);
    const std::int16_t after = GraphState.GraphStatus;
    const std::string floatingPointChanges = floatingPoint.Changes();
    ++report.calls;
    report.callsMade.push_back(outcome.call);
    if (call == Call::OpenGraphics && session_.open && !wasOpen) ++report.opens;

    if (const auto wrongStatus = CheckStatus(outcome.call, wasOpen, before, after)) {
        Fail(report, outcome.text, *wrongStatus);
    } else if (!outcome.problem.empty()) {
        Fail(report, outcome.text, outcome.problem);
    } else if (!floatingPointChanges.empty()) {
        Fail(report, outcome.text, floatingPointChanges);
    } else if (IsGraphOpen() != session_.open) {
        Fail(report, outcome.text, session_.open ? "the window is not open" : "a window is open");
    }
    Remember(outcome.text);
}

// A sequence ends as a program does: with the window closed.
void CallSequenceEngine::Finish(SequenceReport& report) {
    if (session_.open) {
        const CallOutcome outcome = CloseWindow(session_);
        ++report.calls;
        ++stepNumber_;
        if (!report.failure && GraphState.GraphStatus != StatusOk)
            Fail(report, outcome.text, "closing at the end reported " + std::to_string(GraphState.GraphStatus.load()));
        if (!report.failure && !outcome.problem.empty()) Fail(report, outcome.text, outcome.problem);
    }
    // After a failure the library may not know its window any more.
    if (IsGraphOpen()) CloseGraphics();
    RestoreDisplay(session_.environment);
}

void CallSequenceEngine::Fail(SequenceReport& report, const std::string& step, const std::string& why) {
    std::ostringstream text;
    text << "step " << stepNumber_ << ": " << step << "\n  " << why << "\n  display: "
         << DescribeEnvironment(session_.environment) << "\n  steps before it:";
    if (recentSteps_.empty()) text << " none";
    for (const std::string& earlier : recentSteps_) text << "\n    " << earlier;
    report.failure = text.str();
}

void CallSequenceEngine::Remember(std::string step) {
    if (trace_ != nullptr) *trace_ << "  " << stepNumber_ << ": " << step << " -> " << GraphState.GraphStatus << "\n";
    recentSteps_.push_back(std::move(step));
    if (recentSteps_.size() > RememberedSteps) recentSteps_.pop_front();
}

}  // namespace lumenbox::robustness
