#include "opengl/gl_font.h"

#include "errors.h"
#include "opengl/gl_backend.h"
#include "opengl/shader_source.h"
#include "text/text_layout.h"

#include <array>
#include <cstring>

namespace compat::d3d9::opengl
{
namespace
{

// Glyphs one DrawTextA draws at most; the rest of a longer text is left out.
constexpr std::size_t kMaxGlyphs = 2048;
// The vertex buffer holds this many texts of kMaxGlyphs before it starts
// over, so that a text never overwrites one that may still be drawing.
constexpr std::size_t kTextsPerBuffer = 4;
constexpr std::size_t kVerticesPerGlyph = 6;
constexpr std::size_t kFloatsPerVertex = 4; // x, y, u, v
constexpr GLsizei kVertexBytes = kFloatsPerVertex * sizeof(float);
constexpr std::size_t kBufferVertices = kMaxGlyphs * kVerticesPerGlyph * kTextsPerBuffer;

class GlFont final : public FontBackend
{
public:
    GlFont(GlBackend& backend, std::unique_ptr<text::GlyphAtlas> atlas);
    ~GlFont() override;
    GlFont(const GlFont&) = delete;
    GlFont& operator=(const GlFont&) = delete;

    INT DrawText(std::string_view text, RECT& rect, DWORD format, D3DCOLOR colour,
                 const DeviceState& state) override;

private:
    // Writes the quads' vertices into the vertex buffer after the texts
    // already there (or from its start when they do not leave room) and
    // returns the first vertex.
    GLint Upload(std::size_t quadCount);

