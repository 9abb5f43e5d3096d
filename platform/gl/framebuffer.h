// The framebuffer object each context draws into. A surfaceless context has
// no default framebuffer, so the stand-in gives each one its own, the size of
// its device context's surface, with the depth and stencil buffers its pixel
// format asked for.
//
// Every call here needs the framebuffer's context current on the calling
// thread. Rows run bottom first, as OpenGL stores them; a pixel is
// 0xAARRGGBB, the word a 32-bit DIB holds. Pixels are read in the order the
// driver stores them (llvmpipe keeps RGBA; reading BGRA from it costs five
// times as much) and put into the DIB order here.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/gl/egl_library.h"

namespace lumenbox::win::detail {

struct Framebuffer {
    GLuint object = 0;
    GLuint colour = 0;        // a texture, so that a picture can be put into it
    GLuint depthStencil = 0;  // a renderbuffer, or 0 when the format has neither
    int width = 0;
    int height = 0;
    GLenum order = GL_RGBA;  // the driver's preferred read order, GL_RGBA or GL_BGRA
};

struct DepthStencilBits {
    int depth = 0;
    int stencil = 0;
};

// Binds a framebuffer of the size, making or remaking it first when there is
// none or its size differs; a new one gets the whole of itself as viewport.
// False when the driver cannot make it.
bool PrepareFramebuffer(const GlCalls& gl, Framebuffer& framebuffer, int width, int height, DepthStencilBits bits);

// The framebuffer's pixels into `pixels` (width * height words).
void ReadFramebuffer(const GlCalls& gl, const Framebuffer& framebuffer, std::vector<std::uint32_t>& pixels);

// `pixels` (width * height words) into the colour buffer; `scratch` holds
// them in the driver's order on the way.
void WriteFramebuffer(const GlCalls& gl, const Framebuffer& framebuffer, const std::vector<std::uint32_t>& pixels,
                      std::vector<std::uint32_t>& scratch);

// The framebuffer's names go back to the context; its sizes become zero.
void DeleteFramebuffer(const GlCalls& gl, Framebuffer& framebuffer);

}  // namespace lumenbox::win::detail
