// The backend's shader programs (shader_source.h), one per kind of vertex
// and fixed-function choice met (ProgramKey), compiled and linked when a draw
// first needs them, and their uniforms. Each program keeps the values it last
// gave OpenGL, and a setter calls OpenGL only when the value changes.
#pragma once

#include "opengl/fixed_function.h"
#include "opengl/gl_state.h"
#include "opengl/shader_source.h"

#include <array>
#include <memory>
#include <string>
#include <unordered_map>

namespace compat::d3d9::opengl
{

class ShaderProgram
{
public:
    // `clipControl`: whether OpenGL clips depth to 0..1 and counts window y
    // down from the top (glClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE));
    // without, the vertex shader maps z from 0..w to -w..w itself. Builds
    // the programs of the three kinds of vertex with their default choices;
    // null with a one-line `whyNot` (the compiler's first complaint) when one
    // does not build.
    static std::unique_ptr<ShaderProgram> Create(const GlFunctions& gl, GlState& state,
                                                 bool clipControl, std::string& whyNot);
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    // Forgets the programs without deleting them, for when the context can
    // no longer be made current (deleting the context deletes them).
    void Abandon();

    // Puts the program for `key` in use, building it the first time; the
    // setters below set its uniforms. False with a one-line `whyNot` when it
    // does not build (no program is in use then).
    bool Use(const ProgramKey& key, std::string& whyNot);
    // The key of transformed vertices drawn with `values`.
    static ProgramKey TransformedKey(const FixedFunction& values, bool flatShading);

    void SetTargetSize(int width, int height);
    void SetFixedFunction(const FixedFunction& values);
    void SetTextColour(D3DCOLOR colour);

private:
    struct Locations
    {
        GLint worldViewProjection, normalMatrix, targetSize, materialDiffuse, materialAmbient,
            materialEmissive, ambient, towardsLight, lightDiffuse, textColour, atlas;
    };

    // One program and the values OpenGL has for its uniforms. OpenGL starts
    // every uniform at zero; the -1s are values that no call sets, so the
    // first call always goes through.
    struct Program
    {
        ProgramKey key;
        GLuint id = 0;
        Locations at{};
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

    ShaderProgram(const GlFunctions& gl, GlState& state, bool clipControl)
        : gl_(gl), state_(state), clipControl_(clipControl)
    {
    }
    Program* Build(const ProgramKey& key, std::string& whyNot);
    void FindLocations(Program& program);
    template <std::size_t N>
    void SetFloats(GLint location, std::array<float, N>& kept, const std::array<float, N>& value,
                   int kind);

    const GlFunctions& gl_;
    GlState& state_;
    const bool clipControl_;
    // Every program built so far, by what it was built for.
    std::unordered_map<ProgramKey, std::unique_ptr<Program>, ProgramKeyHash> programs_;
    Program* current_ = nullptr;
};

} // namespace compat::d3d9::opengl
