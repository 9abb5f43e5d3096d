// The debug check of the calling thread: a call from a thread that does not
// own the open window is reported, naming the call; the owner's calls and a
// second thread's key calls are not.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include <lumenbox/graph.h>
#include <lumenbox/keyboard.h>

#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

class ThreadCheckTest : public GraphWindowTest {
protected:
    void SetUp() override {
#if !LUMENBOX_CHECK_THREAD
        GTEST_SKIP() << "built without LUMENBOX_CHECK_THREAD";
#endif
        GraphWindowTest::SetUp();
        std::int16_t kind = 3;
        std::int16_t size = 4;
        OpenGraphics(kind, size, "threads");
        ASSERT_TRUE(IsGraphOpen());
    }

    // What `call`, run on a thread of its own, writes on standard error.
    template <class Call>
    static std::string ReportOfOtherThread(Call call) {
        ::testing::internal::CaptureStderr();
        std::thread other(call);
        other.join();
        return ::testing::internal::GetCapturedStderr();
    }
};

TEST_F(ThreadCheckTest, ACallFromAnotherThreadIsReportedByName) {
    const std::string report = ReportOfOtherThread([] { ReadPixel(1, 1); });
    EXPECT_NE(report.find("ReadPixel"), std::string::npos) << report;
    const std::string palette = ReportOfOtherThread([] { SetPaletteColor(3, 1, 2, 3); });
    EXPECT_NE(palette.find("SetPaletteColor"), std::string::npos) << palette;
}

TEST_F(ThreadCheckTest, TheOwnersCallsAndAnotherThreadsKeyCallsAreNotReported) {
    ::testing::internal::CaptureStderr();
    SetFillMode(1, 4);
    FillBar(0, 0, 3, 3);
    EXPECT_EQ(ReadPixel(1, 1), 4u);
    const std::string own = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(own, "");
    const std::string keys = ReportOfOtherThread([] {
        (void)KeyWaiting();
        (void)IsGraphOpen();
        (void)GraphState.GraphStatus.load();
    });
    EXPECT_EQ(keys, "");
}

}  // namespace
}  // namespace lumenbox::window_test
