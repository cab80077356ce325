#include "opengl/gl_buffer.h"

#include "fvf.h"
#include "opengl/gl_backend.h"
#include "opengl/shader_source.h"

namespace compat::d3d9::opengl
{
namespace
{

std::uint64_t NextSerial()
{
    static std::uint64_t next = 0;
    return ++next;
}

const void* At(UINT offset)
{
    return reinterpret_cast<const void*>(static_cast<uintptr_t>(offset));
}

} // namespace

GlBuffer::GlBuffer(GlBackend& backend, const BufferStorage& storage)
    : backend_(backend), serial_(NextSerial())
{
    const GlFunctions& gl = backend_.Gl();
    gl.GenBuffers(1, &buffer_);
    // WebGL fixes a buffer's kind at its first binding: an index buffer is
    // first bound as one (with no vertex array bound, whose indices that
    // binding would change). Otherwise COPY_WRITE_BUFFER, a binding no vertex
    // array holds, so that uploading never disturbs the one that is bound.
    GLenum target = GL_COPY_WRITE_BUFFER;
    if (storage.type == D3DRTYPE_INDEXBUFFER)
    {
        backend_.State().BindVertexArray(0);
        target = GL_ELEMENT_ARRAY_BUFFER;
    }
    gl.BindBuffer(target, buffer_);
    const GLenum usage = (storage.usage & D3DUSAGE_DYNAMIC) != 0 ? GL_DYNAMIC_DRAW : GL_STATIC_DRAW;
    gl.BufferData(target, storage.Size(), storage.bytes.data(), usage);
    if (storage.type == D3DRTYPE_VERTEXBUFFER)
        gl.GenVertexArrays(1, &vertexArray_);
}

GlBuffer::~GlBuffer()
{
    if (!backend_.MakeCurrent())
        return; // the context goes with the window, and takes the objects along
    const GlFunctions& gl = backend_.Gl();
    if (vertexArray_ != 0)
    {
        backend_.State().BindVertexArray(0);
        gl.DeleteVertexArrays(1, &vertexArray_);
    }
    gl.DeleteBuffers(1, &buffer_);
}

void GlBuffer::Upload(const BufferStorage& storage, UINT offset, UINT size)
{
    if (!backend_.MakeCurrent())
        return;
    const GlFunctions& gl = backend_.Gl();
    gl.BindBuffer(GL_COPY_WRITE_BUFFER, buffer_);
    gl.BufferSubData(GL_COPY_WRITE_BUFFER, offset, size, storage.bytes.data() + offset);
    backend_.CountUpload();
}

void GlBuffer::BindVertices(DWORD fvf, UINT stride, UINT offset, const GlBuffer* indices)
{
    backend_.State().BindVertexArray(vertexArray_);
    const Layout wanted{fvf, stride, offset, indices != nullptr ? indices->serial_ : 0};
    if (laidOut_ && wanted == layout_)
        return;
    SetUpVertexArray(wanted, indices);
    layout_ = wanted;
    laidOut_ = true;
}

void GlBuffer::SetUpVertexArray(const Layout& wanted, const GlBuffer* indices)
{
    const GlFunctions& gl = backend_.Gl();
    GlState& state = backend_.State();
    const VertexLayout layout = LayoutOf(wanted.fvf);
    gl.BindBuffer(GL_ARRAY_BUFFER, buffer_);
    auto attribute = [&](GLuint index, int element, GLint size, GLenum type, bool normalised)
    {
        if (element < 0)
            gl.DisableVertexAttribArray(index);
        else
        {
            gl.EnableVertexAttribArray(index);
            gl.VertexAttribPointer(index, size, type, normalised ? GL_TRUE : GL_FALSE,
                                   static_cast<GLsizei>(wanted.stride),
                                   At(wanted.offset + static_cast<UINT>(element)));
        }
        state.Count();
    };
    attribute(kPositionAttribute, layout.position, static_cast<GLint>(layout.positionFloats),
              GL_FLOAT, false);
    attribute(kNormalAttribute, layout.normal, 3, GL_FLOAT, false);
    // A D3DCOLOR is the bytes B, G, R, A in memory: OpenGL's BGRA size, or
    // on OpenGL ES, which has no such size, four bytes that the vertex
    // shader puts back in order.
    attribute(kColourAttribute, layout.diffuse, gl.es ? 4 : GL_BGRA, GL_UNSIGNED_BYTE, true);
    attribute(kTexCoordAttribute, layout.texCoordCount > 0 ? layout.texCoords : -1, 2, GL_FLOAT,
              false);
    gl.BindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices != nullptr ? indices->buffer_ : 0);
    state.Count();
}

} // namespace compat::d3d9::opengl
