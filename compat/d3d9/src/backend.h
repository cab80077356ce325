// The interface between the Direct3D 9 front and the backends that do the
// work.
//
// The front (Direct3D9, Device, VertexBuffer/IndexBuffer, Font) is the COM
// surface the program sees. It checks every argument, keeps all device state
// in a DeviceState (transforms, lights, material, render and sampler states,
// FVF, stream sources, indices) and buffer bytes in CPU memory, and owns the
// reference counts. A backend never sees a bad call: it is handed only work
// that the front has accepted, with the state to do it with.
//
// One DeviceBackend is made per device, by MakeDeviceBackend, for the backend
// chosen with compat::d3d9::SetBackend when the device is created; it lives
// exactly as long as the device. The buffers and fonts of a device always die
// before it (they hold a reference to it), so whatever a backend attaches to
// them may rely on the backend (and its GL context) still existing.
//
// - Recording (recording_backend.cpp) draws nothing and keeps every call in
//   the process-wide list of compat::d3d9::RecordedCalls().
// - OpenGL plugs in by implementing DeviceBackend and FontBackend: Reset
//   resizes the back buffer, Clear/Draw/Present draw from the DeviceState
//   (clearing `dirty` bits it has applied is the front's job after each Draw),
//   CreateBuffer/UpdateBuffer keep a GPU copy of each buffer's bytes (updated
//   at every Unlock), CreateFont rasterises text, and ReadPresentedImage reads
//   the last presented frame back. MakeDeviceBackend is the one place that
//   chooses among backends.
//
// Every call made on the device is also offered to Record() when Records()
// is true, after the front has done it, with its result; a drawing backend
// leaves both at their defaults. While call times are measured with waiting
// (compat::timing::Measure), each timed call ends with WaitForGpu.
#pragma once

#include "buffer_storage.h"
#include "device_state.h"

#include <compat/call_timing.h>
#include <compat/d3d9.h>

#include <memory>
#include <span>
#include <string>

namespace compat::d3d9
{

struct DrawCall
{
    D3DPRIMITIVETYPE primitiveType = D3DPT_TRIANGLELIST;
    bool indexed = false;
    // Non-indexed: vertices startVertex .. startVertex + vertexCount - 1.
    UINT startVertex = 0;
    // Indexed: indexCount indices from startIndex, each added to baseVertex;
    // they reference vertices baseVertex + minIndex .. + numVertices - 1.
    INT baseVertex = 0;
    UINT minIndex = 0;
    UINT numVertices = 0;
    UINT startIndex = 0;
    UINT primitiveCount = 0;
    // Vertices (non-indexed) or indices (indexed) the primitives take.
    UINT elementCount = 0;
};

struct FontDesc
{
    INT height = 0;
    UINT width = 0;
    UINT weight = 0;
    UINT mipLevels = 0;
    BOOL italic = FALSE;
    DWORD charSet = 0;
    DWORD outputPrecision = 0;
    DWORD quality = 0;
    DWORD pitchAndFamily = 0;
    std::string faceName; // UTF-8
};

class FontBackend
{
public:
    virtual ~FontBackend() = default;
    // Draws (or, with DT_CALCRECT, measures) text in rect and returns the
    // height of the text. The front has checked the arguments.
    virtual INT DrawText(std::string_view text, RECT& rect, DWORD format, D3DCOLOR colour,
                         const DeviceState& state) = 0;
};

struct DeviceCreation
{
    UINT adapter = 0;
    D3DDEVTYPE type = D3DDEVTYPE_HAL;
    HWND focusWindow = nullptr;
    DWORD behaviorFlags = 0;
    D3DPRESENT_PARAMETERS presentParameters{};
};

class DeviceBackend : public timing::GpuQueue
{
public:
    virtual ~DeviceBackend() = default;

    virtual bool Records() const { return false; }
    virtual void Record(const RecordedCall&) {}

    // New presentation parameters (already checked); on failure the device
    // keeps its old ones.
    virtual HRESULT Reset(const D3DPRESENT_PARAMETERS& presentParameters) = 0;
    // An empty `rects` clears the whole target.
    virtual void Clear(std::span<const D3DRECT> rects, DWORD flags, D3DCOLOR colour, float z,
                       DWORD stencil, const DeviceState& state) = 0;
    virtual void BeginScene(const DeviceState&) {}
    virtual void EndScene(const DeviceState&) {}
    virtual void Draw(const DrawCall& draw, const DeviceState& state) = 0;
    // `window` is the override window, or the device window when none.
    virtual HRESULT Present(const RECT* source, const RECT* dest, HWND window,
                            const DeviceState& state) = 0;

    virtual std::unique_ptr<BackendBuffer> CreateBuffer(const BufferStorage&) { return nullptr; }
    // The bytes offset .. offset + size - 1 changed (at Unlock).
    virtual void UpdateBuffer(BufferStorage&, UINT /*offset*/, UINT /*size*/) {}

    // Null with `whyNot` set when the font cannot be made.
    virtual std::unique_ptr<FontBackend> CreateFont(const FontDesc& desc, std::string& whyNot) = 0;

    virtual HRESULT ReadPresentedImage(Image& image) = 0;

    // Returns once the work handed over so far is done, for timing it (see
    // compat::timing::Measure); a backend that draws nothing has nothing to
    // wait for.
    void WaitForGpu() override {}
};

// The backend of a new device, or null with `whyNot` set when that backend
// cannot run here.
std::unique_ptr<DeviceBackend> MakeDeviceBackend(Backend backend, const DeviceCreation& creation,
                                                 std::string& whyNot);

} // namespace compat::d3d9
