// Everything the program has set on a device, as the front keeps it: the
// backends read it when they draw. `dirty` tells a backend which groups of
// the fixed-function inputs changed since the last draw it was handed (all
// of them after creation and Reset), so that it works out again only those.
#pragma once

#include "buffer_storage.h"

#include <d3d9.h>

#include <array>
#include <memory>
#include <vector>

namespace compat::d3d9
{

inline constexpr std::size_t kRenderStateCount = 256;
inline constexpr std::size_t kSamplerCount = 16;
inline constexpr std::size_t kSamplerStateCount = 14;
inline constexpr std::size_t kStreamCount = 16;
inline constexpr std::size_t kWorldMatrixCount = 256;
inline constexpr std::size_t kTextureMatrixCount = 8;
inline constexpr std::size_t kMaxEnabledLights = 8;

enum DirtyFlag : uint32_t
{
    kDirtyWorld = 1u << 0,          // a world matrix
    kDirtyViewProjection = 1u << 1, // the view or projection matrix
    kDirtyLights = 1u << 2,         // a light, or which lights are enabled
    kDirtyMaterial = 1u << 3,
    kDirtyRenderStates = 1u << 4, // a render state's value
    kDirtyFvf = 1u << 5,          // the vertex format's value
    kDirtyAll = 0xffffffffu,
};

struct LightSlot
{
    DWORD index = 0;
    D3DLIGHT9 light{};
    bool enabled = false;
};

struct StreamBinding
{
    std::shared_ptr<const BufferStorage> storage;
    const IDirect3DVertexBuffer9* buffer = nullptr;
    UINT offset = 0;
    UINT stride = 0;
};

struct IndexBinding
{
    std::shared_ptr<const BufferStorage> storage;
    const IDirect3DIndexBuffer9* buffer = nullptr;
};

struct DeviceState
{
    D3DPRESENT_PARAMETERS presentParameters{};

    D3DMATRIX view{};
    D3DMATRIX projection{};
    std::array<D3DMATRIX, kTextureMatrixCount> texture{};
    std::array<D3DMATRIX, kWorldMatrixCount> world{};

    D3DMATERIAL9 material{};
    // Every light ever set or enabled, in the order they were first named.
    std::vector<LightSlot> lights;

    std::array<DWORD, kRenderStateCount> renderStates{};
    std::array<std::array<DWORD, kSamplerStateCount>, kSamplerCount> samplerStates{};

    DWORD fvf = 0;
    std::array<StreamBinding, kStreamCount> streams{};
    IndexBinding indices;

    bool inScene = false;
    uint32_t dirty = kDirtyAll;

    const LightSlot* FindLight(DWORD index) const;
    LightSlot* FindLight(DWORD index);
    std::size_t EnabledLightCount() const;
    DWORD RenderState(D3DRENDERSTATETYPE state) const { return renderStates[state]; }
};

// Direct3D's defaults for a device with these presentation parameters: what
// CreateDevice and Reset start from.
void SetDefaultState(DeviceState& state, const D3DPRESENT_PARAMETERS& presentParameters);

// The matrix slot of a transform state, null when the state is not one.
D3DMATRIX* TransformSlot(DeviceState& state, D3DTRANSFORMSTATETYPE type);

// Whether the depth-stencil format has stencil bits.
bool HasStencil(D3DFORMAT format);
bool IsDepthStencilFormat(D3DFORMAT format);

} // namespace compat::d3d9
