// Destroying windows, and refusing handles that name no live window.
#include <thread>

#include <lumenbox/win/gdi.h>

#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

using DestructionTest = UserTest;

bool Listed(HWND w) {
    for (auto id : headless::Windows())
        if (id == headless::IdOf(w)) return true;
    return false;
}

TEST_F(DestructionTest, DestroyWindowSendsDestroyWhileTheDcStillWorks) {
    HWND w = CreateShown();
    HDC dc = GetDC(w);
    COLORREF pixelDuringDestroy = CLR_INVALID;
    Log().SetHandler([&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_DESTROY) pixelDuringDestroy = GetPixel(dc, 0, 0);
        return std::nullopt;
    });
    EXPECT_TRUE(DestroyWindow(w));
    EXPECT_EQ(Log().Messages(), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
    EXPECT_NE(pixelDuringDestroy, CLR_INVALID);
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(Listed(w)) << "gone from the display";
    EXPECT_EQ(GetObjectType(dc), 0u) << "its DC went with it";
    EXPECT_FALSE(DestroyWindow(w)) << "a second time";
}

TEST_F(DestructionTest, OnlyTheOwningThreadMayDestroy) {
    HWND w = CreateShown();
    BOOL fromOther = TRUE;
    std::thread other([&] { fromOther = DestroyWindow(w); });
    other.join();
    EXPECT_FALSE(fromOther);
    EXPECT_TRUE(IsWindow(w));
    EXPECT_EQ(Log().Count(WM_DESTROY), 0u);
}

TEST_F(DestructionTest, MessagesPendingForTheWindowAreDropped) {
    HWND keep = CreateShown();
    HWND w = CreateShown(200, 200);
    PostMessageA(w, WM_USER, 1, 0);
    PostMessageA(keep, WM_USER, 2, 0);
    PostMessageA(w, WM_USER, 3, 0);
    DestroyWindow(w);
    const auto left = DrainQueue();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].hwnd, keep);
    EXPECT_EQ(left[0].wParam, 2u);
}

TEST_F(DestructionTest, DefaultCloseDestroys) {
    HWND w = CreateShown();
    PostMessageA(w, WM_CLOSE, 0, 0);
    PumpQueue();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(Log().Messages(), (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(DestructionTest, AThreadThatEndsTakesItsWindowsWithIt) {
    HWND left = nullptr;
    std::thread windowThread([&] {
        left = CreateWindowExA(0, kTestClass, "", kCaptioned, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
        ShowWindow(left, SW_SHOW);
    });
    windowThread.join();
    ASSERT_NE(left, nullptr);
    EXPECT_FALSE(IsWindow(left));
    EXPECT_FALSE(Listed(left));
    EXPECT_EQ(probe::LiveWindows(), baseline_);
}

// Every call given a handle that names no live window refuses it.
void ExpectRefused(HWND bad) {
    RECT r{};
    char text[4] = "abc";
    PAINTSTRUCT paint{};
    MSG m;
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_FALSE(IsWindowVisible(bad));
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_EQ(ShowWindow(bad, SW_SHOW), FALSE);
    EXPECT_FALSE(SetForegroundWindow(bad));
    EXPECT_FALSE(GetClientRect(bad, &r));
    EXPECT_FALSE(GetWindowRect(bad, &r));
    EXPECT_EQ(GetWindowTextA(bad, text, sizeof text), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(GetWindowThreadProcessId(bad, nullptr), 0u);
    EXPECT_FALSE(PostMessageA(bad, WM_USER, 0, 0));
    EXPECT_EQ(SendMessageA(bad, WM_USER, 0, 0), 0);
    EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
    EXPECT_FALSE(ValidateRect(bad, nullptr));
    EXPECT_FALSE(GetUpdateRect(bad, &r, TRUE));
    EXPECT_EQ(BeginPaint(bad, &paint), nullptr);
    EXPECT_FALSE(EndPaint(bad, &paint));
    EXPECT_EQ(GetDC(bad), nullptr);
    EXPECT_EQ(GetMessageA(&m, bad, 0, 0), -1);
    EXPECT_EQ(DefWindowProcA(bad, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(DefWindowProcA(bad, WM_ERASEBKGND, 0, 0), 0);
}

TEST_F(DestructionTest, StaleGarbageAndForeignHandlesAreRefused) {
    HWND stale = Create();
    DestroyWindow(stale);
    HWND reused = Create();  // most likely takes the stale handle's slot
    ASSERT_NE(reused, stale);
    {
        SCOPED_TRACE("stale");
        ExpectRefused(stale);
    }
    EXPECT_TRUE(IsWindow(reused)) << "the slot's new window is untouched";
    {
        SCOPED_TRACE("garbage");
        ExpectRefused(reinterpret_cast<HWND>(std::uintptr_t{0x12345}));
        ExpectRefused(reinterpret_cast<HWND>(~std::uintptr_t{0xF}));  // (HWND)-1 is a legal filter
    }
    {
        SCOPED_TRACE("a GDI handle");
        LOGBRUSH solid{BS_SOLID, 0, 0};
        HBRUSH brush = CreateBrushIndirect(&solid);
        ExpectRefused(reinterpret_cast<HWND>(brush));
        ExpectRefused(reinterpret_cast<HWND>(GetDC(reused)));
        DeleteObject(brush);
    }
    EXPECT_EQ(Log().Count(WM_USER), 0u);
}

}  // namespace
}  // namespace lumenbox::win::testing
