// The OpenGL state the backend sets, kept on the CPU side so that each GL
// call is made only when its value changes. Every call it makes counts as
// one state change, which the statistics report.
#pragma once

#include "opengl/gl_functions.h"

#include <cstdint>

namespace compat::d3d9::opengl
{

// The fixed-function state of a draw: what the device's render states (or
// the font's own sprite state) ask of depth, culling, fill and blending.
struct RasterState
{
    bool depthTest = false;
    bool depthWrite = true;
    GLenum depthFunc = GL_LESS;
    bool cull = false;
    GLenum frontFace = GL_CCW; // with cull, the back faces are culled
    GLenum polygonMode = GL_FILL;
    bool blend = false;
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    uint8_t colourMask = 0xf; // bit 0 red .. bit 3 alpha
};

class GlState
{
public:
    // Starts from OpenGL's defaults, which is what a new context has.
    explicit GlState(const GlFunctions& gl) : gl_(gl) {}

    void Apply(const RasterState& wanted);
    const RasterState& Raster() const { return raster_; }
    void UseProgram(GLuint program);
    void BindVertexArray(GLuint array);
    void BindTexture(GLuint texture);
    // The minifying and magnifying filter of the bound texture.
    void TextureFilter(GLenum filter);
    void BindFramebuffer(GLenum target, GLuint framebuffer);
    void Viewport(int width, int height);
    // A scissor of zero size disables the test.
    void Scissor(int x, int y, int width, int height);

    // One more state change made outside this cache (a uniform).
    void Count() { ++changes_; }
    std::uint64_t Changes() const { return changes_; }

private:
    void Toggle(GLenum capability, bool& current, bool wanted);

    const GlFunctions& gl_;
    RasterState raster_;
    GLuint program_ = 0;
    GLuint vertexArray_ = 0;
    GLuint texture_ = 0;
    GLuint filteredTexture_ = 0; // the texture whose filter was set last, and to what
    GLenum filter_ = 0;
    GLuint drawFramebuffer_ = 0;
    GLuint readFramebuffer_ = 0;
    int viewportWidth_ = -1;
    int viewportHeight_ = -1;
    bool scissor_ = false;
    int scissorBox_[4] = {0, 0, 0, 0};
    std::uint64_t changes_ = 0;
};

} // namespace compat::d3d9::opengl
