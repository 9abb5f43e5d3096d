// Every OpenGL call given a device context or rendering context that is gone,
// or that it never gave out: refused with its failure value, no context made,
// none left current.
#include <memory>
#include <string>
#include <vector>

#include <lumenbox/win/kernel.h>

#include "gl_fixture.h"
#include "platform/gdi/surface_dc.h"
#include "platform/kernel/handle_table.h"

namespace lumenbox::win::testing {
namespace {

using GlRefusal = GlTest;

template <class Handle>
struct Named {
    std::string what;
    Handle handle;
};

DWORD ReturnAtOnce(void*) { return 0; }

void ExpectDcRefused(HDC bad, HGLRC live) {
    const PIXELFORMATDESCRIPTOR pfd = WindowRequest();
    EXPECT_EQ(ChoosePixelFormat(bad, &pfd), 0);
    EXPECT_EQ(SetPixelFormat(bad, 1, &pfd), FALSE);
    EXPECT_EQ(GetPixelFormat(bad), 0);
    EXPECT_EQ(probe::PixelFormatOf(bad), std::nullopt);
    EXPECT_EQ(wglCreateContext(bad), nullptr);
    EXPECT_EQ(wglMakeCurrent(bad, live), FALSE);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglGetCurrentDC(), nullptr);
}

void ExpectContextRefused(HDC dc, HGLRC bad) {
    EXPECT_EQ(wglMakeCurrent(dc, bad), FALSE);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglDeleteContext(bad), FALSE);
}

TEST_F(GlRefusal, GoneAndMadeUpDcsAreRefusedByEveryCall) {
    const HGLRC live = MakeContext();
    ASSERT_NE(live, nullptr);
    const std::size_t contexts = probe::LiveGLContexts();

    // A memory DC with a format, and a window's DC, both released.
    HDC memory = CreateCompatibleDC(nullptr);
    const PIXELFORMATDESCRIPTOR canvas = BitmapRequest(8);
    ASSERT_EQ(SetPixelFormat(memory, 2, &canvas), TRUE);
    DeleteDC(memory);
    HDC window = detail::CreateWindowSurfaceDC(std::make_shared<display::Surface>(8, 8));
    detail::DestroySurfaceDC(window);
    HDC successor = CreateCompatibleDC(nullptr);  // most likely in a freed slot
    LOGBRUSH solid{BS_SOLID, 0, 0};
    HBRUSH brush = CreateBrushIndirect(&solid);
    HANDLE thread = CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0, nullptr);
    detail::HandleTable<int> userLike(detail::HandleTag::User);

    const std::vector<Named<HDC>> bad = {
        {"deleted memory DC that had a format", memory},
        {"released window DC", window},
        {"a brush", reinterpret_cast<HDC>(brush)},
        {"a thread handle", static_cast<HDC>(thread)},
        {"the rendering context", reinterpret_cast<HDC>(live)},
        {"a user table's handle", reinterpret_cast<HDC>(userLike.Insert(std::make_unique<int>(0)))},
        {"a small number", reinterpret_cast<HDC>(std::uintptr_t{7})},
    };
    for (const auto& [what, dc] : bad) {
        SCOPED_TRACE(what);
        ExpectDcRefused(dc, live);
    }

    EXPECT_EQ(probe::LiveGLContexts(), contexts);
    EXPECT_EQ(GetPixelFormat(successor), 0) << "the new DC inherited a format";
    EXPECT_EQ(wglMakeCurrent(dc_, live), TRUE) << "the live context was spoiled";
    wglMakeCurrent(nullptr, nullptr);
    EXPECT_EQ(wglDeleteContext(live), TRUE);
    DeleteDC(successor);
    DeleteObject(brush);
    DWORD code = STILL_ACTIVE;
    while (GetExitCodeThread(thread, &code) && code == STILL_ACTIVE) Sleep(1);
    CloseHandle(thread);
}

TEST_F(GlRefusal, GoneAndMadeUpContextsAreRefusedByEveryCall) {
    // One deleted while not current, one deleted while current, one whose DC
    // went first.
    const HGLRC deleted = MakeContext();
    ASSERT_NE(deleted, nullptr);
    ASSERT_EQ(wglDeleteContext(deleted), TRUE);
    const HGLRC deletedWhileCurrent = wglCreateContext(dc_);
    ASSERT_EQ(wglMakeCurrent(dc_, deletedWhileCurrent), TRUE);
    ASSERT_EQ(wglDeleteContext(deletedWhileCurrent), TRUE);
    HDC doomed = CreateCompatibleDC(nullptr);
    const PIXELFORMATDESCRIPTOR canvas = BitmapRequest(32);
    ASSERT_EQ(SetPixelFormat(doomed, 2, &canvas), TRUE);
    const HGLRC orphan = wglCreateContext(doomed);
    ASSERT_NE(orphan, nullptr);
    DeleteDC(doomed);
    ASSERT_EQ(wglDeleteContext(orphan), TRUE);
    const HGLRC successor = wglCreateContext(dc_);  // most likely in a freed slot
    ASSERT_NE(successor, nullptr);
    LOGBRUSH solid{BS_SOLID, 0, 0};
    HBRUSH brush = CreateBrushIndirect(&solid);
    HANDLE thread = CreateThread(nullptr, 0, ReturnAtOnce, nullptr, 0, nullptr);
    const std::size_t contexts = probe::LiveGLContexts();

    const std::vector<Named<HGLRC>> bad = {
        {"deleted context", deleted},
        {"context deleted while current", deletedWhileCurrent},
        {"context whose DC went first", orphan},
        {"a brush", reinterpret_cast<HGLRC>(brush)},
        {"a thread handle", static_cast<HGLRC>(thread)},
        {"a number with the GL tag", detail::MakeHandle<HGLRC>(std::uintptr_t{4} << 20 | 1)},
        {"all bits set", reinterpret_cast<HGLRC>(~std::uintptr_t{0})},
    };
    for (const auto& [what, context] : bad) {
        SCOPED_TRACE(what);
        ExpectContextRefused(dc_, context);
    }

    EXPECT_EQ(probe::LiveGLContexts(), contexts);
    EXPECT_EQ(wglMakeCurrent(dc_, successor), TRUE) << "the live context was spoiled";
    EXPECT_EQ(wglDeleteContext(successor), TRUE);
    DeleteObject(brush);
    DWORD code = STILL_ACTIVE;
    while (GetExitCodeThread(thread, &code) && code == STILL_ACTIVE) Sleep(1);
    CloseHandle(thread);
}

}  // namespace
}  // namespace lumenbox::win::testing
