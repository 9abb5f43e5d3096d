// Opening and closing the graphics window, and the library's shut-down.
#include <algorithm>
#include <cstring>

#include <lumenbox/graph.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/user.h>

#include "graph/display_mode.h"
#include "graph/opengl.h"
#include "graph/recording.h"
#include "graph/thread_check.h"
#include "graph/window_thread.h"
#include "runtime/unit_order.h"

namespace lumenbox {

namespace {

constexpr win::DWORD PollInterval = 10;  // milliseconds
constexpr std::size_t CaptionLimit = 255;
constexpr std::string_view DefaultCaption = "Lumenbox 1.1";

// Zero-filled first, so nothing of a longer earlier caption follows the text.
void StoreCaption(std::string_view caption) {
    const std::string_view text = caption.empty() ? DefaultCaption : caption.substr(0, CaptionLimit);
    std::fill(std::begin(GraphState.GraphCaption), std::end(GraphState.GraphCaption), '\0');
    std::copy(text.begin(), text.end(), GraphState.GraphCaption);
}

// Polls without a time-out: the window thread always ends up raising
// GraphIsOpen or reporting -4. The first test follows the first sleep.
void WaitForWindow() {
    do {
        win::Sleep(PollInterval);
    } while (!IsGraphOpen() && GraphState.GraphStatus == StatusOk);
}

// A handle that no longer answers counts as an ended thread, so the wait
// cannot hang on it.
void WaitForThreadEnd(win::HANDLE thread) {
    win::DWORD exitCode = win::STILL_ACTIVE;
    do {
        win::Sleep(PollInterval);
        if (!win::GetExitCodeThread(thread, &exitCode)) {
            return;
        }
    } while (exitCode == win::STILL_ACTIVE);
}

// After a failed open nothing of the thread is left behind.
void ReleaseFailedWindowThread() {
    WaitForThreadEnd(GraphState.GraphThread);
    win::CloseHandle(GraphState.GraphThread);
    GraphState.GraphThread = nullptr;
}

// The repaint reads the shown page and the clip region on the window thread,
// so they change under DrawLock.
void SetDrawPageDefaults() {
    win::EnterCriticalSection(&GraphState.DrawLock);
    GraphState.ShownPage = 0;
    GraphState.DirectDrawing = true;
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

// Handles of an earlier window must not be deleted again by the defaults.
void ForgetEarlierDrawingObjects() {
    win::EnterCriticalSection(&GraphState.DrawLock);
    GraphState.ClipRegion = nullptr;
    GraphState.PatternBitmap = nullptr;
    win::LeaveCriticalSection(&GraphState.DrawLock);
}

// The show state the process was started with, then a normal show, so that
// the window appears whatever that state was.
void ShowGraphWindow() {
    const win::HWND window = GraphState.GraphWindow.load(std::memory_order_acquire);
    win::STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    win::GetStartupInfoA(&startup);
    win::ShowWindow(window, startup.wShowWindow);
    win::ShowWindow(window, win::SW_SHOWNORMAL);
    win::SetForegroundWindow(window);
}

}  // namespace

void OpenGraphics(std::int16_t& kind, std::int16_t& size, std::string_view caption) {
    // A global object of the program may open a window before the library's
    // own initialisation has run.
    EnsureUnitsStarted();
    // 1.
    GraphState.GraphStatus = StatusOk;
    // 2.
    if (IsGraphOpen()) {
        GraphState.GraphStatus = StatusAlreadyOpen;
        return;
    }
    // 3.
    if (kind == 0) {
        AutoSelectMode(GraphState.GraphKind, GraphState.GraphSize);
        kind = GraphState.GraphKind;
        size = GraphState.GraphSize;
    } else {
        GraphState.GraphKind = kind;
        GraphState.GraphSize = size;
    }
    // 4.
    ResolveDisplayMode();
    if (GraphState.GraphStatus != StatusOk) {
        return;
    }
    // 5.
    StoreCaption(caption);
    // 6.
    GraphState.GraphThread =
        win::CreateThread(nullptr, 0, GraphWindowThread, GraphState.GraphCaption, 0, nullptr);
    if (GraphState.GraphThread == nullptr) {
        // Nothing would ever end the wait below.
        GraphState.GraphStatus = StatusWindowFailed;
        return;
    }
    win::SetThreadPriority(GraphState.GraphThread, win::THREAD_PRIORITY_ABOVE_NORMAL);
    // 7.
    WaitForWindow();
    // 8.
    if (GraphState.GraphStatus != StatusOk) {
        ReleaseFailedWindowThread();
        return;
    }
    RecordOwningThread();
    // 9.
    SetDrawPageDefaults();
    SelectDrawPage(0);
    // 10. On -5 the window stays open but hidden, without drawing defaults.
    RegisterStandardFonts();
    if (GraphState.GraphStatus != StatusOk) {
        return;
    }
    // 11.
    ForgetEarlierDrawingObjects();
    // 12.
    ResetDrawingState();
    // 13. A failure leaves -9 and the window opens all the same.
    AttachOpenGL();
    // 14.
    ShowGraphWindow();
    StartRecordingFromEnvironment();
    // 15.
}

void CloseGraphics() {
    CheckCallingThread(__func__);
    // 1.
    GraphState.GraphStatus = StatusOk;
    // 2.
    if (!IsGraphOpen()) {
        GraphState.GraphStatus = StatusNotOpen;
        return;
    }
    // The recording ends while the window still presents.
    StopRecordingWithWindow();
    // 3. From here every drawing call refuses, and the window thread may
    // release the surfaces without DrawLock.
    GraphState.GraphIsOpen.store(false, std::memory_order_release);
    // 4.
    ReleaseOpenGL();
    // 5. The window thread destroys the window in answer.
    win::PostMessageA(GraphState.GraphWindow.load(std::memory_order_acquire), win::WM_USER, 0, 0);
    // 6.
    WaitForThreadEnd(GraphState.GraphThread);
    // 7.
    win::CloseHandle(GraphState.GraphThread);
    GraphState.GraphThread = nullptr;
    // 8. GraphStatus holds the window thread's last store: 0.
}

void GraphLibraryStop() {
    // 1.
    if (IsGraphOpen()) {
        CloseGraphics();
    }
    // 2.
    std::vector<win::RGBQUAD>().swap(GraphState.ColorTable);
}

}  // namespace lumenbox
