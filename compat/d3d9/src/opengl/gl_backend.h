// The OpenGL backend of a device: a 3.3 core context on the device's window,
// the back buffer (the window itself, or an off-screen framebuffer stretched
// into it), the one shader program, and the drawing of the device's calls
// with Direct3D 9's fixed-function rules. The vertex and index buffers
// (gl_buffer.h) and fonts (gl_font.h) of the device draw through it.
#pragma once

#include "backend.h"
#include "opengl/back_buffer.h"
#include "opengl/fixed_function.h"
#include "opengl/gl_context.h"
#include "opengl/gl_state.h"
#include "opengl/gl_statistics.h"
#include "opengl/shader_program.h"

#include <memory>
#include <span>

namespace compat::d3d9::opengl
{

class GlBuffer;

class GlBackend final : public DeviceBackend
{
public:
    // Null with a one-line `whyNot` when OpenGL cannot draw in the window.
    static std::unique_ptr<GlBackend> Create(const DeviceCreation& creation, std::string& whyNot);
    ~GlBackend() override;

    HRESULT Reset(const D3DPRESENT_PARAMETERS& presentParameters) override;
    void Clear(std::span<const D3DRECT> rects, DWORD flags, D3DCOLOR colour, float z, DWORD stencil,
               const DeviceState& state) override;
    void Draw(const DrawCall& draw, const DeviceState& state) override;
    HRESULT Present(const RECT* source, const RECT* dest, HWND window,
                    const DeviceState& state) override;
    std::unique_ptr<BackendBuffer> CreateBuffer(const BufferStorage& storage) override;
    void UpdateBuffer(BufferStorage& storage, UINT offset, UINT size) override;
    std::unique_ptr<FontBackend> CreateFont(const FontDesc& desc, std::string& whyNot) override;
    HRESULT ReadPresentedImage(Image& image) override;
    void WaitForGpu() override;

    // For the buffers and fonts of the device. MakeCurrent is false once the
    // window is gone; nothing may touch OpenGL then.
    bool MakeCurrent() { return context_->MakeCurrent(); }
    const GlFunctions& Gl() const { return context_->Gl(); }
    GlState& State() { return state_; }
    void CountUpload() { ++statistics_.uploads; }
    GlStatistics Statistics() const;

    // Draws `vertexCount` vertices of glyph quads (x, y in back-buffer
    // pixels, u, v in the atlas) from `first` in the font's vertex array, in
    // `colour`, with the font's own state: solid, unlit, blended, no depth
    // test or culling.
    void DrawGlyphs(GLuint vertexArray, GLuint atlas, GLint first, GLsizei vertexCount,
                    D3DCOLOR colour);

private:
    GlBackend(std::unique_ptr<GlContext> context, const D3DPRESENT_PARAMETERS& presentParameters);
    bool Init(std::string& whyNot);
    // Makes the context current and starts the frame when none is started:
    // false when nothing can be drawn (the window is gone).
    bool BeginDrawing();
    void ApplyRenderStates(const DeviceState& state);

    std::unique_ptr<GlContext> context_;
    GlState state_;
    std::unique_ptr<ShaderProgram> program_;
    std::unique_ptr<BackBuffer> backBuffer_;
    D3DPRESENT_PARAMETERS presentParameters_;
    // Whether OpenGL clips and lays out window coordinates as Direct3D does
    // (glClipControl): depth 0..1, window y down from the top.
    bool clipControl_ = false;
    bool frameStarted_ = false;
    GlStatistics statistics_;
    // The fixed-function values of the last draw of untransformed vertices,
    // and the state groups changed since they were worked out (gathered from
    // each draw's dirty bits, since a draw of pretransformed vertices in
    // between does not work them out).
    FixedFunction fixedFunction_;
    uint32_t fixedFunctionStale_ = kDirtyAll;
};

} // namespace compat::d3d9::opengl
