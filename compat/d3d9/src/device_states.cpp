// The device's state setters and getters: transforms, material, lights,
// render and sampler states, texture stages and the vertex input.
#include "buffer.h"
#include "device.h"
#include "errors.h"
#include "fvf.h"

#include <d3dx9math.h>

#include <cmath>

namespace compat::d3d9
{
namespace
{

bool IsKnownRenderState(DWORD state)
{
    switch (state)
    {
    case D3DRS_ZENABLE:
    case D3DRS_FILLMODE:
    case D3DRS_SHADEMODE:
    case D3DRS_ZWRITEENABLE:
    case D3DRS_ALPHATESTENABLE:
    case D3DRS_LASTPIXEL:
    case D3DRS_SRCBLEND:
    case D3DRS_DESTBLEND:
    case D3DRS_CULLMODE:
    case D3DRS_ZFUNC:
    case D3DRS_ALPHAREF:
    case D3DRS_ALPHAFUNC:
    case D3DRS_DITHERENABLE:
    case D3DRS_ALPHABLENDENABLE:
    case D3DRS_FOGENABLE:
    case D3DRS_SPECULARENABLE:
    case D3DRS_FOGCOLOR:
    case D3DRS_FOGTABLEMODE:
    case D3DRS_FOGSTART:
    case D3DRS_FOGEND:
    case D3DRS_FOGDENSITY:
    case D3DRS_RANGEFOGENABLE:
    case D3DRS_STENCILENABLE:
    case D3DRS_STENCILFAIL:
    case D3DRS_STENCILZFAIL:
    case D3DRS_STENCILPASS:
    case D3DRS_STENCILFUNC:
    case D3DRS_STENCILREF:
    case D3DRS_STENCILMASK:
    case D3DRS_STENCILWRITEMASK:
    case D3DRS_TEXTUREFACTOR:
    case D3DRS_CLIPPING:
    case D3DRS_LIGHTING:
    case D3DRS_AMBIENT:
    case D3DRS_FOGVERTEXMODE:
    case D3DRS_COLORVERTEX:
    case D3DRS_LOCALVIEWER:
    case D3DRS_NORMALIZENORMALS:
    case D3DRS_DIFFUSEMATERIALSOURCE:
    case D3DRS_SPECULARMATERIALSOURCE:
    case D3DRS_AMBIENTMATERIALSOURCE:
    case D3DRS_EMISSIVEMATERIALSOURCE:
    case D3DRS_MULTISAMPLEANTIALIAS:
    case D3DRS_COLORWRITEENABLE:
    case D3DRS_BLENDOP:
    case D3DRS_SCISSORTESTENABLE:
        return true;
    default:
        return false;
    }
}

// The range of the states whose values are enumerations; others take any.
bool IsValidRenderStateValue(DWORD state, DWORD value)
{
    switch (state)
    {
    case D3DRS_ZENABLE:
        return value <= D3DZB_USEW;
    case D3DRS_FILLMODE:
        return value >= D3DFILL_POINT && value <= D3DFILL_SOLID;
    case D3DRS_SHADEMODE:
        return value >= D3DSHADE_FLAT && value <= D3DSHADE_PHONG;
    case D3DRS_CULLMODE:
        return value >= D3DCULL_NONE && value <= D3DCULL_CCW;
    case D3DRS_ZFUNC:
    case D3DRS_ALPHAFUNC:
    case D3DRS_STENCILFUNC:
        return value >= D3DCMP_NEVER && value <= D3DCMP_ALWAYS;
    case D3DRS_SRCBLEND:
    case D3DRS_DESTBLEND:
        return value >= D3DBLEND_ZERO && value <= D3DBLEND_INVDESTCOLOR;
    case D3DRS_BLENDOP:
        return value >= D3DBLENDOP_ADD && value <= D3DBLENDOP_MAX;
    case D3DRS_DIFFUSEMATERIALSOURCE:
    case D3DRS_SPECULARMATERIALSOURCE:
    case D3DRS_AMBIENTMATERIALSOURCE:
    case D3DRS_EMISSIVEMATERIALSOURCE:
        return value <= D3DMCS_COLOR2;
    default:
        return true;
    }
}

bool IsValidSamplerValue(D3DSAMPLERSTATETYPE type, DWORD value)
{
    switch (type)
    {
    case D3DSAMP_ADDRESSU:
    case D3DSAMP_ADDRESSV:
    case D3DSAMP_ADDRESSW:
        return value >= D3DTADDRESS_WRAP && value <= D3DTADDRESS_MIRRORONCE;
    case D3DSAMP_MAGFILTER:
    case D3DSAMP_MINFILTER:
    case D3DSAMP_MIPFILTER:
        return value <= D3DTEXF_ANISOTROPIC || value == D3DTEXF_PYRAMIDALQUAD ||
               value == D3DTEXF_GAUSSIANQUAD;
    default:
        return true;
    }
}

HRESULT CheckLight(const D3DLIGHT9& light)
{
    const D3DVECTOR& d = light.Direction;
    const bool hasDirection = d.x != 0.0f || d.y != 0.0f || d.z != 0.0f;
    switch (light.Type)
    {
    case D3DLIGHT_DIRECTIONAL:
        if (!hasDirection)
            return Fail(D3DERR_INVALIDCALL, "SetLight: a directional light needs a direction");
        return D3D_OK;
    case D3DLIGHT_SPOT:
        if (!hasDirection)
            return Fail(D3DERR_INVALIDCALL, "SetLight: a spot light needs a direction");
        if (!(light.Theta >= 0.0f && light.Theta <= light.Phi && light.Phi <= D3DX_PI))
            return Fail(D3DERR_INVALIDCALL,
                        "SetLight: spot cone Theta %g, Phi %g are not 0 <= Theta <= Phi <= pi",
                        static_cast<double>(light.Theta), static_cast<double>(light.Phi));
        [[fallthrough]];
    case D3DLIGHT_POINT:
        if (!(light.Range >= 0.0f))
            return Fail(D3DERR_INVALIDCALL, "SetLight: Range %g is negative",
                        static_cast<double>(light.Range));
        return D3D_OK;
    default:
        return Fail(D3DERR_INVALIDCALL, "SetLight: light type %d is not POINT, SPOT or DIRECTIONAL",
                    static_cast<int>(light.Type));
    }
}

// The light that LightEnable creates for an index that was never set.
D3DLIGHT9 DefaultLight()
{
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 0.0f};
    light.Direction = {0.0f, 0.0f, 1.0f};
    return light;
}

} // namespace

