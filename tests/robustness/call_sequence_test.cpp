// Thousands of random call sequences over the whole public interface, each
// seeded and replayable alone: no crash, no status the calls do not promise,
// nothing of a window left after it closes. The sanitizer builds add memory
// and race checking to the same run.
//
// Replay one sequence:
//   LUMENBOX_ROBUSTNESS_SEED=<seed> LUMENBOX_ROBUSTNESS_SEQUENCE=<index> robustness_call_sequence_tests
// Other environment settings: LUMENBOX_ROBUSTNESS_SEQUENCES=<count>, and
// LUMENBOX_ROBUSTNESS_TRACE=1 to print every step with the status after it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>

#include "robustness/allowed_statuses.h"
#include "robustness/call_sequence_engine.h"
#include "robustness/choice_source.h"

#ifndef LUMENBOX_ROBUSTNESS_SEQUENCES
#define LUMENBOX_ROBUSTNESS_SEQUENCES 2000
#endif

namespace lumenbox::robustness {
namespace {

constexpr std::uint64_t DefaultSeed = 20240611;
constexpr std::size_t MaxSteps = 60;
// Past this many failing sequences the rest would only repeat them.
constexpr int ReportedFailures = 5;

std::optional<std::uint64_t> FromEnvironment(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return std::nullopt;
    return std::strtoull(text, nullptr, 0);
}

struct Totals {
    std::size_t sequences = 0;
    std::size_t calls = 0;
    std::size_t userActions = 0;
    std::size_t opens = 0;

    void Add(const SequenceReport& report) {
        ++sequences;
        calls += report.calls;
        userActions += report.userActions;
        opens += report.opens;
    }
};

class CallSequenceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(display::headless::IsActive()) << "the sequences run on the headless display";
        ASSERT_FALSE(IsGraphOpen());
    }
};

TEST_F(CallSequenceTest, NoSequenceBreaksAPromiseOrLeavesAnythingBehind) {
    const std::uint64_t runSeed = FromEnvironment("LUMENBOX_ROBUSTNESS_SEED").value_or(DefaultSeed);
    const std::optional<std::uint64_t> only = FromEnvironment("LUMENBOX_ROBUSTNESS_SEQUENCE");
    const std::uint64_t count =
        FromEnvironment("LUMENBOX_ROBUSTNESS_SEQUENCES").value_or(LUMENBOX_ROBUSTNESS_SEQUENCES);
    const std::uint64_t first = only.value_or(0);
    const std::uint64_t end = only ? *only + 1 : count;

    CallSequenceEngine engine;
    if (FromEnvironment("LUMENBOX_ROBUSTNESS_TRACE").value_or(0) != 0) engine.TraceTo(&std::cout);
    Totals totals;
    int failures = 0;
    for (std::uint64_t index = first; index < end && failures < ReportedFailures; ++index) {
        SeededChoices choices(SequenceSeed(runSeed, index));
        const SequenceReport report = engine.Run(choices, MaxSteps);
        totals.Add(report);
        if (!report.failure) continue;
        ++failures;
        ADD_FAILURE() << "seed " << runSeed << ", sequence " << index << ", " << *report.failure
                      << "\n  replay: LUMENBOX_ROBUSTNESS_SEED=" << runSeed
                      << " LUMENBOX_ROBUSTNESS_SEQUENCE=" << index;
    }
    std::cout << "[ robustness ] seed " << runSeed << ": " << totals.sequences << " sequences, " << totals.calls
              << " calls, " << totals.userActions << " user actions, " << totals.opens << " windows opened\n";
    RecordProperty("sequences", std::to_string(totals.sequences));
    RecordProperty("calls", std::to_string(totals.calls));
    EXPECT_FALSE(IsGraphOpen());
}

// The printed seed and index are all a replay needs: the same sequence of
// calls comes again, whatever the window thread did at its own pace.
TEST_F(CallSequenceTest, ASeedReplaysTheSameCalls) {
    CallSequenceEngine engine;
    for (std::uint64_t index : {3u, 17u, 40u}) {
        SeededChoices firstRun(SequenceSeed(DefaultSeed, index));
        SeededChoices secondRun(SequenceSeed(DefaultSeed, index));
        const SequenceReport first = engine.Run(firstRun, MaxSteps);
        const SequenceReport second = engine.Run(secondRun, MaxSteps);
        EXPECT_FALSE(first.callsMade.empty());
        EXPECT_EQ(first.callsMade, second.callsMade) << "sequence " << index;
        EXPECT_EQ(first.userActions, second.userActions) << "sequence " << index;
    }
}

// The checks themselves must be able to fail, or the run above proves nothing.
TEST(AllowedStatuses, CatchAStatusTheCallDoesNotPromise) {
    EXPECT_FALSE(CheckStatus(Call::FillBar, false, 0, StatusNotOpen).has_value());
    EXPECT_TRUE(CheckStatus(Call::FillBar, false, 0, StatusOk).has_value());
    EXPECT_TRUE(CheckStatus(Call::FillBar, true, 0, StatusOutOfRange).has_value());
    EXPECT_FALSE(CheckStatus(Call::SetFillMode, true, 0, StatusOutOfRange).has_value());
    EXPECT_TRUE(CheckStatus(Call::SetFillMode, true, 0, StatusEmptyFontSlot).has_value());
    EXPECT_FALSE(CheckStatus(Call::OpenGraphics, true, 0, StatusAlreadyOpen).has_value());
    EXPECT_TRUE(CheckStatus(Call::OpenGraphics, false, 0, StatusAlreadyOpen).has_value());
    // SelectGLTarget alone does not clear the status first.
    EXPECT_FALSE(CheckStatus(Call::SelectGLTarget, false, StatusOutOfRange, StatusNoOpenGL).has_value());
    EXPECT_TRUE(CheckStatus(Call::SelectGLTarget, false, StatusNoOpenGL, StatusOutOfRange).has_value());
    // Calls that report nothing must leave the status exactly as it was.
    EXPECT_FALSE(CheckStatus(Call::SetAspectFactors, true, StatusOutOfRange, StatusOutOfRange).has_value());
    EXPECT_TRUE(CheckStatus(Call::SetAspectFactors, true, StatusOutOfRange, StatusOk).has_value());
    EXPECT_TRUE(CheckStatus(Call::NextKey, false, StatusNotOpen, StatusOk).has_value());
}

TEST(ByteChoices, EndWithTheInputAndStayInRange) {
    const std::uint8_t bytes[] = {0xFF, 0x34, 0x12, 7};
    ByteChoices choices(bytes);
    EXPECT_EQ(choices.Below(10), 0xFFu % 10);
    EXPECT_EQ(choices.Below(0x10000), 0x1234u);
    EXPECT_FALSE(choices.Exhausted());
    EXPECT_EQ(choices.Below(1), 0u);  // needs no byte
    EXPECT_EQ(choices.Bits32(), 0u);  // one byte left of four
    EXPECT_TRUE(choices.Exhausted());
    EXPECT_EQ(choices.Below(200), 0u);
}

}  // namespace
}  // namespace lumenbox::robustness
