// The OpenGL 3.3 core functions the backend calls, looked up once per context
// through SDL (which asks GLX or EGL, whichever the video driver uses), so
// that nothing links libGL and the same code runs on a desktop, on Xvfb and
// on the offscreen driver.
#pragma once

#include <GL/glcorearb.h>

#include <string>

namespace compat::d3d9::opengl
{

// Each entry: the function's pointer type and its name without the "gl".
#define ZARV_GL_FUNCTIONS(X)                                                                       \
    X(PFNGLACTIVETEXTUREPROC, ActiveTexture)                                                       \
    X(PFNGLATTACHSHADERPROC, AttachShader)                                                         \
    X(PFNGLBINDBUFFERPROC, BindBuffer)                                                             \
    X(PFNGLBINDFRAMEBUFFERPROC, BindFramebuffer)                                                   \
    X(PFNGLBINDRENDERBUFFERPROC, BindRenderbuffer)                                                 \
    X(PFNGLBINDTEXTUREPROC, BindTexture)                                                           \
    X(PFNGLBINDVERTEXARRAYPROC, BindVertexArray)                                                   \
    X(PFNGLBLENDFUNCPROC, BlendFunc)                                                               \
    X(PFNGLBLITFRAMEBUFFERPROC, BlitFramebuffer)                                                   \
    X(PFNGLBUFFERDATAPROC, BufferData)                                                             \
    X(PFNGLBUFFERSUBDATAPROC, BufferSubData)                                                       \
    X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, CheckFramebufferStatus)                                     \
    X(PFNGLCLEARPROC, Clear)                                                                       \
    X(PFNGLCLEARCOLORPROC, ClearColor)                                                             \
    X(PFNGLCLEARDEPTHFPROC, ClearDepthf)                                                           \
    X(PFNGLCLEARSTENCILPROC, ClearStencil)                                                         \
    X(PFNGLCOLORMASKPROC, ColorMask)                                                               \
    X(PFNGLCOMPILESHADERPROC, CompileShader)                                                       \
    X(PFNGLCREATEPROGRAMPROC, CreateProgram)                                                       \
    X(PFNGLCREATESHADERPROC, CreateShader)                                                         \
    X(PFNGLCULLFACEPROC, CullFace)                                                                 \
    X(PFNGLDELETEBUFFERSPROC, DeleteBuffers)                                                       \
    X(PFNGLDELETEFRAMEBUFFERSPROC, DeleteFramebuffers)                                             \
    X(PFNGLDELETEPROGRAMPROC, DeleteProgram)                                                       \
    X(PFNGLDELETERENDERBUFFERSPROC, DeleteRenderbuffers)                                           \
    X(PFNGLDELETESHADERPROC, DeleteShader)                                                         \
    X(PFNGLDELETETEXTURESPROC, DeleteTextures)                                                     \
    X(PFNGLDELETEVERTEXARRAYSPROC, DeleteVertexArrays)                                             \
    X(PFNGLDEPTHFUNCPROC, DepthFunc)                                                               \
    X(PFNGLDEPTHMASKPROC, DepthMask)                                                               \
    X(PFNGLDISABLEPROC, Disable)                                                                   \
    X(PFNGLDISABLEVERTEXATTRIBARRAYPROC, DisableVertexAttribArray)                                 \
    X(PFNGLDRAWARRAYSPROC, DrawArrays)                                                             \
    X(PFNGLDRAWELEMENTSPROC, DrawElements)                                                         \
    X(PFNGLENABLEPROC, Enable)                                                                     \
    X(PFNGLENABLEVERTEXATTRIBARRAYPROC, EnableVertexAttribArray)                                   \
    X(PFNGLFINISHPROC, Finish)                                                                     \
    X(PFNGLFRAMEBUFFERRENDERBUFFERPROC, FramebufferRenderbuffer)                                   \
    X(PFNGLFRONTFACEPROC, FrontFace)                                                               \
    X(PFNGLGENBUFFERSPROC, GenBuffers)                                                             \
    X(PFNGLGENFRAMEBUFFERSPROC, GenFramebuffers)                                                   \
    X(PFNGLGENRENDERBUFFERSPROC, GenRenderbuffers)                                                 \
    X(PFNGLGENTEXTURESPROC, GenTextures)                                                           \
    X(PFNGLGENVERTEXARRAYSPROC, GenVertexArrays)                                                   \
    X(PFNGLGETERRORPROC, GetError)                                                                 \
    X(PFNGLGETFRAMEBUFFERATTACHMENTPARAMETERIVPROC, GetFramebufferAttachmentParameteriv)           \
    X(PFNGLGETINTEGERVPROC, GetIntegerv)                                                           \
    X(PFNGLGETPROGRAMINFOLOGPROC, GetProgramInfoLog)                                               \
    X(PFNGLGETPROGRAMIVPROC, GetProgramiv)                                                         \
    X(PFNGLGETSHADERINFOLOGPROC, GetShaderInfoLog)                                                 \
    X(PFNGLGETSHADERIVPROC, GetShaderiv)                                                           \
    X(PFNGLGETSTRINGPROC, GetString)                                                               \
    X(PFNGLGETSTRINGIPROC, GetStringi)                                                             \
    X(PFNGLGETUNIFORMLOCATIONPROC, GetUniformLocation)                                             \
    X(PFNGLLINKPROGRAMPROC, LinkProgram)                                                           \
    X(PFNGLPIXELSTOREIPROC, PixelStorei)                                                           \
    X(PFNGLREADBUFFERPROC, ReadBuffer)                                                             \
    X(PFNGLREADPIXELSPROC, ReadPixels)                                                             \
    X(PFNGLRENDERBUFFERSTORAGEPROC, RenderbufferStorage)                                           \
    X(PFNGLSCISSORPROC, Scissor)                                                                   \
    X(PFNGLSHADERSOURCEPROC, ShaderSource)                                                         \
    X(PFNGLTEXIMAGE2DPROC, TexImage2D)                                                             \
    X(PFNGLTEXPARAMETERIPROC, TexParameteri)                                                       \
    X(PFNGLUNIFORM1IPROC, Uniform1i)                                                               \
    X(PFNGLUNIFORM2FPROC, Uniform2f)                                                               \
    X(PFNGLUNIFORM3FVPROC, Uniform3fv)                                                             \
    X(PFNGLUNIFORM3IPROC, Uniform3i)                                                               \
    X(PFNGLUNIFORM4FVPROC, Uniform4fv)                                                             \
    X(PFNGLUNIFORMMATRIX3FVPROC, UniformMatrix3fv)                                                 \
    X(PFNGLUNIFORMMATRIX4FVPROC, UniformMatrix4fv)                                                 \
    X(PFNGLUSEPROGRAMPROC, UseProgram)                                                             \
    X(PFNGLVERTEXATTRIB4FPROC, VertexAttrib4f)                                                     \
    X(PFNGLVERTEXATTRIBPOINTERPROC, VertexAttribPointer)                                           \
    X(PFNGLVIEWPORTPROC, Viewport)

