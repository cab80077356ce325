#include "BareGl.h"

namespace bench
{

BareGlWindow::~BareGlWindow()
{
    if (context_ != nullptr)
        SDL_GL_DeleteContext(context_);
    if (window_ != nullptr)
        SDL_DestroyWindow(window_);
    if (video_)
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool BareGlWindow::Open(int width, int height, std::string& error)
{
    video_ = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (!video_)
    {
        error = SDL_GetError();
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    window_ =
        SDL_CreateWindow("floor", 25, 25, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    context_ = window_ != nullptr ? SDL_GL_CreateContext(window_) : nullptr;
    if (context_ == nullptr)
    {
        error = SDL_GetError();
        return false;
    }
    SDL_GL_SetSwapInterval(0);
    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(window_, &drawableWidth, &drawableHeight);
    if (drawableWidth != width || drawableHeight != height)
    {
        error = "the window's drawable is " + std::to_string(drawableWidth) + "x" +
                std::to_string(drawableHeight) + ", not " + std::to_string(width) + "x" +
                std::to_string(height);
        return false;
    }
#define BENCH_GL_LOOK_UP(type, name)                                                               \
    gl_.name = reinterpret_cast<type>(SDL_GL_GetProcAddress("gl" #name));                          \
    if (gl_.name == nullptr)                                                                       \
    {                                                                                              \
        error = "no gl" #name;                                                                     \
        return false;                                                                              \
    }
    BENCH_GL_FUNCTIONS(BENCH_GL_LOOK_UP)
#undef BENCH_GL_LOOK_UP
    return true;
}

} // namespace bench
