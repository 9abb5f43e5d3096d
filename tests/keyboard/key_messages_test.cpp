// The window's messages as the keyboard unit sees them: close requests,
// repeated key-downs, characters, and messages that must put nothing.
#include <thread>

#include <gtest/gtest.h>

#include <lumenbox/win/user.h>

#include "key_test_window.h"

namespace lumenbox {
namespace {

namespace headless = lumenbox::display::headless;
using Bytes = std::vector<std::uint8_t>;

class KeyMessagesTest : public testing::Test {
protected:
    void SetUp() override { keytest::OpenKeyWindow(); }
    void TearDown() override { keytest::CloseKeyWindow(); }

    static headless::WindowId Window() { return headless::IdOf(GraphState.GraphWindow.load()); }

    static Bytes QueuedBytes() {
        Bytes bytes;
        while (KeyWaiting()) {
            bytes.push_back(NextKey());
        }
        return bytes;
    }
};

TEST_F(KeyMessagesTest, TheCloseButtonQueuesZeroOneHundredSevenAndTheWindowStays) {
    headless::ClickClose(Window());
    headless::TypeKey(keytest::MarkerKey);
    EXPECT_EQ(keytest::ReadKeysUntilMarker(), (Bytes{0, 107}));
    EXPECT_TRUE(IsGraphOpen());
    const auto view = headless::Window(Window());
    ASSERT_TRUE(view.has_value());
    EXPECT_TRUE(view->visible);
}

TEST_F(KeyMessagesTest, AltF4QueuesTheSameBytesAsTheCloseButtonAndTheWindowStays) {
    EXPECT_EQ(keytest::KeysTyped(win::VK_F4, {win::VK_MENU}), (Bytes{0, 107}));
    EXPECT_TRUE(IsGraphOpen());
    EXPECT_TRUE(win::IsWindow(GraphState.GraphWindow.load()));
}

TEST_F(KeyMessagesTest, EveryRepeatedKeyDownTranslatesAgain) {
    headless::PressKey(win::VK_UP);
    headless::RepeatKey(win::VK_UP);
    headless::RepeatKey(win::VK_UP);
    headless::ReleaseKey(win::VK_UP);
    headless::TypeKey(keytest::MarkerKey);
    EXPECT_EQ(keytest::ReadKeysUntilMarker(), (Bytes{0, 72, 0, 72, 0, 72}));
}

TEST_F(KeyMessagesTest, NextKeyWaitsForAKeyTypedWhileItWaits) {
    ASSERT_FALSE(KeyWaiting());
    std::thread user([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        headless::TypeKey(win::VK_HOME);
    });
    const std::uint8_t first = NextKey();
    const std::uint8_t second = NextKey();
    user.join();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 71);
}

TEST_F(KeyMessagesTest, ACharacterMessagePutsTheLowByteOfItsCode) {
    EXPECT_EQ(KeyMessageHandler(GraphState.GraphWindow.load(), win::WM_CHAR, 0x1E9, 0), 0);
    EXPECT_EQ(QueuedBytes(), (Bytes{0xE9}));
}

TEST_F(KeyMessagesTest, TheHandlerAnswersZeroAndIgnoresOtherMessages) {
    const win::HWND window = GraphState.GraphWindow.load();
    for (const win::UINT message : {win::WM_KEYUP, win::WM_SYSKEYUP, win::WM_SYSCHAR, win::WM_PAINT,
                                    win::WM_LBUTTONDOWN, win::WM_USER}) {
        EXPECT_EQ(KeyMessageHandler(window, message, 'A', 0), 0) << "message " << message;
    }
    EXPECT_EQ(KeyMessageHandler(window, win::WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(QueuedBytes(), (Bytes{0, 107}));
}

}  // namespace
}  // namespace lumenbox
