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

// Compiles and links one key's program; 0 with `whyNot` set when it fails.
GLuint Link(const GlFunctions& gl, const ProgramKey& key, bool clipControl, std::string& whyNot)
{
    const std::string vertexSource = ShaderSource(key, clipControl, kVertexShaderBody, gl.es);
    const std::string fragmentSource = ShaderSource(key, clipControl, kFragmentShaderBody, gl.es);
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
                                                     bool clipControl, std::string& whyNot)
{
    std::unique_ptr<ShaderProgram> made(new ShaderProgram(gl, state, clipControl));
    for (int mode = 0; mode < kModeCount; ++mode)
    {
        ProgramKey key;
        key.mode = mode;
        if (made->Build(key, whyNot) == nullptr)
            return nullptr; // the destructor deletes those already made
    }
    return made;
}

ShaderProgram::~ShaderProgram()
{
    for (const auto& [key, program] : programs_)
        gl_.DeleteProgram(program->id);
}

void ShaderProgram::Abandon()
{
    programs_.clear();
    current_ = nullptr;
}

ShaderProgram::Program* ShaderProgram::Build(const ProgramKey& key, std::string& whyNot)
{
    const GLuint id = Link(gl_, key, clipControl_, whyNot);
    if (id == 0)
        return nullptr;
    auto program = std::make_unique<Program>();
    program->key = key;
    program->id = id;
    FindLocations(*program);
    if (key.mode == kModeText)
    {
        state_.UseProgram(id);
        gl_.Uniform1i(program->at.atlas, 0); // the glyph atlas is on texture unit 0
    }
    return programs_.insert_or_assign(key, std::move(program)).first->second.get();
}

bool ShaderProgram::Use(const ProgramKey& key, std::string& whyNot)
{
    if (current_ == nullptr || !(current_->key == key))
    {
        const auto found = programs_.find(key);
        current_ = found != programs_.end() ? found->second.get() : Build(key, whyNot);
        if (current_ == nullptr)
            return false;
    }
    state_.UseProgram(current_->id);
    return true;
}

ProgramKey ShaderProgram::TransformedKey(const FixedFunction& v, bool flatShading)
{
    ProgramKey key;
    key.mode = kModeTransformed;
    key.flatShading = flatShading;
    key.lighting = v.lighting;
    if (!v.lighting)
        return key;
    key.normalizeNormals = v.normalizeNormals;
    key.lightCount = v.lightCount;
    key.colourSources = {static_cast<int>(v.diffuseSource), static_cast<int>(v.ambientSource),
                         static_cast<int>(v.emissiveSource)};
    return key;
}

void ShaderProgram::FindLocations(Program& program)
{
    auto at = [&](const char* name) { return gl_.GetUniformLocation(program.id, name); };
    Locations& l = program.at;
    l.worldViewProjection = at("uWorldViewProjection");
    l.normalMatrix = at("uNormalMatrix");
    l.targetSize = at("uTargetSize");
    l.materialDiffuse = at("uMaterialDiffuse");
    l.materialAmbient = at("uMaterialAmbient");
    l.materialEmissive = at("uMaterialEmissive");
    l.ambient = at("uAmbient");
    l.towardsLight = at("uTowardsLight");
    l.lightDiffuse = at("uLightDiffuse");
    l.textColour = at("uTextColour");
    l.atlas = at("uAtlas");
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

void ShaderProgram::SetFixedFunction(const FixedFunction& v)
{
    Program& p = *current_;
    SetFloats(p.at.worldViewProjection, p.worldViewProjection, v.worldViewProjection, kMat4);
    if (!p.key.lighting)
        return;
    SetFloats(p.at.normalMatrix, p.normalMatrix, v.normalMatrix, kMat3);
    SetFloats(p.at.materialDiffuse, p.materialDiffuse, v.materialDiffuse, kVec4);
    SetFloats(p.at.materialAmbient, p.materialAmbient, v.materialAmbient, kVec4);
    SetFloats(p.at.materialEmissive, p.materialEmissive, v.materialEmissive, kVec4);
    SetFloats(p.at.ambient, p.ambient, v.ambient, kVec3Array);
    if (p.key.lightCount == 0)
        return;
    SetFloats(p.at.towardsLight, p.towardsLight, v.towardsLight, kVec3Array);
    SetFloats(p.at.lightDiffuse, p.lightDiffuse, v.lightDiffuse, kVec3Array);
}

void ShaderProgram::SetTextColour(D3DCOLOR colour)
{
    SetFloats(current_->at.textColour, current_->textColour, ColourToFloats(colour), kVec4);
}

} // namespace compat::d3d9::opengl
