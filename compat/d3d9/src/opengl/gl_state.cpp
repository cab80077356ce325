#include "opengl/gl_state.h"

namespace compat::d3d9::opengl
{

void GlState::Toggle(GLenum capability, bool& current, bool wanted)
{
    if (current == wanted)
        return;
    if (wanted)
        gl_.Enable(capability);
    else
        gl_.Disable(capability);
    current = wanted;
    ++changes_;
}

void GlState::Apply(const RasterState& wanted)
{
    RasterState& now = raster_;
    Toggle(GL_DEPTH_TEST, now.depthTest, wanted.depthTest);
    if (now.depthWrite != wanted.depthWrite)
    {
        gl_.DepthMask(wanted.depthWrite ? GL_TRUE : GL_FALSE);
        now.depthWrite = wanted.depthWrite;
        ++changes_;
    }
    if (wanted.depthTest && now.depthFunc != wanted.depthFunc)
    {
        gl_.DepthFunc(wanted.depthFunc);
        now.depthFunc = wanted.depthFunc;
        ++changes_;
    }
    Toggle(GL_CULL_FACE, now.cull, wanted.cull);
    if (wanted.cull && now.frontFace != wanted.frontFace)
    {
        gl_.FrontFace(wanted.frontFace);
        now.frontFace = wanted.frontFace;
        ++changes_;
    }
    if (now.polygonMode != wanted.polygonMode && gl_.PolygonMode != nullptr)
    {
        gl_.PolygonMode(GL_FRONT_AND_BACK, wanted.polygonMode);
        now.polygonMode = wanted.polygonMode;
        ++changes_;
    }
    Toggle(GL_BLEND, now.blend, wanted.blend);
    if (wanted.blend &&
        (now.blendSource != wanted.blendSource || now.blendDestination != wanted.blendDestination))
    {
        gl_.BlendFunc(wanted.blendSource, wanted.blendDestination);
        now.blendSource = wanted.blendSource;
        now.blendDestination = wanted.blendDestination;
        ++changes_;
    }
    if (now.colourMask != wanted.colourMask)
    {
        const uint8_t m = wanted.colourMask;
        gl_.ColorMask((m & 1) != 0, (m & 2) != 0, (m & 4) != 0, (m & 8) != 0);
        now.colourMask = m;
        ++changes_;
    }
}

void GlState::UseProgram(GLuint program)
{
    if (program_ == program)
        return;
    gl_.UseProgram(program);
    program_ = program;
    ++changes_;
}

void GlState::BindVertexArray(GLuint array)
{
    if (vertexArray_ == array)
        return;
    gl_.BindVertexArray(array);
    vertexArray_ = array;
    ++changes_;
}

void GlState::BindTexture(GLuint texture)
{
    if (texture_ == texture)
        return;
    gl_.BindTexture(GL_TEXTURE_2D, texture);
    texture_ = texture;
    ++changes_;
}

void GlState::TextureFilter(GLenum filter)
{
    if (filteredTexture_ == texture_ && filter_ == filter)
        return;
    gl_.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, static_cast<GLint>(filter));
    gl_.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, static_cast<GLint>(filter));
    filteredTexture_ = texture_;
    filter_ = filter;
    ++changes_;
}

void GlState::BindFramebuffer(GLenum target, GLuint framebuffer)
{
    const bool draw = target == GL_FRAMEBUFFER || target == GL_DRAW_FRAMEBUFFER;
    const bool read = target == GL_FRAMEBUFFER || target == GL_READ_FRAMEBUFFER;
    if ((!draw || drawFramebuffer_ == framebuffer) && (!read || readFramebuffer_ == framebuffer))
        return;
    gl_.BindFramebuffer(target, framebuffer);
    if (draw)
        drawFramebuffer_ = framebuffer;
    if (read)
        readFramebuffer_ = framebuffer;
    ++changes_;
}

void GlState::Viewport(int width, int height)
{
    if (viewportWidth_ == width && viewportHeight_ == height)
        return;
    gl_.Viewport(0, 0, width, height);
    viewportWidth_ = width;
    viewportHeight_ = height;
    ++changes_;
}

void GlState::Scissor(int x, int y, int width, int height)
{
    const bool wanted = width > 0 && height > 0;
    Toggle(GL_SCISSOR_TEST, scissor_, wanted);
    if (!wanted)
        return;
    const int box[4] = {x, y, width, height};
    if (box[0] == scissorBox_[0] && box[1] == scissorBox_[1] && box[2] == scissorBox_[2] &&
        box[3] == scissorBox_[3])
        return;
    gl_.Scissor(x, y, width, height);
    for (int i = 0; i < 4; ++i)
        scissorBox_[i] = box[i];
    ++changes_;
}

} // namespace compat::d3d9::opengl
