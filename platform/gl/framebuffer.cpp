#include "platform/gl/framebuffer.h"

namespace lumenbox::win::detail {
namespace {

// Depth and stencil go together in one buffer when stencil is asked for:
// drivers offer stencil reliably only packed with depth.
GLenum DepthStencilFormat(DepthStencilBits bits) {
    if (bits.stencil > 0) return GL_DEPTH24_STENCIL8;
    if (bits.depth > 24) return GL_DEPTH_COMPONENT32;
    if (bits.depth > 16) return GL_DEPTH_COMPONENT24;
    return GL_DEPTH_COMPONENT16;
}

void AttachDepthStencil(const GlCalls& gl, Framebuffer& framebuffer, DepthStencilBits bits) {
    if (bits.depth <= 0 && bits.stencil <= 0) return;
    const GLenum format = DepthStencilFormat(bits);
    gl.GenRenderbuffers(1, &framebuffer.depthStencil);
    gl.BindRenderbuffer(GL_RENDERBUFFER, framebuffer.depthStencil);
    gl.RenderbufferStorage(GL_RENDERBUFFER, format, framebuffer.width, framebuffer.height);
    const GLenum attachment = format == GL_DEPTH24_STENCIL8 ? GL_DEPTH_STENCIL_ATTACHMENT : GL_DEPTH_ATTACHMENT;
    gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, attachment, GL_RENDERBUFFER, framebuffer.depthStencil);
}

void AttachColour(const GlCalls& gl, Framebuffer& framebuffer) {
    gl.GenTextures(1, &framebuffer.colour);
    gl.BindTexture(GL_TEXTURE_2D, framebuffer.colour);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, framebuffer.width, framebuffer.height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                  nullptr);
    gl.BindTexture(GL_TEXTURE_2D, 0);
    gl.FramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, framebuffer.colour, 0);
}

// Red and blue change places: RGBA bytes become a DIB's BGRA and back.
std::uint32_t RedAndBlueSwapped(std::uint32_t p) { return (p & 0xFF00FF00u) | ((p >> 16) & 0xFFu) | ((p & 0xFFu) << 16); }

void SwapRedAndBlue(std::vector<std::uint32_t>& pixels) {
    for (std::uint32_t& p : pixels) p = RedAndBlueSwapped(p);
}

GLenum PreferredOrder(const GlCalls& gl) {
    GLint format = GL_RGBA;
    gl.GetIntegerv(GL_IMPLEMENTATION_COLOR_READ_FORMAT, &format);
    return format == GL_BGRA ? GL_BGRA : GL_RGBA;
}

}  // namespace

bool PrepareFramebuffer(const GlCalls& gl, Framebuffer& framebuffer, int width, int height, DepthStencilBits bits) {
    if (framebuffer.object != 0 && framebuffer.width == width && framebuffer.height == height) {
        gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer.object);
        return true;
    }
    DeleteFramebuffer(gl, framebuffer);
    if (width <= 0 || height <= 0) return false;
    framebuffer.width = width;
    framebuffer.height = height;
    gl.GenFramebuffers(1, &framebuffer.object);
    gl.BindFramebuffer(GL_FRAMEBUFFER, framebuffer.object);
    AttachColour(gl, framebuffer);
    AttachDepthStencil(gl, framebuffer, bits);
    if (gl.CheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        DeleteFramebuffer(gl, framebuffer);
        return false;
    }
    gl.Viewport(0, 0, width, height);
    framebuffer.order = PreferredOrder(gl);
    return true;
}

void ReadFramebuffer(const GlCalls& gl, const Framebuffer& framebuffer, std::vector<std::uint32_t>& pixels) {
    pixels.resize(static_cast<std::size_t>(framebuffer.width) * static_cast<std::size_t>(framebuffer.height));
    // The program's own settings come back afterwards: it did not make these calls.
    GLint alignment = 4;
    GLint readBinding = 0;
    gl.GetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    gl.GetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readBinding);
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer.object);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 4);
    gl.ReadPixels(0, 0, framebuffer.width, framebuffer.height, framebuffer.order, GL_UNSIGNED_BYTE, pixels.data());
    gl.PixelStorei(GL_PACK_ALIGNMENT, alignment);
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, static_cast<GLuint>(readBinding));
    if (framebuffer.order == GL_RGBA) SwapRedAndBlue(pixels);
}

void WriteFramebuffer(const GlCalls& gl, const Framebuffer& framebuffer, const std::vector<std::uint32_t>& pixels,
                      std::vector<std::uint32_t>& scratch) {
    const std::uint32_t* data = pixels.data();
    if (framebuffer.order == GL_RGBA) {
        scratch.resize(pixels.size());
        for (std::size_t i = 0; i < pixels.size(); ++i) scratch[i] = RedAndBlueSwapped(pixels[i]);
        data = scratch.data();
    }
    GLint alignment = 4;
    GLint texture = 0;
    gl.GetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    gl.GetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gl.BindTexture(GL_TEXTURE_2D, framebuffer.colour);
    gl.TexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, framebuffer.width, framebuffer.height, framebuffer.order,
                     GL_UNSIGNED_BYTE, data);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    gl.BindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
}

void DeleteFramebuffer(const GlCalls& gl, Framebuffer& framebuffer) {
    if (framebuffer.object != 0) gl.DeleteFramebuffers(1, &framebuffer.object);
    if (framebuffer.colour != 0) gl.DeleteTextures(1, &framebuffer.colour);
    if (framebuffer.depthStencil != 0) gl.DeleteRenderbuffers(1, &framebuffer.depthStencil);
    framebuffer = Framebuffer{};
}

}  // namespace lumenbox::win::detail
