// A bare OpenGL 3.3 core window for the floors: SDL, one context, the few GL
// functions the floors call (looked up through SDL), and nothing of the
// program or its stand-ins. The window's drawable has the given size.
#pragma once

#include <SDL.h>

#include <GL/glcorearb.h>

#include <string>

namespace bench
{

#define BENCH_GL_FUNCTIONS(X)                                                                      \
    X(PFNGLATTACHSHADERPROC, AttachShader)                                                         \
    X(PFNGLBINDBUFFERPROC, BindBuffer)                                                             \
    X(PFNGLBINDVERTEXARRAYPROC, BindVertexArray)                                                   \
    X(PFNGLBUFFERDATAPROC, BufferData)                                                             \
    X(PFNGLCLEARPROC, Clear)                                                                       \
    X(PFNGLCLEARCOLORPROC, ClearColor)                                                             \
    X(PFNGLCLIPCONTROLPROC, ClipControl)                                                           \
    X(PFNGLCOMPILESHADERPROC, CompileShader)                                                       \
    X(PFNGLCREATEPROGRAMPROC, CreateProgram)                                                       \
    X(PFNGLCREATESHADERPROC, CreateShader)                                                         \
    X(PFNGLDEPTHFUNCPROC, DepthFunc)                                                               \
    X(PFNGLDRAWELEMENTSPROC, DrawElements)                                                         \
    X(PFNGLENABLEPROC, Enable)                                                                     \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray)                                   \
    X(PFNGLFINISHPROC, Finish)                                                                     \
    X(PFNGLGENBUFFERSPROC, GenBuffers)                                                             \
    X(PFNGLGENVERTEXARRAYSPROC, GenVertexArrays)                                                   \
    X(PFNGLGETPROGRAMIVPROC, GetProgramiv)                                                         \
    X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog)                                                 \
    X(PFNGLGETSHADERIVPROC, GetShaderiv)                                                           \
    X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation)                                             \
    X(PFNGLLINKPROGRAMPROC, LinkProgram)                                                           \
    X(PFNGLSHADERSOURCEPROC, ShaderSource)                                                         \
    X(PFNGLUNIFORM3FPROC, Uniform3f)                                                               \
    X(PFNGLUNIFORMMATRIX3FVPROC, UniformMatrix3fv)                                                 \
    X(PFNGLUNIFORMMATRIX4FVPROC, UniformMatrix4fv)                                                 \
    X(PFNGLUSEPROGRAMPROC, UseProgram)                                                             \
    X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer)                                           \
    X(PFNGLVIEWPORTPROC, Viewport)

struct BareGlFunctions
{
#define BENCH_GL_MEMBER(type, name) type name = nullptr;
    BENCH_GL_FUNCTIONS(BENCH_GL_MEMBER)
#undef BENCH_GL_MEMBER
};

class BareGlWindow
{
public:
    BareGlWindow() = default;
    ~BareGlWindow();
    BareGlWindow(const BareGlWindow&) = delete;
    BareGlWindow& operator=(const BareGlWindow&) = delete;

    // Opens the window with depth 24 and stencil 8, as the device asks;
    // false with `error` set when it cannot.
    bool Open(int width, int height, std::string& error);
    const BareGlFunctions& Gl() const { return gl_; }
    void Swap() { SDL_GL_SwapWindow(window_); }

private:
    SDL_Window* window_ = nullptr;
    SDL_GLContext context_ = nullptr;
    bool video_ = false;
    BareGlFunctions gl_;
};

} // namespace bench
