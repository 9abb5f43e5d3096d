// Message queues: order of retrieval, WM_QUIT, WM_PAINT, wake-ups across
// threads, filters.
#include <future>
#include <thread>

#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

using QueueTest = UserTest;

TEST_F(QueueTest, PostedMessagesComeInOrderAndQuitAfterThem) {
    HWND w = Create();
    DrainQueue();
    PostMessageA(w, WM_USER, 1, 10);
    PostMessageA(w, WM_USER + 1, 2, 20);
    PostQuitMessage(7);
    PostMessageA(w, WM_USER + 2, 3, 30);

    MSG m;
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 1);
    EXPECT_EQ(m.message, WM_USER);
    EXPECT_EQ(m.hwnd, w);
    EXPECT_EQ(m.wParam, 1u);
    EXPECT_EQ(m.lParam, 10);
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 1);
    EXPECT_EQ(m.message, WM_USER + 1u);
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 1);
    EXPECT_EQ(m.message, WM_USER + 2u) << "posted messages go before WM_QUIT, even later ones";
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 0);
    EXPECT_EQ(m.message, WM_QUIT);
    EXPECT_EQ(m.wParam, 7u);
    EXPECT_FALSE(PeekNext().has_value()) << "WM_QUIT is retrieved once";
}

TEST_F(QueueTest, PaintComesOnlyWhenNothingIsPostedAndWhileTheRegionStays) {
    HWND w = CreateShown();
    const RECT part{1, 2, 3, 4};
    InvalidateRect(w, &part, FALSE);
    PostMessageA(w, WM_USER, 0, 0);
    PostQuitMessage(0);

    auto first = PeekNext();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->message, WM_USER);
    auto second = PeekNext();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->message, WM_QUIT) << "WM_QUIT before WM_PAINT";
    // The region is not validated by retrieving WM_PAINT: it comes again.
    for (int i = 0; i < 2; ++i) {
        auto paint = PeekNext();
        ASSERT_TRUE(paint);
        EXPECT_EQ(paint->message, WM_PAINT);
        EXPECT_EQ(paint->hwnd, w);
    }
    ValidateRect(w, nullptr);
    EXPECT_FALSE(PeekNext().has_value());
}

TEST_F(QueueTest, HiddenWindowsAreNotPainted) {
    HWND w = CreateShown();
    ShowWindow(w, SW_HIDE);
    InvalidateRect(w, nullptr, TRUE);
    EXPECT_FALSE(PeekNext().has_value());
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(w, &pending, FALSE)) << "the region waits for the window to show";
}

TEST_F(QueueTest, PaintMessageIsDispatchedToThePaintingProcedure) {
    HWND w = CreateShown();
    InvalidateRect(w, nullptr, FALSE);
    const auto pumped = PumpQueue();
    ASSERT_EQ(pumped.size(), 1u);
    EXPECT_EQ(pumped[0].message, WM_PAINT);
    EXPECT_EQ(Log().Count(WM_PAINT), 1u);
    EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE)) << "DefWindowProcA validated it";
}

// The window thread waits in GetMessageA; another thread's call must wake it.
template <class Poke>
MSG MessageSeenByBlockedThread(Poke poke) {
    std::promise<HWND> created;
    std::promise<void> poked;
    MSG seen{};
    std::thread windowThread([&] {
        HWND w = CreateWindowExA(0, kTestClass, "", kCaptioned, 0, 0, 200, 200, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(w, SW_SHOW);
        PumpQueue();
        created.set_value(w);
        GetMessageA(&seen, nullptr, 0, 0);
        poked.get_future().wait();
        DestroyWindow(w);
    });
    HWND w = created.get_future().get();
    Sleep(20);  // most likely asleep in GetMessageA by now; either way it must see the poke
    poke(w);
    poked.set_value();
    windowThread.join();
    return seen;
}

TEST_F(QueueTest, InvalidateRectFromAnotherThreadWakesGetMessage) {
    HWND window = nullptr;
    const MSG seen = MessageSeenByBlockedThread([&](HWND w) {
        window = w;
        const RECT part{5, 5, 6, 6};
        EXPECT_TRUE(InvalidateRect(w, &part, FALSE));
    });
    EXPECT_EQ(seen.message, WM_PAINT);
    EXPECT_EQ(seen.hwnd, window);
}

TEST_F(QueueTest, PostMessageFromAnotherThreadWakesGetMessage) {
    const MSG seen = MessageSeenByBlockedThread([](HWND w) { EXPECT_TRUE(PostMessageA(w, WM_USER, 42, 0)); });
    EXPECT_EQ(seen.message, WM_USER);
    EXPECT_EQ(seen.wParam, 42u);
}

TEST_F(QueueTest, ProceduresRunOnlyOnTheWindowsThread) {
    HWND w = CreateShown();
    std::thread other([w] {
        EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 0);
        const MSG m{w, WM_USER, 0, 0, 0, {}};
        EXPECT_EQ(DispatchMessageA(&m), 0);
        MSG out;
        EXPECT_EQ(GetMessageA(&out, w, 0, 0), -1) << "a window of another thread cannot be waited for";
        EXPECT_FALSE(PeekMessageA(&out, w, 0, 0, PM_REMOVE));
    });
    other.join();
    EXPECT_EQ(Log().Count(WM_USER), 0u);
    Log().SetHandler([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_USER) return 99;
        return std::nullopt;
    });
    EXPECT_EQ(SendMessageA(w, WM_USER, 0, 0), 99);
}

TEST_F(QueueTest, FiltersPickByWindowAndRange) {
    HWND a = CreateShown();
    HWND b = CreateShown(300, 300);
    PostMessageA(a, WM_USER, 1, 0);
    PostMessageA(b, WM_USER, 2, 0);
    PostMessageA(a, WM_USER + 5, 3, 0);
    PostMessageA(nullptr, WM_USER + 9, 4, 0);  // to the thread, no window

    MSG m;
    ASSERT_EQ(GetMessageA(&m, b, 0, 0), 1);
    EXPECT_EQ(m.wParam, 2u);
    ASSERT_EQ(GetMessageA(&m, nullptr, WM_USER + 1, WM_USER + 10), 1);
    EXPECT_EQ(m.wParam, 3u);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(m.wParam, 1u);
    ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(m.wParam, 1u) << "PM_NOREMOVE left it in place";
    ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), 1);
    EXPECT_EQ(m.hwnd, nullptr);
    EXPECT_EQ(m.wParam, 4u);
    EXPECT_EQ(DispatchMessageA(&m), 0) << "a thread message has no procedure";
    EXPECT_EQ(Log().Count(WM_USER + 9), 0u);
}

TEST_F(QueueTest, BadArgumentsAreRefused) {
    HWND w = CreateShown();
    MSG m;
    EXPECT_EQ(GetMessageA(nullptr, nullptr, 0, 0), -1);
    EXPECT_EQ(GetMessageA(&m, reinterpret_cast<HWND>(std::uintptr_t{0x12345}), 0, 0), -1);
    EXPECT_EQ(GetMessageA(&m, GetDesktopWindow(), 0, 0), -1);
    EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PostMessageA(GetDesktopWindow(), WM_USER, 0, 0));
    EXPECT_FALSE(TranslateMessage(nullptr));
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
    const MSG huge{w, WM_KEYDOWN, WPARAM{0x100000041}, 0, 0, {}};
    EXPECT_FALSE(TranslateMessage(&huge)) << "not a virtual-key code";
    EXPECT_FALSE(PeekNext().has_value());
}

}  // namespace
}  // namespace lumenbox::win::testing
