// An OpenGL 3.3 core (or OpenGL ES 3.0) context on the SDL window behind a
// device's window handle, and the facts about the window's own framebuffer that decide
// whether a frame can be drawn straight into it.
#pragma once

#include "opengl/gl_functions.h"

#include <windows.h>

#include <memory>
#include <string>

struct SDL_Window;

namespace compat::d3d9::opengl
{

// What the window's framebuffer (the one SDL made with the window) has.
struct WindowFramebuffer
{
    int depthBits = 0;
    int stencilBits = 0;
    bool doubleBuffered = false;
};

class GlContext
{
public:
    // Null with a one-line `whyNot` when the handle is not a window of ours,
    // the window was made without OpenGL, or the driver can give neither a
    // 3.3 core nor an ES 3.0 context.
    static std::unique_ptr<GlContext> Create(HWND window, std::string& whyNot);
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    // Makes the context current on its window. False once the window has
    // been destroyed: then nothing may be drawn, and the context is left
    // alone (deleting it frees whatever it still holds).
    bool MakeCurrent();
    bool WindowExists() const;

    HWND Window() const { return window_; }
    SDL_Window* Sdl() const { return sdl_; }
    // The window's client area in pixels.
    void DrawableSize(int& width, int& height) const;
    void SetSwapInterval(int interval);
    void Swap();

    const GlFunctions& Gl() const { return gl_; }
    const WindowFramebuffer& Framebuffer() const { return framebuffer_; }

private:
    GlContext(HWND window, SDL_Window* sdl, void* context);

    HWND window_;
    SDL_Window* sdl_;
    void* context_;
    GlFunctions gl_;
    WindowFramebuffer framebuffer_;
};

} // namespace compat::d3d9::opengl
