// Rendering contexts: their life, which thread has each one current, the
// refusals, and what a context does to the floating-point environment.
#include <cfenv>
#include <memory>
#include <thread>

#include "gl_fixture.h"
#include "platform/kernel/handle_table.h"

namespace lumenbox::win::testing {
namespace {

using RenderingContext = GlTest;

// Runs f on a thread of its own and waits for it.
template <class F>
void OnAnotherThread(F f) {
    std::thread(f).join();
}

TEST_F(RenderingContext, LivesFromCreationToDeletion) {
    HGLRC context = MakeContext();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(probe::LiveGLContexts(), contextsBefore_ + 1);
    EXPECT_EQ(wglDeleteContext(context), TRUE);
    EXPECT_EQ(probe::LiveGLContexts(), contextsBefore_);
    EXPECT_EQ(wglDeleteContext(context), FALSE);
    EXPECT_EQ(wglMakeCurrent(dc_, context), FALSE);
}

TEST_F(RenderingContext, NeedsALiveDcWithAFormat) {
    EXPECT_EQ(wglCreateContext(dc_), nullptr);  // no format yet
    EXPECT_EQ(wglCreateContext(nullptr), nullptr);
    EXPECT_EQ(wglCreateContext(reinterpret_cast<HDC>(std::uintptr_t{0xdead})), nullptr);
    EXPECT_EQ(probe::LiveGLContexts(), contextsBefore_);
}

TEST_F(RenderingContext, NoneWhenTheDisplayHasNoOpenGL) {
    const PIXELFORMATDESCRIPTOR pfd = WindowRequest();
    ASSERT_EQ(SetPixelFormat(dc_, 1, &pfd), TRUE);
    display::headless::SetOpenGLAvailable(false);
    EXPECT_EQ(wglCreateContext(dc_), nullptr);
    EXPECT_EQ(probe::LiveGLContexts(), contextsBefore_);
    display::headless::SetOpenGLAvailable(true);
    HGLRC context = wglCreateContext(dc_);
    EXPECT_NE(context, nullptr);
    wglDeleteContext(context);
}

TEST_F(RenderingContext, CurrentOnTheCallingThreadOnly) {
    HGLRC context = MakeContext();
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    ASSERT_EQ(wglMakeCurrent(dc_, context), TRUE);
    EXPECT_EQ(wglGetCurrentContext(), context);
    EXPECT_EQ(wglGetCurrentDC(), dc_);
    EXPECT_EQ(wglMakeCurrent(dc_, context), TRUE);  // again on the same thread: fine

    OnAnotherThread([&] {
        EXPECT_EQ(wglGetCurrentContext(), nullptr);
        EXPECT_EQ(wglMakeCurrent(dc_, context), FALSE);
        EXPECT_EQ(wglDeleteContext(context), FALSE);
    });
    EXPECT_EQ(wglGetCurrentContext(), context);
    EXPECT_EQ(probe::LiveGLContexts(), contextsBefore_ + 1);

    ASSERT_EQ(wglMakeCurrent(nullptr, nullptr), TRUE);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglGetCurrentDC(), nullptr);
    OnAnotherThread([&] {
        EXPECT_EQ(wglMakeCurrent(dc_, context), TRUE);
        EXPECT_EQ(wglMakeCurrent(nullptr, nullptr), TRUE);
    });
    EXPECT_EQ(wglDeleteContext(context), TRUE);
}

TEST_F(RenderingContext, AThreadThatEndsGivesItsContextBack) {
    HGLRC context = MakeContext();
    ASSERT_NE(context, nullptr);
    OnAnotherThread([&] { ASSERT_EQ(wglMakeCurrent(dc_, context), TRUE); });
    EXPECT_EQ(wglMakeCurrent(dc_, context), TRUE);
    EXPECT_EQ(wglDeleteContext(context), TRUE);
}

TEST_F(RenderingContext, SwitchingBetweenTwoContexts) {
    const PIXELFORMATDESCRIPTOR window = WindowRequest();
    const PIXELFORMATDESCRIPTOR canvas = BitmapRequest(8);
    ASSERT_EQ(SetPixelFormat(dc_, ChoosePixelFormat(dc_, &window), &window), TRUE);
    ASSERT_EQ(SetPixelFormat(otherDc_, ChoosePixelFormat(otherDc_, &canvas), &canvas), TRUE);
    HGLRC first = wglCreateContext(dc_);
    HGLRC second = wglCreateContext(otherDc_);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_EQ(wglMakeCurrent(otherDc_, second), TRUE);
    ASSERT_EQ(wglMakeCurrent(dc_, first), TRUE);
    EXPECT_EQ(wglGetCurrentContext(), first);
    // The one given up is free for another thread.
    OnAnotherThread([&] {
        EXPECT_EQ(wglMakeCurrent(otherDc_, second), TRUE);
        wglMakeCurrent(nullptr, nullptr);
    });
    // Deleting the current context leaves the thread with none.
    EXPECT_EQ(wglDeleteContext(first), TRUE);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglGetCurrentDC(), nullptr);
    EXPECT_EQ(wglDeleteContext(second), TRUE);
}

