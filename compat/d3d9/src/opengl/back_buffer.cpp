#include "opengl/back_buffer.h"

#include "device_state.h"

#include <algorithm>
#include <vector>

namespace compat::d3d9::opengl
{

BackBuffer::~BackBuffer()
{
    DeleteOffscreen();
}

void BackBuffer::Configure(const D3DPRESENT_PARAMETERS& pp)
{
    width_ = static_cast<int>(pp.BackBufferWidth);
    height_ = static_cast<int>(pp.BackBufferHeight);
    depthStencil_ = pp.EnableAutoDepthStencil != FALSE;
    stencil_ = depthStencil_ && HasStencil(pp.AutoDepthStencilFormat);
    opaque_ = pp.BackBufferFormat != D3DFMT_A8R8G8B8;
    presented_ = false;
    // A framebuffer of the old size is of no more use.
    DeleteOffscreen();
}

bool BackBuffer::WindowFramebufferFits() const
{
    const WindowFramebuffer& fb = context_.Framebuffer();
    return (!depthStencil_ || fb.depthBits >= 24) && (!stencil_ || fb.stencilBits >= 8);
}

bool BackBuffer::BeginFrame()
{
    int width = 0;
    int height = 0;
    context_.DrawableSize(width, height);
    const bool sameSize = width == width_ && height == height_;
    direct_ = WindowFramebufferFits() && (sameSize || !keep_) && width > 0 && height > 0;
    if (!direct_ && framebuffer_ == 0 && !MakeOffscreen())
        return false;
    targetWidth_ = direct_ ? width : width_;
    targetHeight_ = direct_ ? height : height_;
    state_.BindFramebuffer(GL_FRAMEBUFFER, direct_ ? 0 : framebuffer_);
    state_.Viewport(targetWidth_, targetHeight_);
    return true;
}

void BackBuffer::ToTarget(int& x, int& y, int& width, int& height) const
{
    if (targetWidth_ == width_ && targetHeight_ == height_)
        return;
    // The edges go where the viewport puts them, rounded to whole pixels.
    auto scale = [](int value, int to, int from)
    { return static_cast<int>((static_cast<long long>(value) * to + from / 2) / from); };
    const int x2 = scale(x + width, targetWidth_, width_);
    const int y2 = scale(y + height, targetHeight_, height_);
    x = scale(x, targetWidth_, width_);
    y = scale(y, targetHeight_, height_);
    width = x2 - x;
    height = y2 - y;
}

bool BackBuffer::MakeOffscreen()
{
    const GlFunctions& gl = context_.Gl();
    gl.GenFramebuffers(1, &framebuffer_);
    gl.GenRenderbuffers(1, &colour_);
    gl.BindRenderbuffer(GL_RENDERBUFFER, colour_);
    gl.RenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
    if (depthStencil_)
    {
        gl.GenRenderbuffers(1, &depthStencilBuffer_);
        gl.BindRenderbuffer(GL_RENDERBUFFER, depthStencilBuffer_);
        gl.RenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width_, height_);
    }
    state_.BindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour_);
    if (depthStencil_)
        gl.FramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                                   depthStencilBuffer_);
    if (gl.CheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE)
        return true;
    state_.BindFramebuffer(GL_FRAMEBUFFER, 0);
    DeleteOffscreen();
    return false;
}

void BackBuffer::DeleteOffscreen()
{
    if (framebuffer_ == 0 || !context_.MakeCurrent())
    {
        framebuffer_ = colour_ = depthStencilBuffer_ = 0;
        return;
    }
    const GlFunctions& gl = context_.Gl();
    state_.BindFramebuffer(GL_FRAMEBUFFER, 0);
    gl.DeleteFramebuffers(1, &framebuffer_);
    gl.DeleteRenderbuffers(1, &colour_);
    if (depthStencilBuffer_ != 0)
        gl.DeleteRenderbuffers(1, &depthStencilBuffer_);
    framebuffer_ = colour_ = depthStencilBuffer_ = 0;
}

void BackBuffer::Present()
{
    if (!direct_ && framebuffer_ != 0)
    {
        int width = 0;
        int height = 0;
        context_.DrawableSize(width, height);
        state_.Scissor(0, 0, 0, 0); // a blit is cut by the scissor test
        state_.BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
        state_.BindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
        const GLenum filter = width == width_ && height == height_ ? GL_NEAREST : GL_LINEAR;
        context_.Gl().BlitFramebuffer(0, 0, width_, height_, 0, 0, width, height,
                                      GL_COLOR_BUFFER_BIT, filter);
    }
    context_.Swap();
    presented_ = true;
    presentedDirect_ = direct_;
    presentedWidth_ = targetWidth_;
    presentedHeight_ = targetHeight_;
}

void BackBuffer::Read(Image& image)
{
    image.width = static_cast<UINT>(width_);
    image.height = static_cast<UINT>(height_);
    image.pixels.assign(static_cast<std::size_t>(width_) * height_, 0xff000000u);
    if (!presented_)
        return;
    // The window keeps its frame in its back buffer after a swap on Mesa's
    // software rasterisers (and a single-buffered surface, such as the
    // offscreen driver's, has nothing else); the off-screen framebuffer keeps
    // it until the next frame is drawn.
    const int width = presentedWidth_;
    const int height = presentedHeight_;
    std::vector<uint32_t> read;
    std::vector<uint32_t>& pixels = width == width_ && height == height_ ? image.pixels : read;
    pixels.resize(static_cast<std::size_t>(width) * height);
    state_.BindFramebuffer(GL_READ_FRAMEBUFFER, presentedDirect_ ? 0 : framebuffer_);
    const GlFunctions& gl = context_.Gl();
    if (!gl.es)
        gl.ReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, pixels.data());
    else
    {
        // OpenGL ES reads the bytes R, G, B, A: red and blue change places.
        gl.ReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        for (uint32_t& pixel : pixels)
            pixel = (pixel & 0xff00ff00u) | ((pixel & 0xffu) << 16) | ((pixel >> 16) & 0xffu);
    }
    if (&pixels == &read)
    {
        // A frame scaled into its window: each back-buffer pixel takes the
        // window's pixel nearest its centre.
        for (int y = 0; y < height_; ++y)
        {
            const int fromY = static_cast<int>((2LL * y + 1) * height / (2LL * height_));
            for (int x = 0; x < width_; ++x)
            {
                const int fromX = static_cast<int>((2LL * x + 1) * width / (2LL * width_));
                image.pixels[static_cast<std::size_t>(y) * width_ + x] =
                    read[static_cast<std::size_t>(fromY) * width + fromX];
            }
        }
    }
    // OpenGL's rows run bottom up.
    auto* rows = image.pixels.data();
    for (int top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(rows + static_cast<std::size_t>(top) * width_,
                         rows + static_cast<std::size_t>(top + 1) * width_,
                         rows + static_cast<std::size_t>(bottom) * width_);
    if (opaque_)
        for (uint32_t& pixel : image.pixels)
            pixel |= 0xff000000u;
}

} // namespace compat::d3d9::opengl
