#include "opengl/gl_context.h"

#include "settings.h"

#include <compat/win32.h>

#include <SDL.h>

#if !defined(__EMSCRIPTEN__)
#include <dlfcn.h>
#include <link.h>
#endif

#include <cstdio>
#include <cstring>

namespace compat::d3d9::opengl
{
namespace
{

std::string DescribeWindow(HWND window)
{
    char text[32];
    std::snprintf(text, sizeof text, "window %#jx",
                  static_cast<uintmax_t>(reinterpret_cast<uintptr_t>(window)));
    return text;
}

WindowFramebuffer QueryWindowFramebuffer(const GlFunctions& gl)
{
    WindowFramebuffer fb;
    gl.BindFramebuffer(GL_FRAMEBUFFER, 0);
    gl.GetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_DEPTH,
                                           GL_FRAMEBUFFER_ATTACHMENT_DEPTH_SIZE, &fb.depthBits);
    gl.GetFramebufferAttachmentParameteriv(GL_FRAMEBUFFER, GL_STENCIL,
                                           GL_FRAMEBUFFER_ATTACHMENT_STENCIL_SIZE, &fb.stencilBits);
    // Asking about an attachment the framebuffer lacks is an error on some
    // drivers; it leaves the answer at 0, which is what it means.
    while (gl.GetError() != GL_NO_ERROR)
    {
    }
    // OpenGL ES cannot be asked; its window surfaces are double-buffered.
    GLint doubleBuffered = 1;
    if (!gl.es)
        gl.GetIntegerv(GL_DOUBLEBUFFER, &doubleBuffered);
    fb.doubleBuffered = doubleBuffered != 0;
    return fb;
}

// Keeps Mesa's driver libraries, which the first context loaded, in memory
// for the rest of the process. Unloading them with the last window would
// load them again for the next one, and would leave the allocations they
// keep for the life of the process unreachable, which a leak checker then
// reports at exit. Loads nothing that is not loaded already.
void KeepDriverLoaded()
{
#if defined(__EMSCRIPTEN__)
    // A page's WebGL comes with the browser: there is no driver to keep.
#else
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void*)
        {
            const char* path = info->dlpi_name;
            if (path != nullptr && (std::strstr(path, "_dri.so") != nullptr ||
                                    std::strstr(path, "_mesa.so") != nullptr ||
                                    std::strstr(path, "libglapi.so") != nullptr))
                if (void* handle = dlopen(path, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE))
                    dlclose(handle); // drops only this call's reference
            return 0;
        },
        nullptr);
#endif
}

SDL_GLContext CreateSdlContext(SDL_Window* sdl, int profile, int major, int minor)
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, profile);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, major);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, minor);
    return SDL_GL_CreateContext(sdl);
}

} // namespace

std::unique_ptr<GlContext> GlContext::Create(HWND window, std::string& whyNot)
{
    SDL_Window* sdl = compat::win32::SdlWindowOf(window);
    if (sdl == nullptr)
    {
        whyNot =
            "the OpenGL backend needs a window, and " + DescribeWindow(window) + " does not exist";
        return nullptr;
    }
    if ((SDL_GetWindowFlags(sdl) & SDL_WINDOW_OPENGL) == 0)
    {
        whyNot = "the OpenGL backend cannot draw in " + DescribeWindow(window) +
                 ": the video driver (" + SDL_GetCurrentVideoDriver() + ") made it without OpenGL";
        return nullptr;
    }
    // OpenGL 3.3 core, or OpenGL ES 3.0 where that is all there is (WebGL 2
    // presents itself so) or where the settings ask for it.
    SDL_GLContext context = nullptr;
    if (!CurrentSettings().openGlEs)
        context = CreateSdlContext(sdl, SDL_GL_CONTEXT_PROFILE_CORE, 3, 3);
    if (context == nullptr)
        context = CreateSdlContext(sdl, SDL_GL_CONTEXT_PROFILE_ES, 3, 0);
    if (context == nullptr)
    {
        whyNot = std::string("no OpenGL 3.3 core or OpenGL ES 3.0 context for the window (SDL: ") +
                 SDL_GetError() + ")";
        return nullptr;
    }
    KeepDriverLoaded();
    std::unique_ptr<GlContext> made(new GlContext(window, sdl, context));
    if (!made->gl_.Load(whyNot))
        return nullptr;
    made->framebuffer_ = QueryWindowFramebuffer(made->gl_);
    return made;
}

GlContext::GlContext(HWND window, SDL_Window* sdl, void* context)
    : window_(window), sdl_(sdl), context_(context)
{
}

GlContext::~GlContext()
{
    SDL_GL_DeleteContext(context_);
}

bool GlContext::WindowExists() const
{
    // Handles are never reused, so a handle that still names an SDL window
    // names this one.
    return compat::win32::SdlWindowOf(window_) == sdl_;
}

bool GlContext::MakeCurrent()
{
    if (!WindowExists())
        return false;
    if (SDL_GL_GetCurrentContext() != context_ || SDL_GL_GetCurrentWindow() != sdl_)
        return SDL_GL_MakeCurrent(sdl_, context_) == 0;
    return true;
}

void GlContext::DrawableSize(int& width, int& height) const
{
    SDL_GL_GetDrawableSize(sdl_, &width, &height);
}

void GlContext::SetSwapInterval(int interval)
{
    // Not every driver lets the interval be chosen; the frame is presented
    // either way.
    SDL_GL_SetSwapInterval(interval);
}

void GlContext::Swap()
{
    SDL_GL_SwapWindow(sdl_);
}

} // namespace compat::d3d9::opengl
