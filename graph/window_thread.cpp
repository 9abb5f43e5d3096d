// The window thread and its message loop.
#include "graph/window_thread.h"

#include <cstdint>

#include <lumenbox/graph.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/user.h>

#include "graph/window_procedure.h"

namespace lumenbox {

namespace {

// CS_OWNDC keeps one device context for the window's whole life, which
// WindowDC relies on. CS_DBLCLKS lets a quick second click arrive as one.
constexpr win::UINT GraphClassStyle = win::CS_OWNDC | win::CS_BYTEALIGNCLIENT | win::CS_DBLCLKS;

bool RegisterGraphClass(win::HINSTANCE module) {
    win::WNDCLASSA windowClass{};
    windowClass.style = GraphClassStyle;
    windowClass.lpfnWndProc = GraphWndProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = 0;
    windowClass.hInstance = module;
    // The program carries no icon resource; the system's default icon shows.
    windowClass.hIcon = win::LoadIconA(module, "GrIcon");
    windowClass.hCursor = win::LoadCursorA(nullptr, win::IDC_ARROW);
    // A system colour index + 1, as the class record allows.
    windowClass.hbrBackground = reinterpret_cast<win::HBRUSH>(static_cast<std::uintptr_t>(win::COLOR_MENU + 1));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = GraphClassName;
    return win::RegisterClassA(&windowClass) != 0;
}

struct WindowPlace {
    int x;
    int y;
    int width;
    int height;
};

// Centred on the screen, or left to the system when the mode asks for it
// with a width of 0.
WindowPlace PlaceWindow() {
    if (GraphState.WindowWidth == 0) {
        return {win::CW_USEDEFAULT, win::CW_USEDEFAULT, win::CW_USEDEFAULT, win::CW_USEDEFAULT};
    }
    // In 64 bits: the difference of two 32-bit sizes need not fit in 32.
    const auto centred = [](std::int32_t screen, std::int32_t window) {
        return static_cast<int>((std::int64_t{screen} - window) / 2);
    };
    return {centred(GraphState.ScreenWidth, GraphState.WindowWidth),
            centred(GraphState.ScreenHeight, GraphState.WindowHeight), GraphState.WindowWidth,
            GraphState.WindowHeight};
}

}  // namespace

win::DWORD GraphWindowThread(void* caption) {
    const win::HINSTANCE module = win::GetModuleHandleA(nullptr);
    // 1.
    if (!RegisterGraphClass(module)) {
        GraphState.GraphStatus = StatusWindowFailed;
        return 0;
    }
    // 2.
    const WindowPlace place = PlaceWindow();
    const char* title = caption != nullptr ? static_cast<const char*>(caption) : "";
    // 3. WM_CREATE builds the surfaces and raises GraphIsOpen before this returns.
    const win::HWND window = win::CreateWindowExA(0, GraphClassName, title, GraphState.WindowStyle, place.x,
                                                  place.y, place.width, place.height, nullptr, nullptr, module,
                                                  nullptr);
    if (window == nullptr) {
        // No class is left behind, so that a later open can register it
        // again, and no handle of the window that never was.
        win::UnregisterClassA(GraphClassName, module);
        GraphState.GraphWindow.store(nullptr, std::memory_order_release);
        GraphState.GraphStatus = StatusWindowFailed;
        return 0;
    }
    GraphState.GraphWindow.store(window, std::memory_order_release);
    // 4. The loop ends once the window is destroyed; its result (0) is the
    // thread's last store to the state, which CloseGraphics reads once the
    // thread has ended.
    GraphState.GraphStatus = RunMessageLoop();
    // 5.
    win::UnregisterClassA(GraphClassName, module);
    // 6.
    return 0;
}

std::int16_t RunMessageLoop() {
    win::MSG message{};
    while (win::GetMessageA(&message, nullptr, 0, 0) == 1) {
        win::TranslateMessage(&message);
        win::DispatchMessageA(&message);
    }
    return static_cast<std::int16_t>(win::LOWORD(message.wParam));
}

}  // namespace lumenbox