struct GlFunctions
{
#define ZARV_GL_MEMBER(type, name) type name = nullptr;
    ZARV_GL_FUNCTIONS(ZARV_GL_MEMBER)
#undef ZARV_GL_MEMBER

    // OpenGL 4.5 or ARB_clip_control; null when the context has neither.
    PFNGLCLIPCONTROLPROC ClipControl = nullptr;

    // Desktop OpenGL only: null on an OpenGL ES context, where the backend
    // keeps to what WebGL 2 offers (no wireframe, the last vertex of a flat
    // triangle gives its colour, no mapped buffers, no base vertex).
    PFNGLPOLYGONMODEPROC PolygonMode = nullptr;
    PFNGLPROVOKINGVERTEXPROC ProvokingVertex = nullptr;
    PFNGLMAPBUFFERRANGEPROC MapBufferRange = nullptr;
    PFNGLUNMAPBUFFERPROC UnmapBuffer = nullptr;
    PFNGLDRAWELEMENTSBASEVERTEXPROC DrawElementsBaseVertex = nullptr;

    // The context is OpenGL ES 3.0 (or WebGL 2, which presents itself so).
    bool es = false;

    // Looks every function up in the current context. False, naming the
    // first missing one in `whyNot`, when the context lacks any it needs.
    bool Load(std::string& whyNot);
};

} // namespace compat::d3d9::opengl