HRESULT Device::SetTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix)
{
    D3DMATRIX* slot = TransformSlot(state_, State);
    HRESULT hr = D3D_OK;
    if (slot == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "SetTransform: unknown transform state %d",
                  static_cast<int>(State));
    else if (pMatrix == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "SetTransform: pMatrix is null");
    else
    {
        *slot = *pMatrix;
        state_.dirty |= kDirtyTransforms;
    }
    Trace("SetTransform", this,
          [&](CallBuilder& c)
          {
              c.Int(State).Result(hr);
              if (pMatrix != nullptr)
                  c.Matrix(*pMatrix);
          });
    return hr;
}

HRESULT Device::GetTransform(D3DTRANSFORMSTATETYPE State, D3DMATRIX* pMatrix)
{
    const D3DMATRIX* slot = TransformSlot(state_, State);
    HRESULT hr = D3D_OK;
    if (slot == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "GetTransform: unknown transform state %d",
                  static_cast<int>(State));
    else if (pMatrix == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "GetTransform: pMatrix is null");
    else
        *pMatrix = *slot;
    Trace("GetTransform", this,
          [&](CallBuilder& c)
          {
              c.Int(State).Result(hr);
              if (SUCCEEDED(hr))
                  c.Matrix(*pMatrix);
          });
    return hr;
}

HRESULT Device::MultiplyTransform(D3DTRANSFORMSTATETYPE State, const D3DMATRIX* pMatrix)
{
    D3DMATRIX* slot = TransformSlot(state_, State);
    HRESULT hr = D3D_OK;
    if (slot == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "MultiplyTransform: unknown transform state %d",
                  static_cast<int>(State));
    else if (pMatrix == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "MultiplyTransform: pMatrix is null");
    else
    {
        // The new transform is pMatrix applied first, then the current one.
        const D3DXMATRIX given(*pMatrix), current(*slot);
        *slot = given * current;
        state_.dirty |= kDirtyTransforms;
    }
    Trace("MultiplyTransform", this,
          [&](CallBuilder& c)
          {
              c.Int(State).Result(hr);
              if (pMatrix != nullptr)
                  c.Matrix(*pMatrix);
          });
    return hr;
}

HRESULT Device::SetMaterial(const D3DMATERIAL9* pMaterial)
{
    HRESULT hr = D3D_OK;
    if (pMaterial == nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "SetMaterial: pMaterial is null");
    else
    {
        state_.material = *pMaterial;
        state_.dirty |= kDirtyMaterial;
    }
    Trace("SetMaterial", this,
          [&](CallBuilder& c)
          {
              c.Result(hr);
              if (pMaterial != nullptr)
                  c.Material(*pMaterial);
          });
    return hr;
}

