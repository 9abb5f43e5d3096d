// Shared set-up for the graphics window tests: a clean headless screen, the
// start-up's key hook kept, and helpers that drive the window thread directly
// or wait for what the window thread does.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <thread>

#include <lumenbox/display/headless.h>
#include <lumenbox/graph.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/user.h>

#include "graph/display_mode.h"
#include "graph/window_thread.h"

namespace lumenbox::window_test {

namespace headless = display::headless;

// Polls until `done` holds; false after ten seconds. Only a guard against a
// hang: no test asserts how long anything takes.
template <class Condition>
bool WaitUntil(Condition done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

inline headless::WindowId ShownWindowId() {
    return headless::IdOf(GraphState.GraphWindow.load());
}

// The window as the user sees it.
inline std::optional<headless::WindowView> ShownWindow() { return headless::Window(ShownWindowId()); }

inline std::optional<std::uint32_t> ClientPixel(int x, int y) { return headless::ClientPixel(ShownWindowId(), x, y); }

inline void ReadScreenSize() {
    GraphState.ScreenWidth = win::GetSystemMetrics(win::SM_CXSCREEN);
    GraphState.ScreenHeight = win::GetSystemMetrics(win::SM_CYSCREEN);
}

// Runs `draw` on the device contexts as the drawing calls do: under
// DrawLock, since the window thread's repaint uses the same contexts.
template <class Draw>
void WithDrawLock(Draw draw) {
    win::EnterCriticalSection(&GraphState.DrawLock);
    draw();
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

class GraphWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(headless::IsActive()) << "the tests run on the headless display";
        headless::Reset();
        savedHook_ = GraphState.KeyHook;
        ReadScreenSize();
        GraphState.GraphStatus = StatusOk;
    }

    void TearDown() override {
        if (IsGraphOpen()) {
            CloseGraphics();
        } else if (GraphState.GraphThread != nullptr) {
            // A test that failed half-way through driving the thread itself.
            win::PostMessageA(GraphState.GraphWindow.load(), win::WM_USER, 0, 0);
            WaitForWindowThreadEnd();
        }
        // Only while no window thread runs: the window thread reads KeyHook.
        GraphState.KeyHook = savedHook_;
        headless::Reset();
        ReadScreenSize();
    }

    // What OpenGraphics does up to its wait, without the drawing calls:
    // resolve the mode, start the window thread, wait for the window, and
    // show page 0 as the draw page. False when the window did not come.
    bool StartWindowThread(std::int16_t kind, std::int16_t size, const char* caption = "window test") {
        GraphState.GraphKind = kind;
        GraphState.GraphSize = size;
        GraphState.GraphStatus = StatusOk;
        ResolveDisplayMode();
        if (GraphState.GraphStatus != StatusOk) {
            return false;
        }
        GraphState.GraphThread = win::CreateThread(nullptr, 0, GraphWindowThread, const_cast<char*>(caption), 0, nullptr);
        if (GraphState.GraphThread == nullptr ||
            !WaitUntil([] { return IsGraphOpen() || GraphState.GraphStatus != StatusOk; })) {
            return false;
        }
        if (!IsGraphOpen()) {
            return false;
        }
        win::EnterCriticalSection(&GraphState.DrawLock);
        GraphState.ShownPage = 0;
        GraphState.DirectDrawing = true;
        win::LeaveCriticalSection(&GraphState.DrawLock);
        SelectDrawPage(0);
        return true;
    }

    // What CloseGraphics does to the window thread: lower the flag, ask the
    // window to go and wait for the thread's end. False if it did not end.
    bool StopWindowThread() {
        GraphState.GraphIsOpen.store(false);
        win::PostMessageA(GraphState.GraphWindow.load(), win::WM_USER, 0, 0);
        return WaitForWindowThreadEnd();
    }

    static bool WaitForWindowThreadEnd() {
        const bool ended = WaitUntil([] {
            win::DWORD code = 0;
            return win::GetExitCodeThread(GraphState.GraphThread, &code) && code != win::STILL_ACTIVE;
        });
        if (ended) {
            win::CloseHandle(GraphState.GraphThread);
            GraphState.GraphThread = nullptr;
        }
        return ended;
    }

    // Shown and focused, so that it gets repainted and the display's input
    // reaches it, with every repaint the showing caused done.
    void ShowAndSettle() {
        const win::HWND window = GraphState.GraphWindow.load();
        win::ShowWindow(window, win::SW_SHOWNORMAL);
        win::SetForegroundWindow(window);
        WaitForQueuedMessages();
    }

    // Waits until the window thread has handled everything queued for the
    // window so far, repaints included. Posted messages come before WM_PAINT,
    // and the update region is repainted as one rectangle, so once a marker
    // drawn on the canvas at (0, 0) and exposed shows, all of it is done.
    // Needs a shown window: hidden windows get no WM_PAINT.
    void WaitForQueuedMessages() {
        const std::uint32_t shown = 0x010200 + (++markers_ & 0xFF);
        WithDrawLock([&] { win::SetPixelV(GraphState.CanvasDC, 0, 0, win::RGB(0x01, 0x02, shown & 0xFF)); });
        headless::Expose(ShownWindowId(), 0, 0, 1, 1);
        ASSERT_TRUE(WaitUntil([&] { return ClientPixel(0, 0) == shown; })) << "the window thread is stuck";
    }

private:
    KeyHookProc savedHook_ = nullptr;
    std::uint32_t markers_ = 0;
};

}  // namespace lumenbox::window_test
