#include "opengl/gl_backend.h"

#include "device.h"
#include "errors.h"
#include "fvf.h"
#include "opengl/gl_buffer.h"
#include "opengl/gl_font.h"
#include "opengl/raster_state.h"
#include "opengl/shader_source.h"
#include "settings.h"

#include <algorithm>

namespace compat::d3d9::opengl
{
namespace
{

int SwapInterval(UINT presentationInterval)
{
    switch (presentationInterval)
    {
    case D3DPRESENT_INTERVAL_IMMEDIATE:
        return 0;
    case D3DPRESENT_INTERVAL_TWO:
        return 2;
    case D3DPRESENT_INTERVAL_THREE:
        return 3;
    case D3DPRESENT_INTERVAL_FOUR:
        return 4;
    default: // DEFAULT and ONE: every vertical blank
        return 1;
    }
}

GLenum PrimitiveMode(D3DPRIMITIVETYPE type)
{
    switch (type)
    {
    case D3DPT_POINTLIST:
        return GL_POINTS;
    case D3DPT_LINELIST:
        return GL_LINES;
    case D3DPT_LINESTRIP:
        return GL_LINE_STRIP;
    case D3DPT_TRIANGLESTRIP:
        return GL_TRIANGLE_STRIP;
    case D3DPT_TRIANGLEFAN:
        return GL_TRIANGLE_FAN;
    default:
        return GL_TRIANGLES;
    }
}

GlBuffer* GpuCopyOf(const std::shared_ptr<const BufferStorage>& storage)
{
    return storage == nullptr ? nullptr : dynamic_cast<GlBuffer*>(storage->backend.get());
}

} // namespace

std::unique_ptr<GlBackend> GlBackend::Create(const DeviceCreation& creation, std::string& whyNot)
{
    const D3DPRESENT_PARAMETERS& pp = creation.presentParameters;
    const HWND window = pp.hDeviceWindow != nullptr ? pp.hDeviceWindow : creation.focusWindow;
    std::unique_ptr<GlContext> context = GlContext::Create(window, whyNot);
    if (context == nullptr)
        return nullptr;
    std::unique_ptr<GlBackend> backend(new GlBackend(std::move(context), pp));
    if (!backend->Init(whyNot))
        return nullptr;
    return backend;
}

GlBackend::GlBackend(std::unique_ptr<GlContext> context,
                     const D3DPRESENT_PARAMETERS& presentParameters)
    : context_(std::move(context)), state_(context_->Gl()), presentParameters_(presentParameters)
{
}

bool GlBackend::Init(std::string& whyNot)
{
    const GlFunctions& gl = Gl();
    // Direct3D's depth runs 0..1 in clip space; OpenGL's -1..1 unless told.
    // Direct3D's window y runs down from the top, and only then does OpenGL
    // decide a pixel centre on an edge as Direct3D does (see shader_source.h).
    clipControl_ = gl.ClipControl != nullptr;
    if (clipControl_)
        gl.ClipControl(GL_UPPER_LEFT, GL_ZERO_TO_ONE);
    program_ = ShaderProgram::Create(gl, state_, clipControl_, whyNot);
    if (program_ == nullptr)
        return false;
    // What a vertex without a colour or normal reads: opaque white, as the
    // fixed function's default diffuse, and a zero normal.
    gl.VertexAttrib4f(kColourAttribute, 1.0f, 1.0f, 1.0f, 1.0f);
    gl.VertexAttrib4f(kNormalAttribute, 0.0f, 0.0f, 0.0f, 0.0f);
    gl.VertexAttrib4f(kTexCoordAttribute, 0.0f, 0.0f, 0.0f, 1.0f);
    // Flat shading takes the first vertex's colour in Direct3D (OpenGL ES
    // always takes the last's).
    if (gl.ProvokingVertex != nullptr)
        gl.ProvokingVertex(GL_FIRST_VERTEX_CONVENTION);
    gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gl.ActiveTexture(GL_TEXTURE0);
    backBuffer_ = std::make_unique<BackBuffer>(*context_, state_, CurrentSettings().keepBackBuffer);
    backBuffer_->Configure(presentParameters_);
    context_->SetSwapInterval(SwapInterval(presentParameters_.PresentationInterval));
    return true;
}

GlBackend::~GlBackend()
{
    if (!context_->MakeCurrent())
        program_->Abandon();
}

GlStatistics GlBackend::Statistics() const
{
    GlStatistics out = statistics_;
    out.stateChanges = state_.Changes();
    out.openGlEs = Gl().es;
    return out;
}

HRESULT GlBackend::Reset(const D3DPRESENT_PARAMETERS& presentParameters)
{
    if (!context_->MakeCurrent())
        return Fail(D3DERR_DEVICELOST, "Reset: the device's window no longer exists");
    presentParameters_ = presentParameters;
    backBuffer_->Configure(presentParameters_);
    context_->SetSwapInterval(SwapInterval(presentParameters_.PresentationInterval));
    frameStarted_ = false;
    return D3D_OK;
}

bool GlBackend::BeginDrawing()
{
    if (!context_->MakeCurrent())
        return false;
    if (frameStarted_)
        return true;
    if (!backBuffer_->BeginFrame())
    {
        Fail(D3DERR_OUTOFVIDEOMEMORY, "the off-screen back buffer of %dx%d cannot be made",
             backBuffer_->Width(), backBuffer_->Height());
        return false;
    }
    frameStarted_ = true;
    return true;
}

void GlBackend::Clear(std::span<const D3DRECT> rects, DWORD flags, D3DCOLOR colour, float z,
                      DWORD stencil, const DeviceState&)
{
    if (!BeginDrawing())
        return;
    const GlFunctions& gl = Gl();
    GLbitfield mask = 0;
    if ((flags & D3DCLEAR_TARGET) != 0)
    {
        const auto c = ColourToFloats(colour);
        gl.ClearColor(c[0], c[1], c[2], c[3]);
        mask |= GL_COLOR_BUFFER_BIT;
    }
    if ((flags & D3DCLEAR_ZBUFFER) != 0)
    {
        gl.ClearDepthf(z);
        mask |= GL_DEPTH_BUFFER_BIT;
    }
    if ((flags & D3DCLEAR_STENCIL) != 0)
    {
        gl.ClearStencil(static_cast<GLint>(stencil & 0xff));
        mask |= GL_STENCIL_BUFFER_BIT;
    }
    // Clear writes every channel and the depth whatever the render states
    // say.
    RasterState writeAll = state_.Raster();
    writeAll.colourMask = 0xf;
    writeAll.depthWrite = true;
    state_.Apply(writeAll);

    const int width = backBuffer_->Width();
    const int height = backBuffer_->Height();
    if (rects.empty())
    {
        state_.Scissor(0, 0, 0, 0);
        gl.Clear(mask);
        return;
    }
    for (const D3DRECT& r : rects)
    {
        // Direct3D's rectangles run down from the top; OpenGL's scissor up
        // from the bottom.
        const int x1 = std::clamp<int>(r.x1, 0, width);
        const int x2 = std::clamp<int>(r.x2, 0, width);
        const int y1 = std::clamp<int>(r.y1, 0, height);
        const int y2 = std::clamp<int>(r.y2, 0, height);
        if (x2 <= x1 || y2 <= y1)
            continue;
        int x = x1;
        int y = height - y2;
        int w = x2 - x1;
        int h = y2 - y1;
        backBuffer_->ToTarget(x, y, w, h);
        if (w <= 0 || h <= 0)
            continue;
        state_.Scissor(x, y, w, h);
        gl.Clear(mask);
    }
}

void GlBackend::Draw(const DrawCall& draw, const DeviceState& state)
{
    fixedFunctionStale_ |= state.dirty;
    if (!BeginDrawing())
        return;
    GlBuffer* vertices = GpuCopyOf(state.streams[0].storage);
    GlBuffer* indices = draw.indexed ? GpuCopyOf(state.indices.storage) : nullptr;
    if (vertices == nullptr || (draw.indexed && indices == nullptr))
        return; // made while the window was gone: there is nothing to draw from

    const VertexLayout layout = LayoutOf(state.fvf);
    RasterState raster = RasterStateOf(state, clipControl_);
    if (raster.polygonMode != GL_FILL && Gl().PolygonMode == nullptr)
    {
        Fail(D3D_OK, "Draw: wireframe is not drawn on OpenGL ES; the triangles are filled");
        raster.polygonMode = GL_FILL;
    }
    const bool flat = state.RenderState(D3DRS_SHADEMODE) == D3DSHADE_FLAT;
    ProgramKey key;
    if (layout.transformed)
    {
        key.mode = kModePretransformed;
        key.flatShading = flat;
    }
    else
    {
        UpdateFixedFunction(state, layout, fixedFunctionStale_, fixedFunction_);
        fixedFunctionStale_ = 0;
        key = ShaderProgram::TransformedKey(fixedFunction_, flat);
    }
    std::string whyNot;
    if (!program_->Use(key, whyNot))
    {
        Fail(D3DERR_DRIVERINTERNALERROR, "Draw: nothing drawn: %s", whyNot.c_str());
        return;
    }
    state_.Apply(raster);
    state_.Scissor(0, 0, 0, 0);
    program_->SetTargetSize(backBuffer_->Width(), backBuffer_->Height());
    if (!layout.transformed)
    {
        program_->SetFixedFunction(fixedFunction_);
        if (fixedFunction_.lighting && fixedFunction_.skippedLights > 0)
            Fail(D3D_OK,
                 "Draw: only directional lights are drawn, at most %d; %d enabled lights are "
                 "left out",
                 kMaxShaderLights, fixedFunction_.skippedLights);
    }
    const StreamBinding& stream = state.streams[0];
    // Without a base-vertex draw (OpenGL ES), the vertices are bound that
    // many vertices further on instead.
    const bool shiftVertices =
        draw.indexed && draw.baseVertex != 0 && Gl().DrawElementsBaseVertex == nullptr;
    const long long shift =
        shiftVertices ? static_cast<long long>(draw.baseVertex) * stream.stride : 0;
    if (static_cast<long long>(stream.offset) + shift < 0)
    {
        Fail(D3DERR_INVALIDCALL,
             "DrawIndexedPrimitive: a base vertex index of %d before the stream's start is not "
             "drawn on OpenGL ES",
             draw.baseVertex);
        return;
    }
    vertices->BindVertices(state.fvf, stream.stride,
                           static_cast<UINT>(static_cast<long long>(stream.offset) + shift),
                           indices);

    const GLenum mode = PrimitiveMode(draw.primitiveType);
    const auto count = static_cast<GLsizei>(draw.elementCount);
    if (draw.indexed)
    {
        const UINT indexSize = state.indices.storage->IndexSize();
        const GLenum type = indexSize == 4 ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT;
        const void* first =
            reinterpret_cast<const void*>(static_cast<uintptr_t>(draw.startIndex) * indexSize);
        if (shiftVertices || Gl().DrawElementsBaseVertex == nullptr)
            Gl().DrawElements(mode, count, type, first);
        else
            Gl().DrawElementsBaseVertex(mode, count, type, first, draw.baseVertex);
    }
    else
        Gl().DrawArrays(mode, static_cast<GLint>(draw.startVertex), count);
    ++statistics_.drawCalls;
}

void GlBackend::DrawGlyphs(GLuint vertexArray, GLuint atlas, GLint first, GLsizei vertexCount,
                           D3DCOLOR colour)
{
    if (!BeginDrawing())
        return;
    ProgramKey key;
    key.mode = kModeText;
    std::string whyNot;
    if (!program_->Use(key, whyNot))
        return; // built when the device was made: cannot fail
    state_.Apply(SpriteRasterState());
    state_.Scissor(0, 0, 0, 0);
    program_->SetTargetSize(backBuffer_->Width(), backBuffer_->Height());
    program_->SetTextColour(colour);
    state_.BindTexture(atlas);
    // Scaled into its window, the text is sampled between the atlas's
    // pixels, as a stretch of the back buffer would blend them.
    state_.TextureFilter(backBuffer_->Scaled() ? GL_LINEAR : GL_NEAREST);
    state_.BindVertexArray(vertexArray);
    Gl().DrawArrays(GL_TRIANGLES, first, vertexCount);
    ++statistics_.drawCalls;
}

HRESULT GlBackend::Present(const RECT* source, const RECT* dest, HWND window, const DeviceState&)
{
    // The program presents once more after its window is destroyed; that
    // frame has nowhere to go. An error, but an expected one: kept as the
    // last error, not written out.
    if (!context_->WindowExists())
        return Fault(D3DERR_INVALIDCALL,
                     "Present: the device's window no longer exists; nothing was presented");
    if (window != context_->Window())
        return Fail(D3DERR_INVALIDCALL,
                    "Present: the OpenGL backend presents only into the device's window, not "
                    "into another (hDestWindowOverride)");
    if (source != nullptr || dest != nullptr)
        return Fail(D3DERR_INVALIDCALL,
                    "Present: source and destination rectangles are not supported by the "
                    "OpenGL backend");
    if (!BeginDrawing())
        return D3DERR_INVALIDCALL; // BeginDrawing has said why
    backBuffer_->Present();
    ++(backBuffer_->Direct() ? statistics_.directFrames : statistics_.stretchedFrames);
    frameStarted_ = false;
    return D3D_OK;
}

std::unique_ptr<BackendBuffer> GlBackend::CreateBuffer(const BufferStorage& storage)
{
    if (!context_->MakeCurrent())
        return nullptr;
    return std::make_unique<GlBuffer>(*this, storage);
}

void GlBackend::UpdateBuffer(BufferStorage& storage, UINT offset, UINT size)
{
    if (auto* buffer = dynamic_cast<GlBuffer*>(storage.backend.get()))
        buffer->Upload(storage, offset, size);
}

std::unique_ptr<FontBackend> GlBackend::CreateFont(const FontDesc& desc, std::string& whyNot)
{
    return MakeGlFont(*this, desc, whyNot);
}

HRESULT GlBackend::ReadPresentedImage(Image& image)
{
    if (!context_->MakeCurrent())
        return Fail(D3DERR_DEVICELOST, "ReadPresentedImage: the device's window no longer exists");
    backBuffer_->Read(image);
    return D3D_OK;
}

void GlBackend::WaitForGpu()
{
    if (context_->MakeCurrent())
        Gl().Finish();
}

bool StatisticsOf(IDirect3DDevice9* device, GlStatistics& out)
{
    auto* ours = dynamic_cast<Device*>(device);
    if (ours == nullptr)
        return false;
    const auto* backend = dynamic_cast<const GlBackend*>(&ours->Backend());
    if (backend == nullptr)
        return false;
    out = backend->Statistics();
    return true;
}

} // namespace compat::d3d9::opengl
