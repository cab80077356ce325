// The GPU copy of a vertex or index buffer: one OpenGL buffer object made
// with the Direct3D buffer and refreshed at every Unlock. A vertex buffer
// also owns the vertex array object that draws from it, set up again only
// when the vertex format, stride, offset or index buffer it is drawn with
// changes.
#pragma once

#include "buffer_storage.h"
#include "opengl/gl_functions.h"

#include <d3d9types.h>

#include <cstdint>

namespace compat::d3d9::opengl
{

class GlBackend;

class GlBuffer final : public BackendBuffer
{
public:
    // Needs the backend's context to be current.
    GlBuffer(GlBackend& backend, const BufferStorage& storage);
    ~GlBuffer() override;
    GlBuffer(const GlBuffer&) = delete;
    GlBuffer& operator=(const GlBuffer&) = delete;

    void Upload(const BufferStorage& storage, UINT offset, UINT size);

    // Binds this vertex buffer's vertex array for drawing vertices of `fvf`
    // that start `offset` bytes in and are `stride` bytes apart, with
    // `indices` (null for none) as the index buffer.
    void BindVertices(DWORD fvf, UINT stride, UINT offset, const GlBuffer* indices);

private:
    struct Layout
    {
        DWORD fvf = 0;
        UINT stride = 0;
        UINT offset = 0;
        std::uint64_t indices = 0; // the index buffer's serial, 0 for none
        bool operator==(const Layout&) const = default;
    };

    void SetUpVertexArray(const Layout& layout, const GlBuffer* indices);

    GlBackend& backend_;
    GLuint buffer_ = 0;
    GLuint vertexArray_ = 0;
    // Unique for the process: OpenGL reuses the names of deleted buffers,
    // so a name cannot tell a new index buffer from a released one.
    std::uint64_t serial_;
    Layout layout_;
    bool laidOut_ = false;
};

} // namespace compat::d3d9::opengl
