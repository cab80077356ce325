// The backend's shader programs (shader_source.h), one per kind of vertex,
// compiled and linked once when the device is made, and their uniforms. Each
// program keeps the values it last gave OpenGL, and a setter calls OpenGL
// only when the value changes.
#pragma once

#include "opengl/fixed_function.h"
#include "opengl/gl_state.h"
#include "opengl/shader_source.h"

#include <array>
#include <memory>
#include <string>

namespace compat::d3d9::opengl
{

class ShaderProgram
{
public:
    // Null with a one-line `whyNot` (the compiler's first complaint) when a
    // program does not build.
    static std::unique_ptr<ShaderProgram> Create(const GlFunctions& gl, GlState& state,
                                                 std::string& whyNot);
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    // Forgets the programs without deleting them, for when the context can
    // no longer be made current (deleting the context deletes them).
    void Abandon();

    // Puts the program for a kind of vertex (kModeTransformed, ...) in use;
    // the setters below set its uniforms.
    void Use(int mode);
    GLuint Id(int mode) const { return programs_[mode].id; }

    void SetTargetSize(int width, int height);
    void SetFlatShading(bool flat);
    void SetFixedFunction(const FixedFunction& values);
    void SetTextColour(D3DCOLOR colour);
    // For every program: whether OpenGL clips depth to 0..1 and counts window
    // y down from the top (glClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE)).
    // Without, the vertex shader maps z from 0..w to -w..w itself.
    void SetClipControl(bool on);

private:
    struct Locations
    {
        GLint worldViewProjection, normalMatrix, targetSize, clipControl, lighting,
            normalizeNormals, colourSources, materialDiffuse, materialAmbient, materialEmissive,
            ambient, lightCount, towardsLight, lightDiffuse, flatShading, textColour, atlas;
    };

    // One program and the values OpenGL has for its uniforms. OpenGL starts
    // every uniform at zero; the -1s are values that no call sets, so the
    // first call always goes through.
    struct Program
    {
        GLuint id = 0;
        Locations at{};
        int clipControl = -1;
        int flatShading = -1;
        int lighting = -1;
        int normalizeNormals = -1;
        int lightCount = -1;
        std::array<int, 3> colourSources{-1, -1, -1};
        std::array<float, 2> targetSize{-1.0f, -1.0f};
        std::array<float, 16> worldViewProjection{};
        std::array<float, 9> normalMatrix{};
        std::array<float, 4> materialDiffuse{-1.0f};
        std::array<float, 4> materialAmbient{-1.0f};
        std::array<float, 4> materialEmissive{-1.0f};
        std::array<float, 3> ambient{-1.0f};
        std::array<float, 3 * kMaxShaderLights> towardsLight{};
        std::array<float, 3 * kMaxShaderLights> lightDiffuse{};
        std::array<float, 4> textColour{-1.0f};
    };

    ShaderProgram(const GlFunctions& gl, GlState& state) : gl_(gl), state_(state) {}
    void FindLocations(Program& program);
    void SetInt(GLint location, int& kept, int value);
    template <std::size_t N>
    void SetFloats(GLint location, std::array<float, N>& kept, const std::array<float, N>& value,
                   int kind);

    const GlFunctions& gl_;
    GlState& state_;
    std::array<Program, kModeCount> programs_{};
    Program* current_ = &programs_[kModeTransformed];
};

} // namespace compat::d3d9::opengl
