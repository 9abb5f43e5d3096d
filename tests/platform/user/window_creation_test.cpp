// Creating windows: WM_CREATE, geometry, what the display shows.
#include <unistd.h>

#include <cstring>
#include <string>

#include "user_test_support.h"

namespace lumenbox::win::testing {
namespace {

using CreationTest = UserTest;

TEST_F(CreationTest, WmCreateIsHandledBeforeCreateReturns) {
    struct Seen {
        bool windowLive = false;
        CREATESTRUCTA create{};
        std::string name;
    } seen;
    int parameter = 0;
    Log().SetHandler([&](HWND w, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
        if (m != WM_CREATE) return std::nullopt;
        seen.windowLive = IsWindow(w);
        seen.create = *reinterpret_cast<const CREATESTRUCTA*>(l);
        seen.name = seen.create.lpszName;
        return 0;
    });
    HWND w = CreateWindowExA(0, kTestClass, "Vyr", kCaptioned, 30, 40, 646, 505, nullptr, nullptr, nullptr,
                             &parameter);
    ASSERT_NE(w, nullptr);
    windows_.push_back(w);

    ASSERT_FALSE(Log().Entries().empty());
    EXPECT_EQ(Log().Entries().front().message, WM_CREATE);
    EXPECT_EQ(Log().Entries().front().window, w);
    EXPECT_TRUE(seen.windowLive);
    EXPECT_EQ(seen.create.lpCreateParams, &parameter);
    EXPECT_EQ(seen.create.x, 30);
    EXPECT_EQ(seen.create.y, 40);
    EXPECT_EQ(seen.create.cx, 646);
    EXPECT_EQ(seen.create.cy, 505);
    EXPECT_EQ(static_cast<DWORD>(seen.create.style), kCaptioned);
    EXPECT_EQ(seen.name, "Vyr");
}

TEST_F(CreationTest, CreateAnsweredWithMinusOneDestroysTheWindow) {
    Log().SetHandler([](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_CREATE) return -1;
        return std::nullopt;
    });
    const auto shownBefore = headless::Windows().size();
    EXPECT_EQ(Create(), nullptr);
    EXPECT_EQ(Log().Count(WM_DESTROY), 1u);
    EXPECT_EQ(probe::LiveWindows(), baseline_);
    EXPECT_EQ(headless::Windows().size(), shownBefore);
}

TEST_F(CreationTest, ClientAreaIsTheOuterSizeLessFrameAndCaption) {
    EXPECT_EQ(GetSystemMetrics(SM_CXFIXEDFRAME), 3);
    EXPECT_EQ(GetSystemMetrics(SM_CYFIXEDFRAME), 3);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);

    struct Case {
        DWORD style;
        int width, height;
        LONG clientWidth, clientHeight;
    };
    const Case cases[] = {
        {kCaptioned, 646, 505, 640, 480},  // the demonstration's window
        {WS_OVERLAPPED, 646, 505, 640, 480},  // overlapped windows always have a caption
        {WS_POPUP, 320, 200, 320, 200},  // a borderless popup is all client
        {WS_POPUP | WS_CAPTION, 106, 125, 100, 100},
        {kCaptioned, 4, 10, 0, 0},  // too small for its frame: empty, never negative
    };
    for (const Case& c : cases) {
        HWND w = Create(c.width, c.height, c.style, 10, 20);
        ASSERT_NE(w, nullptr);
        RECT client{-1, -1, -1, -1}, outer{};
        EXPECT_TRUE(GetClientRect(w, &client));
        EXPECT_TRUE(GetWindowRect(w, &outer));
        EXPECT_EQ(client.left, 0);
        EXPECT_EQ(client.top, 0);
        EXPECT_EQ(client.right, c.clientWidth) << "style " << std::hex << c.style;
        EXPECT_EQ(client.bottom, c.clientHeight) << "style " << std::hex << c.style;
        EXPECT_EQ(outer.left, 10);
        EXPECT_EQ(outer.top, 20);
        EXPECT_EQ(outer.right, 10 + c.width);
        EXPECT_EQ(outer.bottom, 20 + c.height);
    }
}

TEST_F(CreationTest, DefaultPlacementIsTakenFromTheScreen) {
    headless::SetScreen(800, 600);
    HWND w = Create(CW_USEDEFAULT, CW_USEDEFAULT, kCaptioned, CW_USEDEFAULT, CW_USEDEFAULT);
    ASSERT_NE(w, nullptr);
    RECT outer{};
    GetWindowRect(w, &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 75);
    EXPECT_EQ(outer.right - outer.left, 600);
    EXPECT_EQ(outer.bottom - outer.top, 450);
}

TEST_F(CreationTest, NoWindowOutgrowsTheScreenAndItsFrame) {
    headless::SetScreen(800, 600);
    HWND w = Create(1 << 30, 1 << 30, kCaptioned, 0, 0);
    ASSERT_NE(w, nullptr);
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, 800);
    EXPECT_EQ(client.bottom, 600);
    HWND negative = Create(-50, -50, kCaptioned, 0, 0);
    ASSERT_NE(negative, nullptr);
    GetClientRect(negative, &client);
    EXPECT_EQ(client.right, 0);
    EXPECT_EQ(client.bottom, 0);
}

