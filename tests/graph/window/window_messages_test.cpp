// Which window messages reach KeyHook, and what the window answers.
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <vector>

#include <lumenbox/graph.h>
#include <lumenbox/win/user.h>

#include "graph/window_procedure.h"
#include "graph/window/window_fixture.h"

namespace lumenbox::window_test {
namespace {

struct HookCall {
    win::HWND window;
    std::uint32_t message;
    win::WPARAM wParam;
    win::LPARAM lParam;
};

// Filled on the window thread, read on the test's.
std::mutex hookMutex;
std::vector<HookCall> hookCalls;

constexpr win::LRESULT HookAnswer = 42;

win::LRESULT RecordingHook(win::HWND window, std::uint32_t message, win::WPARAM wParam, win::LPARAM lParam) {
    std::lock_guard lock(hookMutex);
    hookCalls.push_back({window, message, wParam, lParam});
    return HookAnswer;
}

std::vector<std::uint32_t> HookedMessages() {
    std::lock_guard lock(hookMutex);
    std::vector<std::uint32_t> messages;
    for (const HookCall& call : hookCalls) {
        messages.push_back(call.message);
    }
    return messages;
}

bool HookSaw(std::uint32_t message) {
    const auto messages = HookedMessages();
    return std::find(messages.begin(), messages.end(), message) != messages.end();
}

class WindowMessagesTest : public GraphWindowTest {
protected:
    void SetUp() override {
        GraphWindowTest::SetUp();
        std::lock_guard lock(hookMutex);
        hookCalls.clear();
    }
};

TEST_F(WindowMessagesTest, CloseButtonReachesKeyHookAndTheWindowStays) {
    GraphState.KeyHook = RecordingHook;
    ASSERT_TRUE(StartWindowThread(9, 4));
    const win::HWND window = GraphState.GraphWindow.load();
    {
        const auto messages = HookedMessages();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front(), win::WM_CREATE) << "the keyboard unit prepares itself at creation";
    }

    ShowAndSettle();
    headless::ClickClose(ShownWindowId());
    WaitForQueuedMessages();
    EXPECT_TRUE(HookSaw(win::WM_CLOSE));
    EXPECT_TRUE(win::IsWindow(window));
    EXPECT_TRUE(IsGraphOpen());

    ASSERT_TRUE(StopWindowThread());
    EXPECT_EQ(HookedMessages().back(), win::WM_DESTROY);
}

TEST_F(WindowMessagesTest, WithoutKeyHookKeysAndCloseRequestsDoNothing) {
    GraphState.KeyHook = nullptr;
    ASSERT_TRUE(StartWindowThread(9, 4));
    ShowAndSettle();
    const win::HWND window = GraphState.GraphWindow.load();

    headless::TypeKey(win::VK_F4, {win::VK_MENU});
    headless::TypeKey(win::VK_F10);
    headless::TypeKey(win::VK_ESCAPE);
    headless::ClickClose(ShownWindowId());
    WaitForQueuedMessages();

    EXPECT_TRUE(win::IsWindow(window));
    EXPECT_TRUE(IsGraphOpen());
    for (win::UINT message : {win::WM_KEYDOWN, win::WM_CHAR, win::WM_SYSKEYDOWN, win::WM_CLOSE}) {
        EXPECT_EQ(GraphWndProc(window, message, 0x1B, 1), 0) << "message " << message;
    }
}

TEST_F(WindowMessagesTest, KeyMessagesPassToKeyHookUnchangedWithItsAnswer) {
    GraphState.KeyHook = RecordingHook;
    const auto window = reinterpret_cast<win::HWND>(std::uintptr_t{0x1234});
    for (win::UINT message : {win::WM_KEYDOWN, win::WM_CHAR, win::WM_SYSKEYDOWN, win::WM_CLOSE}) {
        EXPECT_EQ(GraphWndProc(window, message, 0x73, 0x20000001), HookAnswer) << "message " << message;
    }
    std::lock_guard lock(hookMutex);
    ASSERT_EQ(hookCalls.size(), 4u);
    for (const HookCall& call : hookCalls) {
        EXPECT_EQ(call.window, window);
        EXPECT_EQ(call.wParam, 0x73u);
        EXPECT_EQ(call.lParam, 0x20000001);
    }
}

TEST_F(WindowMessagesTest, KeyReleasesCharactersOfAltAndTheMouseNeverReachKeyHook) {
    GraphState.KeyHook = RecordingHook;
    for (win::UINT message : {win::WM_SYSCHAR, win::WM_MOUSEMOVE, win::WM_LBUTTONDOWN, win::WM_LBUTTONUP,
                              win::WM_RBUTTONDOWN, win::WM_RBUTTONUP, win::WM_MBUTTONDOWN, win::WM_MBUTTONUP,
                              win::WM_MOUSEWHEEL, win::WM_KEYUP, win::WM_SYSKEYUP}) {
        EXPECT_EQ(GraphWndProc(nullptr, message, 0x41, 0), 0) << "message " << message;
    }
    EXPECT_TRUE(HookedMessages().empty());
}

TEST_F(WindowMessagesTest, BackgroundIsNotErasedWhileOpen) {
    ASSERT_TRUE(StartWindowThread(9, 4));
    EXPECT_EQ(GraphWndProc(GraphState.GraphWindow.load(), win::WM_ERASEBKGND, 0, 0), 1);
}

}  // namespace
}  // namespace lumenbox::window_test
