// Shared set-up of the OpenGL tests: the headless display with its defaults
// (OpenGL available, floating point left alone) and two memory DCs.
#pragma once

#include <lumenbox/display/headless.h>
#include <lumenbox/win/gdi.h>
#include <lumenbox/win/gl.h>
#include <lumenbox/win/probes.h>

#include <gtest/gtest.h>

#include "platform/display/display.h"

namespace lumenbox::win::testing {

// The descriptors the graphics library asks for on its window and canvas.
inline PIXELFORMATDESCRIPTOR WindowRequest() {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof(PIXELFORMATDESCRIPTOR);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DOUBLEBUFFER | PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 32;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

inline PIXELFORMATDESCRIPTOR BitmapRequest(BYTE colorBits) {
    PIXELFORMATDESCRIPTOR pfd = WindowRequest();
    pfd.dwFlags = PFD_DRAW_TO_BITMAP | PFD_SUPPORT_GDI | PFD_SUPPORT_OPENGL;
    pfd.cColorBits = colorBits;
    return pfd;
}

class GlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(display::Current(), nullptr);
        ASSERT_TRUE(display::headless::IsActive());
        display::headless::Reset();
        dc_ = CreateCompatibleDC(nullptr);
        otherDc_ = CreateCompatibleDC(nullptr);
        ASSERT_NE(dc_, nullptr);
        ASSERT_NE(otherDc_, nullptr);
        contextsBefore_ = probe::LiveGLContexts();
    }
    void TearDown() override {
        wglMakeCurrent(nullptr, nullptr);
        DeleteDC(dc_);
        DeleteDC(otherDc_);
        display::headless::Reset();
    }

    // A context on dc_ with the window format set.
    HGLRC MakeContext() {
        const PIXELFORMATDESCRIPTOR pfd = WindowRequest();
        EXPECT_EQ(SetPixelFormat(dc_, ChoosePixelFormat(dc_, &pfd), &pfd), TRUE);
        return wglCreateContext(dc_);
    }

    HDC dc_ = nullptr;
    HDC otherDc_ = nullptr;
    std::size_t contextsBefore_ = 0;
};

}  // namespace lumenbox::win::testing