TEST_F(CreationTest, UnknownClassGivesNoWindow) {
    const auto shownBefore = headless::Windows().size();
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "x", kCaptioned, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                              nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowExA(0, nullptr, "x", kCaptioned, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(headless::Windows().size(), shownBefore);
    EXPECT_EQ(probe::LiveWindows(), baseline_);
}

TEST_F(CreationTest, TheDisplayShowsCaptionPlacementAndVisibility) {
    HWND w = Create(646, 505, kCaptioned, 637, 287, "Vyr");
    ASSERT_NE(w, nullptr);
    auto view = headless::Window(headless::IdOf(w));
    ASSERT_TRUE(view.has_value());
    EXPECT_EQ(view->caption, "Vyr");
    EXPECT_FALSE(view->visible);  // created hidden
    EXPECT_FALSE(view->focused);
    EXPECT_TRUE(view->framed);
    EXPECT_EQ(view->x, 637);
    EXPECT_EQ(view->y, 287);
    EXPECT_EQ(view->width, 646);
    EXPECT_EQ(view->height, 505);
    EXPECT_EQ(view->clientWidth, 640);
    EXPECT_EQ(view->clientHeight, 480);
    EXPECT_FALSE(IsWindowVisible(w));

    EXPECT_EQ(ShowWindow(w, SW_SHOWNORMAL), FALSE);  // was hidden
    view = headless::Window(headless::IdOf(w));
    EXPECT_TRUE(view->visible);
    EXPECT_TRUE(view->focused);  // the first window shown takes the focus
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(GetForegroundWindow(), w);

    EXPECT_NE(ShowWindow(w, SW_HIDE), FALSE);  // was visible
    EXPECT_FALSE(headless::Window(headless::IdOf(w))->visible);
    EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(CreationTest, SetForegroundWindowMovesTheFocus) {
    HWND first = CreateShown();
    HWND second = Create(200, 200, WS_POPUP);
    ShowWindow(second, SW_SHOW);
    EXPECT_TRUE(headless::Window(headless::IdOf(first))->focused);  // kept: it had the focus
    EXPECT_FALSE(headless::Window(headless::IdOf(second))->focused);
    EXPECT_FALSE(headless::Window(headless::IdOf(second))->framed);

    EXPECT_TRUE(SetForegroundWindow(second));
    EXPECT_FALSE(headless::Window(headless::IdOf(first))->focused);
    EXPECT_TRUE(headless::Window(headless::IdOf(second))->focused);
    EXPECT_EQ(GetForegroundWindow(), second);
}

TEST_F(CreationTest, VisibleStyleShowsAtOnce) {
    HWND w = Create(200, 200, kCaptioned | WS_VISIBLE);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(headless::Window(headless::IdOf(w))->visible);
}

TEST_F(CreationTest, WindowKnowsItsThreadAndCaption) {
    HWND w = Create(646, 505, kCaptioned, 0, 0, "Lumenbox 1.1");
    DWORD process = 0;
    EXPECT_EQ(GetWindowThreadProcessId(w, &process), GetCurrentThreadId());
    EXPECT_EQ(process, static_cast<DWORD>(getpid()));

    char text[8];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(GetWindowTextA(w, text, sizeof text), 7);
    EXPECT_STREQ(text, "Lumenbo");
    EXPECT_EQ(GetWindowTextA(w, text, 1), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(GetWindowTextA(w, nullptr, 8), 0);

    HWND untitled = Create(100, 100, kCaptioned, 0, 0, nullptr);
    EXPECT_EQ(GetWindowTextA(untitled, text, sizeof text), 0);
    EXPECT_EQ(headless::Window(headless::IdOf(untitled))->caption, "");
}

TEST_F(CreationTest, ScreenMetricsFollowTheDisplay) {
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
    headless::SetScreen(1024, 768);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_EQ(GetSystemMetrics(SM_CXFIXEDFRAME + 1000), 0);
    EXPECT_EQ(GetSystemMetrics(-1), 0);
}

TEST_F(CreationTest, OnlyStockIconAndCursorExist) {
    const auto module = reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x400000));
    EXPECT_EQ(LoadIconA(module, "GrIcon"), nullptr);
    EXPECT_NE(LoadIconA(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_EQ(LoadIconA(module, IDI_APPLICATION), nullptr);
    EXPECT_NE(LoadCursorA(nullptr, IDC_ARROW), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, "Arrow"), nullptr);
}

TEST_F(CreationTest, DesktopIsAFixedWindowThatCannotBeDestroyed) {
    HWND desktop = GetDesktopWindow();
    EXPECT_EQ(desktop, GetDesktopWindow());
    EXPECT_TRUE(IsWindow(desktop));
    EXPECT_FALSE(DestroyWindow(desktop));
    EXPECT_TRUE(IsWindow(desktop));
    RECT screen{};
    EXPECT_TRUE(GetWindowRect(desktop, &screen));
    EXPECT_EQ(screen.right, 1920);
    EXPECT_EQ(screen.bottom, 1080);
}

}  // namespace
}  // namespace lumenbox::win::testing
