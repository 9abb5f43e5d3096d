// Every call that takes a window, given one that is gone however it went, or
// a live handle of another module: refused with its failure value, nothing
// sent, posted or created, and the live windows left alone.
#include <string>
#include <thread>
#include <vector>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>

#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

struct Named {
    std::string what;
    HWND window;
};

DWORD ReturnAtOnce(void*) { return 0; }

void ExpectWindowRefused(HWND bad) {
    RECT rect{1, 2, 3, 4};
    char text[4] = "abc";
    PAINTSTRUCT paint{};
    MSG message{};
    const MSG keyDown{bad, WM_KEYDOWN, 'A', 1, 0, {}};
    const MSG user{bad, WM_USER, 7, 0, 0, {}};
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_FALSE(IsWindowVisible(bad));
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_EQ(ShowWindow(bad, SW_SHOW), FALSE);
    EXPECT_FALSE(SetForegroundWindow(bad));
    EXPECT_FALSE(GetClientRect(bad, &rect));
    EXPECT_FALSE(GetWindowRect(bad, &rect));
    EXPECT_EQ(rect.left, 1) << "a refused call wrote the rectangle";
    EXPECT_EQ(GetWindowTextA(bad, text, sizeof text), 0);
    EXPECT_EQ(GetWindowThreadProcessId(bad, nullptr), 0u);
    EXPECT_FALSE(PostMessageA(bad, WM_USER, 0, 0));
    EXPECT_EQ(SendMessageA(bad, WM_USER, 0, 0), 0);
    EXPECT_FALSE(InvalidateRect(bad, nullptr, TRUE));
    EXPECT_FALSE(ValidateRect(bad, nullptr));
    EXPECT_FALSE(GetUpdateRect(bad, &rect, TRUE));
    EXPECT_EQ(BeginPaint(bad, &paint), nullptr);
    EXPECT_FALSE(EndPaint(bad, &paint));
    EXPECT_EQ(GetDC(bad), nullptr);
    EXPECT_EQ(GetMessageA(&message, bad, 0, 0), -1);
    EXPECT_EQ(PeekMessageA(&message, bad, 0, 0, PM_REMOVE), FALSE);
    EXPECT_EQ(TranslateMessage(&keyDown), FALSE);
    EXPECT_EQ(DispatchMessageA(&user), 0);
    for (UINT m : {WM_CLOSE, WM_ERASEBKGND, WM_PAINT, WM_USER}) EXPECT_EQ(DefWindowProcA(bad, m, 0, 0), 0);
    EXPECT_EQ(CreateWindowExA(0, kTestClass, "child", kCaptioned, 0, 0, 50, 50, bad, nullptr, nullptr, nullptr),
              nullptr);
}

// A window of the test class made on a thread of its own, which then ends.
HWND WindowOfAnEndedThread() {
    HWND window = nullptr;
    std::thread([&] {
        window = CreateWindowExA(0, kTestClass, "", kCaptioned, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    }).join();
    return window;
}

using UserRefusal = UserTest;

TEST_F(UserRefusal, GoneWindowsAndOtherModulesHandlesAreRefusedByEveryCall) {
    HWND destroyed = Create();
    ASSERT_TRUE(DestroyWindow(destroyed));
    const HWND endedWithItsThread = WindowOfAnEndedThread();
    // Its procedure saw the handle at WM_CREATE, then refused to be made.
    HWND refusedAtCreation = nullptr;
    Log().SetHandler([&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m != WM_CREATE) return std::nullopt;
        refusedAtCreation = w;
        return -1;
    });
    ASSERT_EQ(Create(), nullptr);
    Log().SetHandler(nullptr);
    // Live windows, most likely in the freed slots, that must not answer.
    HWND first = CreateShown();
    HWND second = CreateShown(300, 200);

    const LOGBRUSH solid{BS_SOLID, 0, 0};
    HBRUSH brush = CreateBrushIndirect(&solid);
    HANDLE thread = CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0, nullptr);
    HDC memory = CreateCompatibleDC(nullptr);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL;
    SetPixelFormat(memory, ChoosePixelFormat(memory, &format), &format);
    HGLRC context = wglCreateContext(memory);
    const std::size_t windows = probe::LiveWindows();
    Log().Clear();

    const std::vector<Named> bad = {
        {"destroyed window", destroyed},
        {"window of an ended thread", endedWithItsThread},
        {"window refused at its creation", refusedAtCreation},
        {"a brush", reinterpret_cast<HWND>(brush)},
        {"a thread handle", static_cast<HWND>(thread)},
        {"a rendering context", reinterpret_cast<HWND>(context)},
        {"a number with the user tag", reinterpret_cast<HWND>(std::uintptr_t{3} << 20 | 1)},
    };
    for (const auto& [what, window] : bad) {
        SCOPED_TRACE(what);
        ASSERT_NE(window, nullptr);
        ExpectWindowRefused(window);
    }

    EXPECT_EQ(probe::LiveWindows(), windows) << "a refused creation made a window";
    EXPECT_TRUE(Log().Entries().empty()) << "a refused call reached a live window's procedure";
    EXPECT_TRUE(DrainQueue().empty()) << "a refused call posted something";
    EXPECT_TRUE(IsWindow(first));
    EXPECT_TRUE(IsWindow(second));
    EXPECT_TRUE(IsWindowVisible(first));

    wglDeleteContext(context);
    DeleteDC(memory);
    DeleteObject(brush);
    DWORD code = STILL_ACTIVE;
    while (GetExitCodeThread(thread, &code) && code == STILL_ACTIVE) Sleep(1);
    CloseHandle(thread);
}

// The window's own DC goes with it: drawing on it, painting with it and
// releasing it are refused afterwards.
TEST_F(UserRefusal, TheDcOfAGoneWindowIsRefused) {
    HWND window = CreateShown();
    HDC dc = GetDC(window);
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(DestroyWindow(window));
    HWND successor = CreateShown();
    HDC successorDc = GetDC(successor);
    ASSERT_NE(successorDc, dc);

    const LOGBRUSH solid{BS_SOLID, RGB(9, 9, 9), 0};
    HBRUSH brush = CreateBrushIndirect(&solid);
    RECT rect{0, 0, 10, 10};
    EXPECT_EQ(ReleaseDC(window, dc), 0);
    EXPECT_EQ(ReleaseDC(successor, dc), 0);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(FillRect(dc, &rect, brush), 0);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixelV(dc, 0, 0, RGB(9, 9, 9)), FALSE);
    EXPECT_EQ(BitBlt(successorDc, 0, 0, 10, 10, dc, 0, 0, SRCCOPY), FALSE);
    EXPECT_EQ(BitBlt(dc, 0, 0, 10, 10, successorDc, 0, 0, SRCCOPY), FALSE);
    EXPECT_NE(GetPixel(successorDc, 0, 0), RGB(9, 9, 9)) << "the successor's surface was drawn on";
    EXPECT_EQ(ReleaseDC(successor, successorDc), 1) << "its own DC stays with the live window";
    DeleteObject(brush);
}

}  // namespace
}  // namespace lumenbox::win::testing