TEST_F(RenderingContext, FailedSwitchLeavesNoContextCurrent) {
    HGLRC context = MakeContext();
    ASSERT_NE(context, nullptr);
    ASSERT_EQ(wglMakeCurrent(dc_, context), TRUE);
    EXPECT_EQ(wglMakeCurrent(otherDc_, context), FALSE);  // not the context's DC
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    // Nor is the context still held by this thread.
    OnAnotherThread([&] {
        EXPECT_EQ(wglMakeCurrent(dc_, context), TRUE);
        wglMakeCurrent(nullptr, nullptr);
    });
    wglDeleteContext(context);
}

TEST_F(RenderingContext, ForeignStaleAndGarbageHandlesAreRefused) {
    HGLRC context = MakeContext();
    ASSERT_NE(context, nullptr);
    ASSERT_EQ(wglDeleteContext(context), TRUE);
    HGLRC reused = wglCreateContext(dc_);  // may take the freed slot
    ASSERT_NE(reused, nullptr);
    EXPECT_NE(reused, context);
    detail::HandleTable<int> kernelLike(detail::HandleTag::Kernel);
    const HGLRC refused[] = {context, reinterpret_cast<HGLRC>(std::uintptr_t{0x10}),
                             reinterpret_cast<HGLRC>(kernelLike.Insert(std::make_unique<int>(1))),
                             reinterpret_cast<HGLRC>(dc_)};
    for (HGLRC h : refused) {
        EXPECT_EQ(wglMakeCurrent(dc_, h), FALSE) << h;
        EXPECT_EQ(wglDeleteContext(h), FALSE) << h;
    }
    EXPECT_EQ(wglDeleteContext(nullptr), FALSE);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(wglMakeCurrent(dc_, reused), TRUE);
    EXPECT_EQ(wglDeleteContext(reused), TRUE);
}

TEST_F(RenderingContext, DeletedDcCannotBeMadeCurrent) {
    HDC dc = CreateCompatibleDC(nullptr);
    const PIXELFORMATDESCRIPTOR pfd = BitmapRequest(32);
    ASSERT_EQ(SetPixelFormat(dc, 2, &pfd), TRUE);
    HGLRC context = wglCreateContext(dc);
    ASSERT_NE(context, nullptr);
    ASSERT_EQ(DeleteDC(dc), TRUE);
    EXPECT_EQ(wglMakeCurrent(dc, context), FALSE);
    EXPECT_EQ(wglDeleteContext(context), TRUE);  // the context itself can still go
}

// Restores the floating-point environment whatever a test does to it.
class FloatingPointGuard {
public:
    FloatingPointGuard() { std::fegetenv(&saved_); }
    ~FloatingPointGuard() { std::fesetenv(&saved_); }

private:
    std::fenv_t saved_;
};

TEST_F(RenderingContext, DisturbsFloatingPointOnlyWhenTheDisplaySaysSo) {
    FloatingPointGuard guard;
    const PIXELFORMATDESCRIPTOR window = WindowRequest();
    const PIXELFORMATDESCRIPTOR canvas = BitmapRequest(8);
    ASSERT_EQ(SetPixelFormat(dc_, 1, &window), TRUE);
    ASSERT_EQ(SetPixelFormat(otherDc_, 2, &canvas), TRUE);

    std::fesetround(FE_TONEAREST);
    std::feclearexcept(FE_ALL_EXCEPT);
    HGLRC quiet = wglCreateContext(dc_);
    ASSERT_NE(quiet, nullptr);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);

    display::headless::SetOpenGLAltersFloatingPoint(true);
    HGLRC careless = wglCreateContext(otherDc_);
    ASSERT_NE(careless, nullptr);
    EXPECT_EQ(std::fegetround(), FE_TOWARDZERO);
    EXPECT_NE(std::fetestexcept(FE_INEXACT), 0);

    wglDeleteContext(quiet);
    wglDeleteContext(careless);
}

}  // namespace
}  // namespace lumenbox::win::testing
