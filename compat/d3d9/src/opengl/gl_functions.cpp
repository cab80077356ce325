#include "opengl/gl_functions.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

namespace compat::d3d9::opengl
{
namespace
{

// Whether the current context is at least major.minor or names the
// extension.
bool HasVersionOrExtension(const GlFunctions& gl, int major, int minor, const char* extension)
{
    GLint haveMajor = 0;
    GLint haveMinor = 0;
    gl.GetIntegerv(GL_MAJOR_VERSION, &haveMajor);
    gl.GetIntegerv(GL_MINOR_VERSION, &haveMinor);
    if (haveMajor > major || (haveMajor == major && haveMinor >= minor))
        return true;
    GLint count = 0;
    gl.GetIntegerv(GL_NUM_EXTENSIONS, &count);
    for (GLint i = 0; i < count; ++i)
    {
        const auto* name = reinterpret_cast<const char*>(gl.GetStringi(GL_EXTENSIONS, i));
        if (name != nullptr && std::strcmp(name, extension) == 0)
            return true;
    }
    return false;
}

} // namespace

bool GlFunctions::Load(std::string& whyNot)
{
#define ZARV_GL_LOAD(type, name)                                                                   \
    name = reinterpret_cast<type>(SDL_GL_GetProcAddress("gl" #name));                              \
    if (name == nullptr)                                                                           \
    {                                                                                              \
        whyNot = "the OpenGL context has no gl" #name;                                             \
        return false;                                                                              \
    }
    ZARV_GL_FUNCTIONS(ZARV_GL_LOAD)
#undef ZARV_GL_LOAD

    const auto* version = reinterpret_cast<const char*>(GetString(GL_VERSION));
    es = version != nullptr && std::strncmp(version, "OpenGL ES", 9) == 0;
    ClipControl = nullptr;
    PolygonMode = nullptr;
    ProvokingVertex = nullptr;
    MapBufferRange = nullptr;
    UnmapBuffer = nullptr;
    DrawElementsBaseVertex = nullptr;
    if (es)
        return true;
    if (HasVersionOrExtension(*this, 4, 5, "GL_ARB_clip_control"))
        ClipControl =
            reinterpret_cast<PFNGLCLIPCONTROLPROC>(SDL_GL_GetProcAddress("glClipControl"));
#define ZARV_GL_LOAD_DESKTOP(type, name)                                                           \
    name = reinterpret_cast<type>(SDL_GL_GetProcAddress("gl" #name));                              \
    if (name == nullptr)                                                                           \
    {                                                                                              \
        whyNot = "the OpenGL context has no gl" #name;                                             \
        return false;                                                                              \
    }
    ZARV_GL_LOAD_DESKTOP(PFNGLPOLYGONMODEPROC, PolygonMode)
    ZARV_GL_LOAD_DESKTOP(PFNGLPROVOKINGVERTEXPROC, ProvokingVertex)
    ZARV_GL_LOAD_DESKTOP(PFNGLMAPBUFFERRANGEPROC, MapBufferRange)
    ZARV_GL_LOAD_DESKTOP(PFNGLUNMAPBUFFERPROC, UnmapBuffer)
    ZARV_GL_LOAD_DESKTOP(PFNGLDRAWELEMENTSBASEVERTEXPROC, DrawElementsBaseVertex)
#undef ZARV_GL_LOAD_DESKTOP
    return true;
}

} // namespace compat::d3d9::opengl
