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

// Compiles and links one mode's program; 0 with `whyNot` set when it fails.
GLuint Link(const GlFunctions& gl, int mode, std::string& whyNot)
{
    const std::string vertexSource = ShaderSource(mode, kVertexShaderBody, gl.es);
    const std::string fragmentSource = ShaderSource(mode, kFragmentShaderBody, gl.es);
    const GLuint vertex = Compile(gl, GL_VERTEX_SHADER, vertexSource.c_str(), whyNot);
    if (vertex == 0)
        return 0;
    const GLuint fragment = Compile(gl, GL_FRAGMENT_SHADER, fragmentSource.c_str(), whyNot);
    if (fragment == 0)
    {
        gl.DeleteShader(vertex);
        return 0;
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
    if (ok == GL_TRUE)
        return program;
    char log[512] = "";
    gl.GetProgramInfoLog(program, sizeof log, nullptr, log);
    whyNot = "the shader program does not link: " + FirstLine(log);
    gl.DeleteProgram(program);
    return 0;
}

} // namespace

std::unique_ptr<ShaderProgram> ShaderProgram::Create(const GlFunctions& gl, GlState& state,
                                                     std::string& whyNot)
{
    std::unique_ptr<ShaderProgram> made(new ShaderProgram(gl, state));
    for (int mode = 0; mode < kModeCount; ++mode)
    {
        Program& program = made->programs_[mode];
        program.id = Link(gl, mode, whyNot);
        if (program.id == 0)
            return nullptr; // the destructor deletes those already made
        made->FindLocations(program);
    }
    made->Use(kModeText);
    gl.Uniform1i(made->current_->at.atlas, 0); // the glyph atlas is on texture unit 0
    return made;
}

ShaderProgram::~ShaderProgram()
{
    for (const Program& program : programs_)
        if (program.id != 0)
            gl_.DeleteProgram(program.id);
}

void ShaderProgram::Abandon()
{
    for (Program& program : programs_)
        program.id = 0;
}

void ShaderProgram::Use(int mode)
{
    current_ = &programs_[mode];
    state_.UseProgram(current_->id);
}

void ShaderProgram::FindLocations(Program& program)
{
    auto at = [&](const char* name) { return gl_.GetUniformLocation(program.id, name); };
    Locations& l = program.at;
    l.worldViewProjection = at("uWorldViewProjection");
    l.normalMatrix = at("uNormalMatrix");
    l.targetSize = at("uTargetSize");
    l.clipControl = at("uClipControl");
    l.lighting = at("uLighting");
    l.normalizeNormals = at("uNormalizeNormals");
    l.colourSources = at("uColourSources");
    l.materialDiffuse = at("uMaterialDiffuse");
    l.materialAmbient = at("uMaterialAmbient");
    l.materialEmissive = at("uMaterialEmissive");
    l.ambient = at("uAmbient");
    l.lightCount = at("uLightCount");
    l.towardsLight = at("uTowardsLight");
    l.lightDiffuse = at("uLightDiffuse");
    l.flatShading = at("uFlatShading");
    l.textColour = at("uTextColour");
    l.atlas = at("uAtlas");
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

void ShaderProgram::SetTargetSize(int width, int height)
{
    SetFloats(current_->at.targetSize, current_->targetSize,
              {static_cast<float>(width), static_cast<float>(height)}, kVec2);
}

void ShaderProgram::SetClipControl(bool on)
{
    Program* const kept = current_;
    for (int mode = 0; mode < kModeCount; ++mode)
    {
        Use(mode);
        SetInt(current_->at.clipControl, current_->clipControl, on ? 1 : 0);
    }
    Use(static_cast<int>(kept - programs_.data()));
}

void ShaderProgram::SetFlatShading(bool flat)
{
    SetInt(current_->at.flatShading, current_->flatShading, flat ? 1 : 0);
}

void ShaderProgram::SetFixedFunction(const FixedFunction& v)
{
    Program& p = *current_;
    SetFloats(p.at.worldViewProjection, p.worldViewProjection, v.worldViewProjection, kMat4);
    SetInt(p.at.lighting, p.lighting, v.lighting ? 1 : 0);
    if (!v.lighting)
        return;
    SetFloats(p.at.normalMatrix, p.normalMatrix, v.normalMatrix, kMat3);
    SetInt(p.at.normalizeNormals, p.normalizeNormals, v.normalizeNormals ? 1 : 0);
    const std::array<int, 3> sources{static_cast<int>(v.diffuseSource),
                                     static_cast<int>(v.ambientSource),
                                     static_cast<int>(v.emissiveSource)};
    if (sources != p.colourSources)
    {
        gl_.Uniform3i(p.at.colourSources, sources[0], sources[1], sources[2]);
        p.colourSources = sources;
        state_.Count();
    }
    SetFloats(p.at.materialDiffuse, p.materialDiffuse, v.materialDiffuse, kVec4);
    SetFloats(p.at.materialAmbient, p.materialAmbient, v.materialAmbient, kVec4);
    SetFloats(p.at.materialEmissive, p.materialEmissive, v.materialEmissive, kVec4);
    SetFloats(p.at.ambient, p.ambient, v.ambient, kVec3Array);
    SetInt(p.at.lightCount, p.lightCount, v.lightCount);
    SetFloats(p.at.towardsLight, p.towardsLight, v.towardsLight, kVec3Array);
    SetFloats(p.at.lightDiffuse, p.lightDiffuse, v.lightDiffuse, kVec3Array);
}

void ShaderProgram::SetTextColour(D3DCOLOR colour)
{
    SetFloats(current_->at.textColour, current_->textColour, ColourToFloats(colour), kVec4);
}

} // namespace compat::d3d9::opengl