    GlBackend& backend_;
    std::unique_ptr<text::GlyphAtlas> atlas_;
    GLuint texture_ = 0;
    GLuint buffer_ = 0;
    GLuint vertexArray_ = 0;
    std::size_t nextVertex_ = 0;
    std::array<text::GlyphQuad, kMaxGlyphs> quads_{};
    std::array<float, kMaxGlyphs * kVerticesPerGlyph * kFloatsPerVertex> vertices_{};
};

GlFont::GlFont(GlBackend& backend, std::unique_ptr<text::GlyphAtlas> atlas)
    : backend_(backend), atlas_(std::move(atlas))
{
    const GlFunctions& gl = backend_.Gl();
    GlState& state = backend_.State();

    gl.GenTextures(1, &texture_);
    state.BindTexture(texture_);
    // Glyphs sit on whole pixels at the atlas's own size: nearest sampling
    // reproduces the coverage exactly (a frame scaled into its window samples
    // it linearly, see GlBackend::DrawGlyphs).
    state.TextureFilter(GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    // Row 0 of the coverage is the atlas's top row and OpenGL's first row,
    // where v = 0: the texture coordinates of the layout need no flip.
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_R8, atlas_->Width(), atlas_->Height(), 0, GL_RED,
                  GL_UNSIGNED_BYTE, atlas_->Coverage().data());

    gl.GenBuffers(1, &buffer_);
    gl.BindBuffer(GL_ARRAY_BUFFER, buffer_);
    gl.BufferData(GL_ARRAY_BUFFER, kBufferVertices * kVertexBytes, nullptr, GL_STREAM_DRAW);
    gl.GenVertexArrays(1, &vertexArray_);
    state.BindVertexArray(vertexArray_);
    gl.EnableVertexAttribArray(kPositionAttribute);
    gl.VertexAttribPointer(kPositionAttribute, 2, GL_FLOAT, GL_FALSE, kVertexBytes, nullptr);
    gl.EnableVertexAttribArray(kTexCoordAttribute);
    gl.VertexAttribPointer(kTexCoordAttribute, 2, GL_FLOAT, GL_FALSE, kVertexBytes,
                           reinterpret_cast<const void*>(2 * sizeof(float)));
}

GlFont::~GlFont()
{
    if (!backend_.MakeCurrent())
        return; // the context goes with the window, and takes the objects along
    const GlFunctions& gl = backend_.Gl();
    backend_.State().BindVertexArray(0);
    backend_.State().BindTexture(0);
    gl.DeleteVertexArrays(1, &vertexArray_);
    gl.DeleteBuffers(1, &buffer_);
    gl.DeleteTextures(1, &texture_);
}

INT GlFont::DrawText(std::string_view text, RECT& rect, DWORD format, D3DCOLOR colour,
                     const DeviceState&)
{
    if ((format & DT_CALCRECT) != 0)
    {
        const text::TextExtent extent = text::MeasureText(*atlas_, text, format);
        rect.right = rect.left + extent.width;
        rect.bottom = rect.top + extent.height;
        return extent.height;
    }
    std::size_t quadCount = 0;
    const INT height = text::LayOutText(*atlas_, text, rect, format, quads_, quadCount);
    if (quadCount == kMaxGlyphs && text.size() > kMaxGlyphs)
        Fail(D3D_OK,
             "DrawTextA: a text of %zu characters has more glyphs than the %zu drawn "
             "at once; the rest are left out",
             text.size(), kMaxGlyphs);
    if (quadCount == 0 || !backend_.MakeCurrent())
        return height;
    const GLint first = Upload(quadCount);
    backend_.DrawGlyphs(vertexArray_, texture_, first,
                        static_cast<GLsizei>(quadCount * kVerticesPerGlyph), colour);
    return height;
}

GLint GlFont::Upload(std::size_t quadCount)
{
    float* v = vertices_.data();
    for (std::size_t i = 0; i < quadCount; ++i)
    {
        const text::GlyphQuad& q = quads_[i];
        const float corners[6][4] = {{q.x0, q.y0, q.u0, q.v0}, {q.x1, q.y0, q.u1, q.v0},
                                     {q.x0, q.y1, q.u0, q.v1}, {q.x1, q.y0, q.u1, q.v0},
                                     {q.x1, q.y1, q.u1, q.v1}, {q.x0, q.y1, q.u0, q.v1}};
        for (const auto& corner : corners)
            for (float value : corner)
                *v++ = value;
    }
    const std::size_t vertexCount = quadCount * kVerticesPerGlyph;
    const std::size_t bytes = vertexCount * kVertexBytes;
    const GlFunctions& gl = backend_.Gl();
    gl.BindBuffer(GL_ARRAY_BUFFER, buffer_);
    backend_.CountUpload();
    if (gl.MapBufferRange == nullptr)
    {
        // OpenGL ES as WebGL 2 has it: no mapped buffers. Writing into a
        // store that a draw of this frame reads would make ANGLE's Vulkan
        // renderer end the frame's render pass to copy the text in, and
        // store and load the whole back buffer again for the rest of the
        // frame. A store of the text's own size instead: the draws queued
        // before keep reading the old one.
        gl.BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), vertices_.data(),
                      GL_STREAM_DRAW);
        return 0;
    }
    // Writing where no draw of this frame reads lets the driver skip waiting
    // for earlier draws; starting over orphans the old storage instead.
    GLbitfield access = GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_RANGE_BIT | GL_MAP_UNSYNCHRONIZED_BIT;
    if (nextVertex_ + vertexCount > kBufferVertices)
    {
        nextVertex_ = 0;
        access = GL_MAP_WRITE_BIT | GL_MAP_INVALIDATE_BUFFER_BIT;
    }
    const auto offset = static_cast<GLintptr>(nextVertex_ * kVertexBytes);
    void* target = gl.MapBufferRange(GL_ARRAY_BUFFER, offset, bytes, access);
    if (target != nullptr)
    {
        std::memcpy(target, vertices_.data(), bytes);
        gl.UnmapBuffer(GL_ARRAY_BUFFER);
    }
    else
        gl.BufferSubData(GL_ARRAY_BUFFER, offset, static_cast<GLsizeiptr>(bytes), vertices_.data());
    const auto first = static_cast<GLint>(nextVertex_);
    nextVertex_ += vertexCount;
    return first;
}

} // namespace

std::unique_ptr<FontBackend> MakeGlFont(GlBackend& backend, const FontDesc& desc,
                                        std::string& whyNot)
{
    std::unique_ptr<text::GlyphAtlas> atlas = text::GlyphAtlas::Create(desc, whyNot);
    if (atlas == nullptr)
        return nullptr;
    if (!backend.MakeCurrent())
    {
        whyNot = "the device's window no longer exists";
        return nullptr;
    }
    return std::make_unique<GlFont>(backend, std::move(atlas));
}

} // namespace compat::d3d9::opengl
