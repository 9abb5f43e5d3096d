// Every call that takes a thread handle, given one that was closed (whether
// its thread had ended or still runs) or a live handle of another module:
// refused with its failure value, and the live threads are left alone.
#include <atomic>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/kernel.h>
#include <lumenbox/win/probes.h>
#include <lumenbox/win/user.h>

namespace {

using namespace lumenbox::win;

std::atomic<bool> Release{false};

DWORD WaitForRelease(void*) {
    while (!Release.load()) Sleep(1);
    return 3;
}

DWORD ReturnAtOnce(void*) { return 0; }

void WaitForExit(HANDLE thread) {
    DWORD code = STILL_ACTIVE;
    while (GetExitCodeThread(thread, &code) && code == STILL_ACTIVE) Sleep(1);
}

void ExpectThreadHandleRefused(HANDLE bad) {
    DWORD code = 1234;
    EXPECT_EQ(GetExitCodeThread(bad, &code), FALSE);
    EXPECT_EQ(code, 1234u) << "GetExitCodeThread wrote an exit code";
    EXPECT_EQ(SetThreadPriority(bad, THREAD_PRIORITY_HIGHEST), FALSE);
    EXPECT_EQ(GetThreadPriority(bad), THREAD_PRIORITY_ERROR_RETURN);
    EXPECT_EQ(probe::ThreadPriority(bad), std::nullopt);
    EXPECT_EQ(CloseHandle(bad), FALSE);
}

struct Named {
    std::string what;
    HANDLE handle;
};

TEST(KernelRefusal, ClosedThreadHandlesAndOtherModulesHandlesAreRefused) {
    Release = false;
    HANDLE ended = CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0, nullptr);
    ASSERT_NE(ended, nullptr);
    WaitForExit(ended);
    ASSERT_EQ(CloseHandle(ended), TRUE);
    HANDLE running = CreateThread(nullptr, 0, WaitForRelease, nullptr, 0, nullptr);
    ASSERT_NE(running, nullptr);
    ASSERT_EQ(CloseHandle(running), TRUE);
    // A live thread, most likely in a freed slot, that must not answer to them.
    HANDLE successor = CreateThread(nullptr, 0, WaitForRelease, nullptr, 0, nullptr);
    ASSERT_NE(successor, nullptr);
    ASSERT_EQ(SetThreadPriority(successor, THREAD_PRIORITY_BELOW_NORMAL), TRUE);

    // Live handles of the other modules.
    const LOGBRUSH solid{BS_SOLID, 0, 0};
    HBRUSH brush = CreateBrushIndirect(&solid);
    HDC dc = CreateCompatibleDC(nullptr);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_OPENGL;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &format), &format);
    HGLRC context = wglCreateContext(dc);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = "KernelRefusalClass";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND window = CreateWindowExA(0, "KernelRefusalClass", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                  nullptr);
    const std::size_t handles = probe::LiveThreadHandles();

    const std::vector<Named> bad = {
        {"closed handle of an ended thread", ended},
        {"closed handle of a running thread", running},
        {"a window", window},
        {"a brush", brush},
        {"a device context", dc},
        {"a rendering context", context},
        {"a number with the kernel tag", reinterpret_cast<HANDLE>(std::uintptr_t{1} << 20 | 1)},
    };
    for (const auto& [what, handle] : bad) {
        SCOPED_TRACE(what);
        ASSERT_NE(handle, nullptr);
        ExpectThreadHandleRefused(handle);
    }

    EXPECT_EQ(probe::LiveThreadHandles(), handles);
    EXPECT_EQ(GetThreadPriority(successor), THREAD_PRIORITY_BELOW_NORMAL);
    DWORD code = 0;
    EXPECT_EQ(GetExitCodeThread(successor, &code), TRUE);
    EXPECT_EQ(code, STILL_ACTIVE);
    EXPECT_EQ(IsWindow(window), TRUE) << "the window was taken for a thread";
    EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);

    Release = true;
    WaitForExit(successor);
    EXPECT_EQ(GetExitCodeThread(successor, &code), TRUE);
    EXPECT_EQ(code, 3u);
    EXPECT_EQ(CloseHandle(successor), TRUE);
    DestroyWindow(window);
    UnregisterClassA("KernelRefusalClass", nullptr);
    wglDeleteContext(context);
    DeleteDC(dc);
    DeleteObject(brush);
}

}  // namespace
