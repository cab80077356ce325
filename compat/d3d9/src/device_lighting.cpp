// The device's lights and material.
#include "device.h"
#include "errors.h"

#include <d3dx9math.h>

namespace compat::d3d9
{
namespace
{

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

} // namespace compat::d3d9
