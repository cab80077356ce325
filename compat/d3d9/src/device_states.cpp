// The device's transforms, render and sampler states, and texture stages.
#include "device.h"
#include "errors.h"

#include <d3dx9math.h>

namespace compat::d3d9
{
namespace
{

// The group a transform belongs to, for the backend's fixed-function values;
// the texture transforms are not among their inputs.
uint32_t DirtyFlagOf(D3DTRANSFORMSTATETYPE type)
{
    if (type == D3DTS_VIEW || type == D3DTS_PROJECTION)
        return kDirtyViewProjection;
    return type >= D3DTS_WORLD ? kDirtyWorld : 0u;
}

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
        state_.dirty |= DirtyFlagOf(State);
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
        state_.dirty |= DirtyFlagOf(State);
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
        if (state_.renderStates[state] != Value)
            state_.dirty |= kDirtyRenderStates;
        state_.renderStates[state] = Value;
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

} // namespace compat::d3d9