HRESULT Device::GetMaterial(D3DMATERIAL9* pMaterial)
{
    if (pMaterial == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetMaterial: pMaterial is null");
    *pMaterial = state_.material;
    return D3D_OK;
}

HRESULT Device::SetLight(DWORD Index, const D3DLIGHT9* pLight)
{
    HRESULT hr = pLight == nullptr ? Fail(D3DERR_INVALIDCALL, "SetLight: pLight is null")
                                   : CheckLight(*pLight);
    if (SUCCEEDED(hr))
    {
        if (LightSlot* slot = state_.FindLight(Index))
            slot->light = *pLight;
        else
            state_.lights.push_back(LightSlot{Index, *pLight, false});
        state_.dirty |= kDirtyLights;
    }
    Trace("SetLight", this,
          [&](CallBuilder& c)
          {
              c.Int(Index).Result(hr);
              if (pLight != nullptr)
                  c.Light(*pLight);
          });
    return hr;
}

HRESULT Device::GetLight(DWORD Index, D3DLIGHT9* pLight)
{
    const LightSlot* slot = state_.FindLight(Index);
    if (pLight == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetLight: pLight is null");
    if (slot == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetLight: light %u was never set",
                    static_cast<unsigned>(Index));
    *pLight = slot->light;
    return D3D_OK;
}

HRESULT Device::LightEnable(DWORD Index, BOOL Enable)
{
    LightSlot* slot = state_.FindLight(Index);
    const bool wasEnabled = slot != nullptr && slot->enabled;
    HRESULT hr = D3D_OK;
    if (Enable && !wasEnabled && state_.EnabledLightCount() >= kMaxEnabledLights)
        hr = Fail(D3DERR_INVALIDCALL, "LightEnable: light %u would be more than %zu enabled lights",
                  static_cast<unsigned>(Index), kMaxEnabledLights);
    else
    {
        if (slot == nullptr)
        {
            state_.lights.push_back(LightSlot{Index, DefaultLight(), false});
            slot = &state_.lights.back();
        }
        slot->enabled = Enable != FALSE;
        state_.dirty |= kDirtyLights;
    }
    Trace("LightEnable", this, [&](CallBuilder& c) { c.Int(Index).Int(Enable).Result(hr); });
    return hr;
}

HRESULT Device::GetLightEnable(DWORD Index, BOOL* pEnable)
{
    const LightSlot* slot = state_.FindLight(Index);
    if (pEnable == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetLightEnable: pEnable is null");
    if (slot == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetLightEnable: light %u was never set",
                    static_cast<unsigned>(Index));
    *pEnable = slot->enabled ? TRUE : FALSE;
    return D3D_OK;
}

HRESULT Device::SetRenderState(D3DRENDERSTATETYPE State, DWORD Value)
{
    const auto state = static_cast<DWORD>(State);
    HRESULT hr = D3D_OK;
    if (!IsKnownRenderState(state))
        hr = Fail(D3DERR_INVALIDCALL, "SetRenderState: unknown render state %u",
                  static_cast<unsigned>(state));
    else if (!IsValidRenderStateValue(state, Value))
        hr = Fail(D3DERR_INVALIDCALL, "SetRenderState: %u is not a value of render state %u",
                  static_cast<unsigned>(Value), static_cast<unsigned>(state));
    else
    {
        state_.renderStates[state] = Value;
        state_.dirty |= kDirtyRenderStates;
    }
    Trace("SetRenderState", this, [&](CallBuilder& c) { c.Int(state).Int(Value).Result(hr); });
    return hr;
}

HRESULT Device::GetRenderState(D3DRENDERSTATETYPE State, DWORD* pValue)
{
    const auto state = static_cast<DWORD>(State);
    if (!IsKnownRenderState(state))
        return Fail(D3DERR_INVALIDCALL, "GetRenderState: unknown render state %u",
                    static_cast<unsigned>(state));
    if (pValue == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetRenderState: pValue is null");
    *pValue = state_.renderStates[state];
    return D3D_OK;
}

HRESULT Device::SetTexture(DWORD Stage, IDirect3DBaseTexture9* pTexture)
{
    HRESULT hr = D3D_OK;
    if (Stage >= kSamplerCount)
        hr = Fail(D3DERR_INVALIDCALL, "SetTexture: stage %u is not 0..%zu",
                  static_cast<unsigned>(Stage), kSamplerCount - 1);
    else if (pTexture != nullptr)
        hr = Fail(D3DERR_INVALIDCALL, "SetTexture: textures are not supported; only null can be "
                                      "set");
    Trace("SetTexture", this, [&](CallBuilder& c) { c.Int(Stage).Pointer(pTexture).Result(hr); });
    return hr;
}

HRESULT Device::SetSamplerState(DWORD Sampler, D3DSAMPLERSTATETYPE Type, DWORD Value)
{
    const auto type = static_cast<DWORD>(Type);
    HRESULT hr = D3D_OK;
    if (Sampler >= kSamplerCount)
        hr = Fail(D3DERR_INVALIDCALL, "SetSamplerState: sampler %u is not 0..%zu",
                  static_cast<unsigned>(Sampler), kSamplerCount - 1);
    else if (type == 0 || type >= kSamplerStateCount)
        hr = Fail(D3DERR_INVALIDCALL, "SetSamplerState: unknown sampler state %u",
                  static_cast<unsigned>(type));
    else if (!IsValidSamplerValue(Type, Value))
        hr = Fail(D3DERR_INVALIDCALL, "SetSamplerState: %u is not a value of sampler state %u",
                  static_cast<unsigned>(Value), static_cast<unsigned>(type));
    else
    {
        state_.samplerStates[Sampler][type] = Value;
        state_.dirty |= kDirtySamplers;
    }
    Trace("SetSamplerState", this,
          [&](CallBuilder& c) { c.Int(Sampler).Int(type).Int(Value).Result(hr); });
    return hr;
}

HRESULT Device::GetSamplerState(DWORD Sampler, D3DSAMPLERSTATETYPE Type, DWORD* pValue)
{
    const auto type = static_cast<DWORD>(Type);
    if (Sampler >= kSamplerCount || type == 0 || type >= kSamplerStateCount)
        return Fail(D3DERR_INVALIDCALL, "GetSamplerState: sampler %u, state %u do not exist",
                    static_cast<unsigned>(Sampler), static_cast<unsigned>(type));
    if (pValue == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetSamplerState: pValue is null");
    *pValue = state_.samplerStates[Sampler][type];
    return D3D_OK;
}

HRESULT Device::SetFVF(DWORD FVF)
{
    std::string_view why;
    HRESULT hr = D3D_OK;
    if (!IsSupportedFvf(FVF, why))
        hr = Fail(D3DERR_INVALIDCALL, "SetFVF: FVF 0x%x: %.*s", static_cast<unsigned>(FVF),
                  static_cast<int>(why.size()), why.data());
    else
    {
        state_.fvf = FVF;
        state_.dirty |= kDirtyVertexInput;
    }
    Trace("SetFVF", this, [&](CallBuilder& c) { c.Int(FVF).Result(hr); });
    return hr;
}

HRESULT Device::GetFVF(DWORD* pFVF)
{
    if (pFVF == nullptr)
        return Fail(D3DERR_INVALIDCALL, "GetFVF: pFVF is null");
    *pFVF = state_.fvf;
    return D3D_OK;
}

HRESULT Device::SetStreamSource(UINT StreamNumber, IDirect3DVertexBuffer9* pStreamData,
                                UINT OffsetInBytes, UINT Stride)
{
    auto* buffer = dynamic_cast<VertexBuffer*>(pStreamData);
    HRESULT hr = D3D_OK;
    if (StreamNumber >= kStreamCount)
        hr = Fail(D3DERR_INVALIDCALL, "SetStreamSource: stream %u is not 0..%zu", StreamNumber,
                  kStreamCount - 1);
    else if (pStreamData != nullptr && (buffer == nullptr || &buffer->Owner() != this))
        hr = Fail(D3DERR_INVALIDCALL, "SetStreamSource: the vertex buffer is not this device's");
    else if (buffer != nullptr && OffsetInBytes >= buffer->Storage()->Size())
        hr = Fail(D3DERR_INVALIDCALL, "SetStreamSource: offset %u is past the %u-byte buffer",
                  OffsetInBytes, buffer->Storage()->Size());
    else
    {
        StreamBinding& binding = state_.streams[StreamNumber];
        binding.storage = buffer != nullptr ? buffer->Storage() : nullptr;
        binding.buffer = pStreamData;
        binding.offset = buffer != nullptr ? OffsetInBytes : 0;
        binding.stride = buffer != nullptr ? Stride : 0;
        state_.dirty |= kDirtyVertexInput;
    }
    Trace("SetStreamSource", this,
          [&](CallBuilder& c)
          { c.Int(StreamNumber).Int(OffsetInBytes).Int(Stride).Pointer(pStreamData).Result(hr); });
    return hr;
}

HRESULT Device::SetIndices(IDirect3DIndexBuffer9* pIndexData)
{
    auto* buffer = dynamic_cast<IndexBuffer*>(pIndexData);
    HRESULT hr = D3D_OK;
    if (pIndexData != nullptr && (buffer == nullptr || &buffer->Owner() != this))
        hr = Fail(D3DERR_INVALIDCALL, "SetIndices: the index buffer is not this device's");
    else
    {
        state_.indices.storage = buffer != nullptr ? buffer->Storage() : nullptr;
        state_.indices.buffer = pIndexData;
        state_.dirty |= kDirtyVertexInput;
    }
    Trace("SetIndices", this, [&](CallBuilder& c) { c.Pointer(pIndexData).Result(hr); });
    return hr;
}

} // namespace compat::d3d9
