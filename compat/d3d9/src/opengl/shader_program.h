// The backend's one shader program (shader_source.h), compiled once when the
// device is made, and its uniforms. Each setter keeps the value it last gave
// OpenGL and calls OpenGL only when the value changes.
#pragma once

#include "opengl/fixed_function.h"
#include "opengl/gl_state.h"

#include <array>
#include <memory>
#include <string>

namespace compat::d3d9::opengl
{

class ShaderProgram
{
public:
    // Null with a one-line `whyNot` (the compiler's first complaint) when
    // the program does not build.
    static std::unique_ptr<ShaderProgram> Create(const GlFunctions& gl, GlState& state,
                                                 std::string& whyNot);
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    GLuint Id() const { return program_; }
    // Forgets the program without deleting it, for when the context can no
    // longer be made current (deleting the context deletes the program).
    void Abandon() { program_ = 0; }

    // The program must be in use (GlState::UseProgram(Id())) for these.
    void SetMode(int mode);
    void SetTargetSize(int width, int height);
    void SetRemapDepth(bool remap);
    void SetFlatShading(bool flat);
    void SetFixedFunction(const FixedFunction& values);
    void SetTextColour(D3DCOLOR colour);

private:
    struct Locations
    {
        GLint mode, worldViewProjection, normalMatrix, targetSize, remapDepth, lighting,
            normalizeNormals, colourSources, materialDiffuse, materialAmbient, materialEmissive,
            ambient, lightCount, towardsLight, lightDiffuse, flatShading, textColour, atlas;
    };

    ShaderProgram(const GlFunctions& gl, GlState& state, GLuint program);
    void FindLocations();
    void SetInt(GLint location, int& kept, int value);
    template <std::size_t N>
    void SetFloats(GLint location, std::array<float, N>& kept, const std::array<float, N>& value,
                   int kind);

    const GlFunctions& gl_;
    GlState& state_;
    GLuint program_;
    Locations at_{};

    // The values OpenGL has now. OpenGL starts every uniform at zero; the
    // -1s are values that no call sets, so the first call always goes through.
    int mode_ = -1;
    int remapDepth_ = -1;
    int flatShading_ = -1;
    int lighting_ = -1;
    int normalizeNormals_ = -1;
    int lightCount_ = -1;
    std::array<int, 3> colourSources_{-1, -1, -1};
    std::array<float, 2> targetSize_{-1.0f, -1.0f};
    std::array<float, 16> worldViewProjection_{};
    std::array<float, 9> normalMatrix_{};
    std::array<float, 4> materialDiffuse_{-1.0f};
    std::array<float, 4> materialAmbient_{-1.0f};
    std::array<float, 4> materialEmissive_{-1.0f};
    std::array<float, 3> ambient_{-1.0f};
    std::array<float, 3 * kMaxShaderLights> towardsLight_{};
    std::array<float, 3 * kMaxShaderLights> lightDiffuse_{};
    std::array<float, 4> textColour_{-1.0f};
};

} // namespace compat::d3d9::opengl
