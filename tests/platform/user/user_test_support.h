// Helpers for the user-layer tests: a window class whose procedure records
// every message (and may be told to answer some itself), and a fixture that
// leaves no window, class or queued message behind.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/display/headless.h>
#include <lumenbox/win/probes.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/user.h>

namespace lumenbox::win::testing {

namespace headless = display::headless;

struct Recorded {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Answers a message instead of DefWindowProcA when it returns a value.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

class ProcedureLog {
public:
    void Add(const Recorded& r) {
        std::lock_guard lock(mutex_);
        entries_.push_back(r);
    }
    std::vector<Recorded> Entries() const {
        std::lock_guard lock(mutex_);
        return entries_;
    }
    std::vector<UINT> Messages() const {
        std::vector<UINT> numbers;
        for (const Recorded& r : Entries()) numbers.push_back(r.message);
        return numbers;
    }
    std::size_t Count(UINT message) const {
        std::size_t n = 0;
        for (const Recorded& r : Entries()) n += r.message == message;
        return n;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        entries_.clear();
    }
    void SetHandler(Handler handler) {
        std::lock_guard lock(mutex_);
        handler_ = std::move(handler);
    }
    Handler CurrentHandler() const {
        std::lock_guard lock(mutex_);
        return handler_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<Recorded> entries_;
    Handler handler_;
};

inline ProcedureLog& Log() {
    static ProcedureLog log;
    return log;
}

inline LRESULT RecordingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().Add(Recorded{window, message, wParam, lParam});
    if (Handler handler = Log().CurrentHandler())
        if (std::optional<LRESULT> answer = handler(window, message, wParam, lParam)) return *answer;
    return DefWindowProcA(window, message, wParam, lParam);
}

inline constexpr const char* kTestClass = "UserTestClass";
inline constexpr DWORD kCaptioned = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

inline WNDCLASSA TestClass(HBRUSH background = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_MENU + 1))) {
    WNDCLASSA c{};
    c.style = CS_OWNDC;
    c.lpfnWndProc = RecordingProcedure;
    c.hbrBackground = background;
    c.lpszClassName = kTestClass;
    return c;
}

// Removes everything waiting in the calling thread's queue. A window with an
// update region keeps producing WM_PAINT, so those are validated on the way.
inline std::vector<MSG> DrainQueue() {
    std::vector<MSG> drained;
    MSG m;
    for (int guard = 0; guard < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++guard) {
        drained.push_back(m);
        if (m.message == WM_PAINT) ValidateRect(m.hwnd, nullptr);
    }
    return drained;
}

// Translates and dispatches everything waiting, as a message loop does,
// without blocking; returns the messages in the order retrieved.
inline std::vector<MSG> PumpQueue() {
    std::vector<MSG> pumped;
    MSG m;
    for (int guard = 0; guard < 10000 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++guard) {
        pumped.push_back(m);
        if (m.message == WM_QUIT) continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return pumped;
}

// The next message, if any, without blocking.
inline std::optional<MSG> PeekNext(HWND window = nullptr) {
    MSG m;
    if (!PeekMessageA(&m, window, 0, 0, PM_REMOVE)) return std::nullopt;
    return m;
}

class UserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(headless::IsActive()) << "tests run on the headless display";
        headless::Reset();
        Log().Clear();
        Log().SetHandler(nullptr);
        const WNDCLASSA c = TestClass();
        ASSERT_NE(RegisterClassA(&c), 0);
        baseline_ = probe::LiveWindows();
    }

    void TearDown() override {
        Log().SetHandler(nullptr);
        for (HWND w : windows_) DestroyWindow(w);
        DrainQueue();
        EXPECT_TRUE(UnregisterClassA(kTestClass, nullptr));
        EXPECT_EQ(probe::LiveWindows(), baseline_) << "a test left a window behind";
        Log().Clear();
    }

    // A window of the test class, destroyed at the end of the test.
    HWND Create(int width = 646, int height = 505, DWORD style = kCaptioned, int x = 10, int y = 20,
                const char* caption = "Test") {
        HWND w = CreateWindowExA(0, kTestClass, caption, style, x, y, width, height, nullptr, nullptr, nullptr,
                                 nullptr);
        if (w) windows_.push_back(w);
        return w;
    }

    // A shown window with its first paint done, and an empty log.
    HWND CreateShown(int width = 646, int height = 505, DWORD style = kCaptioned) {
        HWND w = Create(width, height, style);
        ShowWindow(w, SW_SHOWNORMAL);
        PumpQueue();
        Log().Clear();
        return w;
    }

    std::size_t baseline_ = 0;
    std::vector<HWND> windows_;
};

}  // namespace lumenbox::win::testing
