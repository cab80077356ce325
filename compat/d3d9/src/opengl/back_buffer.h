// Where a device's frames are drawn and how they reach the window.
//
// When the window's own framebuffer has the depth and stencil bits the
// device asked for, a frame is drawn straight into the window and Present
// only swaps: no copy. If the client area differs from the back buffer, the
// viewport scales the frame to it (everything the device draws is placed in
// back-buffer pixels, so the scaling is the viewport's alone). Otherwise, or
// when the back buffer is to be kept (KeepBackBuffer), a frame is drawn into
// an off-screen framebuffer of the back buffer's size (colour RGBA8, depth
// 24 + stencil 8), which Present stretches into the client area. Which of
// them is decided at the start of each frame.
#pragma once

#include "opengl/gl_context.h"
#include "opengl/gl_state.h"

#include <compat/d3d9.h>

namespace compat::d3d9::opengl
{

class BackBuffer
{
public:
    // `keep`: frames for a window of another size are drawn off screen.
    BackBuffer(GlContext& context, GlState& state, bool keep)
        : context_(context), state_(state), keep_(keep)
    {
    }
    ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // The back buffer's size, whether it has depth and stencil, and whether
    // its alpha is kept (A8R8G8B8) or always opaque (X8R8G8B8). Forgets the
    // presented image.
    void Configure(const D3DPRESENT_PARAMETERS& presentParameters);

    // Binds the framebuffer this frame is drawn into and sets the viewport.
    // False when the off-screen framebuffer cannot be made.
    bool BeginFrame();
    // Shows the frame in the window (stretching it when it was drawn off
    // screen).
    void Present();

    bool Direct() const { return direct_; }
    // Drawn straight into a window of another size: scaled by the viewport.
    bool Scaled() const { return direct_ && (targetWidth_ != width_ || targetHeight_ != height_); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A rectangle in back-buffer pixels (OpenGL's, from the bottom) in the
    // pixels of the framebuffer this frame is drawn into.
    void ToTarget(int& x, int& y, int& width, int& height) const;

    // The last presented frame, top row first, 0xAARRGGBB; black before the
    // first Present.
    void Read(Image& image);

private:
    bool WindowFramebufferFits() const;
    bool MakeOffscreen();
    void DeleteOffscreen();

    GlContext& context_;
    GlState& state_;
    int width_ = 0;
    int height_ = 0;
    bool depthStencil_ = false;
    bool stencil_ = false;
    bool opaque_ = true;
    const bool keep_;
    bool direct_ = false;
    int targetWidth_ = 0; // the size of what this frame is drawn into
    int targetHeight_ = 0;
    bool presented_ = false;
    bool presentedDirect_ = false;
    int presentedWidth_ = 0;
    int presentedHeight_ = 0;
    GLuint framebuffer_ = 0;
    GLuint colour_ = 0;
    GLuint depthStencilBuffer_ = 0;
};

} // namespace compat::d3d9::opengl
