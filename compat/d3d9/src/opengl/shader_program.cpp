#include "opengl/shader_program.h"

#include "opengl/shader_source.h"

namespace compat::d3d9::opengl
{
namespace
{

enum Kind
{
    kVec2,
    kVec3Array, // one or more vec3s
    kVec4,
    kMat3,
    kMat4,
};

// The first line of an info log, for a one-line reason.
std::string FirstLine(const char* log)
{
    std::string line(log);
    const std::size_t end = line.find('\n');
    return end == std::string::npos ? line : line.substr(0, end);
}

GLuint Compile(const GlFunctions& gl, GLenum type, const char* source, std::string& whyNot)
{
    const GLuint shader = gl.CreateShader(type);
    gl.ShaderSource(shader, 1, &source, nullptr);
    gl.CompileShader(shader);
    GLint ok = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok == GL_TRUE)
        return shader;
    char log[512] = "";
    gl.GetShaderInfoLog(shader, sizeof log, nullptr, log);
    whyNot = std::string(type == GL_VERTEX_SHADER ? "the vertex" : "the fragment") +
             " shader does not compile: " + FirstLine(log);
    gl.DeleteShader(shader);
    return 0;
}

} // namespace

std::unique_ptr<ShaderProgram> ShaderProgram::Create(const GlFunctions& gl, GlState& state,
                                                     std::string& whyNot)
{
    const GLuint vertex = Compile(gl, GL_VERTEX_SHADER, kVertexShader, whyNot);
    if (vertex == 0)
        return nullptr;
    const GLuint fragment = Compile(gl, GL_FRAGMENT_SHADER, kFragmentShader, whyNot);
    if (fragment == 0)
    {
        gl.DeleteShader(vertex);
        return nullptr;
    }
    const GLuint program = gl.CreateProgram();
    gl.AttachShader(program, vertex);
    gl.AttachShader(program, fragment);
    gl.LinkProgram(program);
    // The program keeps what it needs; the shaders go with it.
    gl.DeleteShader(vertex);
    gl.DeleteShader(fragment);
    GLint ok = GL_FALSE;
    gl.GetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE)
    {
        char log[512] = "";
        gl.GetProgramInfoLog(program, sizeof log, nullptr, log);
        whyNot = "the shader program does not link: " + FirstLine(log);
        gl.DeleteProgram(program);
        return nullptr;
    }
    std::unique_ptr<ShaderProgram> made(new ShaderProgram(gl, state, program));
    made->FindLocations();
    state.UseProgram(program);
    gl.Uniform1i(made->at_.atlas, 0); // the glyph atlas is on texture unit 0
    return made;
}

ShaderProgram::ShaderProgram(const GlFunctions& gl, GlState& state, GLuint program)
    : gl_(gl), state_(state), program_(program)
{
}

ShaderProgram::~ShaderProgram()
{
    if (program_ != 0)
        gl_.DeleteProgram(program_);
}

void ShaderProgram::FindLocations()
{
    auto at = [&](const char* name) { return gl_.GetUniformLocation(program_, name); };
    at_.mode = at("uMode");
    at_.worldViewProjection = at("uWorldViewProjection");
    at_.normalMatrix = at("uNormalMatrix");
    at_.targetSize = at("uTargetSize");
    at_.remapDepth = at("uRemapDepth");
    at_.lighting = at("uLighting");
    at_.normalizeNormals = at("uNormalizeNormals");
    at_.colourSources = at("uColourSources");
    at_.materialDiffuse = at("uMaterialDiffuse");
    at_.materialAmbient = at("uMaterialAmbient");
    at_.materialEmissive = at("uMaterialEmissive");
    at_.ambient = at("uAmbient");
    at_.lightCount = at("uLightCount");
    at_.towardsLight = at("uTowardsLight");
    at_.lightDiffuse = at("uLightDiffuse");
    at_.flatShading = at("uFlatShading");
    at_.textColour = at("uTextColour");
    at_.atlas = at("uAtlas");
}

void ShaderProgram::SetInt(GLint location, int& kept, int value)
{
    if (kept == value)
        return;
    gl_.Uniform1i(location, value);
    kept = value;
    state_.Count();
}

template <std::size_t N>
void ShaderProgram::SetFloats(GLint location, std::array<float, N>& kept,
                              const std::array<float, N>& value, int kind)
{
    if (kept == value)
        return;
    switch (kind)
    {
    case kVec2:
        gl_.Uniform2f(location, value[0], value[1]);
        break;
    case kVec3Array:
        gl_.Uniform3fv(location, static_cast<GLsizei>(N / 3), value.data());
        break;
    case kVec4:
        gl_.Uniform4fv(location, 1, value.data());
        break;
    case kMat3:
        gl_.UniformMatrix3fv(location, 1, GL_FALSE, value.data());
        break;
    case kMat4:
        gl_.UniformMatrix4fv(location, 1, GL_FALSE, value.data());
        break;
    }
    kept = value;
    state_.Count();
}

void ShaderProgram::SetMode(int mode)
{
    SetInt(at_.mode, mode_, mode);
}

void ShaderProgram::SetTargetSize(int width, int height)
{
    SetFloats(at_.targetSize, targetSize_, {static_cast<float>(width), static_cast<float>(height)},
              kVec2);
}

void ShaderProgram::SetRemapDepth(bool remap)
{
    SetInt(at_.remapDepth, remapDepth_, remap ? 1 : 0);
}

void ShaderProgram::SetFlatShading(bool flat)
{
    SetInt(at_.flatShading, flatShading_, flat ? 1 : 0);
}

void ShaderProgram::SetFixedFunction(const FixedFunction& v)
{
    SetFloats(at_.worldViewProjection, worldViewProjection_, v.worldViewProjection, kMat4);
    SetInt(at_.lighting, lighting_, v.lighting ? 1 : 0);
    if (!v.lighting)
        return;
    SetFloats(at_.normalMatrix, normalMatrix_, v.normalMatrix, kMat3);
    SetInt(at_.normalizeNormals, normalizeNormals_, v.normalizeNormals ? 1 : 0);
    const std::array<int, 3> sources{static_cast<int>(v.diffuseSource),
                                     static_cast<int>(v.ambientSource),
                                     static_cast<int>(v.emissiveSource)};
    if (sources != colourSources_)
    {
        gl_.Uniform3i(at_.colourSources, sources[0], sources[1], sources[2]);
        colourSources_ = sources;
        state_.Count();
    }
    SetFloats(at_.materialDiffuse, materialDiffuse_, v.materialDiffuse, kVec4);
    SetFloats(at_.materialAmbient, materialAmbient_, v.materialAmbient, kVec4);
    SetFloats(at_.materialEmissive, materialEmissive_, v.materialEmissive, kVec4);
    SetFloats(at_.ambient, ambient_, v.ambient, kVec3Array);
    SetInt(at_.lightCount, lightCount_, v.lightCount);
    SetFloats(at_.towardsLight, towardsLight_, v.towardsLight, kVec3Array);
    SetFloats(at_.lightDiffuse, lightDiffuse_, v.lightDiffuse, kVec3Array);
}

void ShaderProgram::SetTextColour(D3DCOLOR colour)
{
    SetFloats(at_.textColour, textColour_, ColourToFloats(colour), kVec4);
}

} // namespace compat::d3d9::opengl
