// The headless display's input script: how its text is read, and that it
// gives keys to the window that is shown and focused.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/display/headless/headless_display.h"
#include "platform/display/headless/input_script.h"

namespace lumenbox::display {
namespace {

TEST(InputScriptParse, ReadsEveryStepWithSpacesAroundIt) {
    const auto steps = InputScript::Parse(" wait-shown ;wait-ms 300;  key 27 ; close;");
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_EQ(steps[0].verb, "wait-shown");
    EXPECT_EQ(steps[1].verb, "wait-ms");
    EXPECT_EQ(steps[1].argument, 300);
    EXPECT_EQ(steps[2].verb, "key");
    EXPECT_EQ(steps[2].argument, 27);
    EXPECT_EQ(steps[3].verb, "close");
}

TEST(InputScriptParse, AnyMalformedStepRefusesTheWholeScript) {
    EXPECT_TRUE(InputScript::Parse("wait-shown; jump 3; key 27").empty());
    EXPECT_TRUE(InputScript::Parse("key").empty());
    EXPECT_TRUE(InputScript::Parse("key escape").empty());
    EXPECT_TRUE(InputScript::Parse("wait-ms -5").empty());
    EXPECT_TRUE(InputScript::Parse("wait-ms 12x").empty());
    EXPECT_TRUE(InputScript::Parse("close now").empty());
}

// Numbers too large for their step must not wrap into valid ones (4294967323
// is 27, Escape, in 32 bits) nor overflow the wait's clock arithmetic.
TEST(InputScriptParse, NumbersOutOfTheirRangeRefuseTheWholeScriptNamingTheStep) {
    const char* const refused[] = {"key 4294967323",       "key 255",      "key 0",
                                   "key +27",              "wait-ms 9223372036854775",
                                   "wait-ms 99999999999999999999999", "wait-ms 86400001",
                                   "wait-ms +5"};
    for (const char* step : refused) {
        const std::string script = std::string("wait-shown; ") + step + "; key 27";
        ::testing::internal::CaptureStderr();
        const auto steps = InputScript::Parse(script);
        const std::string message = ::testing::internal::GetCapturedStderr();
        EXPECT_TRUE(steps.empty()) << step;
        EXPECT_NE(message.find("step 2"), std::string::npos) << message;
        EXPECT_NE(message.find(step), std::string::npos) << message;
    }
    const auto edges = InputScript::Parse("key 1; key 254; wait-ms 0; wait-ms 86400000");
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_EQ(edges[1].argument, 254);
    EXPECT_EQ(edges[3].argument, 86400000);
}

class RecordingSink : public EventSink {
public:
    void Key(WindowId window, const KeyEvent& event) override {
        std::lock_guard lock(mutex);
        keys.push_back({window, event.virtualKey, event.down});
    }
    void CloseRequested(WindowId window) override {
        std::lock_guard lock(mutex);
        closed.push_back(window);
    }
    void Exposed(WindowId, int, int, int, int) override {}

    struct Seen {
        WindowId window;
        int key;
        bool down;
    };
    std::mutex mutex;
    std::vector<Seen> keys;
    std::vector<WindowId> closed;
};

TEST(InputScriptRun, TypesToTheWindowOnceItIsShownAndFocused) {
    HeadlessDisplay display;
    RecordingSink sink;
    display.SetEventSink(&sink);
    display.AddWindow(7, WindowPlacement{0, 0, 10, 10, 10, 10, false, "w"}, std::make_shared<Surface>(10, 10));
    display.StartInputScript(InputScript::Parse("wait-shown; key 27; close"));
    display.SetVisible(7, true);

    for (int i = 0; i < 500; ++i) {
        {
            std::lock_guard lock(sink.mutex);
            if (!sink.closed.empty()) break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    display.Shutdown();

    std::lock_guard lock(sink.mutex);
    ASSERT_EQ(sink.closed, std::vector<WindowId>{7});
    ASSERT_EQ(sink.keys.size(), 2u);
    EXPECT_EQ(sink.keys[0].window, 7u);
    EXPECT_EQ(sink.keys[0].key, 27);
    EXPECT_TRUE(sink.keys[0].down);
    EXPECT_FALSE(sink.keys[1].down);
}

TEST(InputScriptRun, ShutdownEndsAScriptStillWaitingForAWindow) {
    HeadlessDisplay display;
    RecordingSink sink;
    display.SetEventSink(&sink);
    display.StartInputScript(InputScript::Parse("wait-shown; key 27"));
    display.Shutdown();  // returns: the wait is cut short

    std::lock_guard lock(sink.mutex);
    EXPECT_TRUE(sink.keys.empty());
}

}  // namespace
}  // namespace lumenbox::display
