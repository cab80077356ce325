#include "app/DeviceSetUp.h"

#include <d3dx9.h>

void AppSetUpDevice(IDirect3DDevice9* device, unsigned int width, unsigned int height)
{
    D3DXMATRIX matWorld;
    D3DXMatrixRotationY(&matWorld, 0.0f);
    device->SetTransform(D3DTS_WORLD, &matWorld);

    D3DXVECTOR3 vEyePt(0.0f, 2.5f, -10.0f);
    D3DXVECTOR3 vLookatPt(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 vUpVec(0.0f, 1.0f, 0.0f);
    D3DXMATRIX matView;
    D3DXMatrixLookAtLH(&matView, &vEyePt, &vLookatPt, &vUpVec);
    device->SetTransform(D3DTS_VIEW, &matView);

    D3DXMATRIX matProj;
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    D3DXMatrixPerspectiveFovLH(&matProj, D3DX_PI / 4, aspect, 0.5f, 1000.0f);
    device->SetTransform(D3DTS_PROJECTION, &matProj);

    D3DLIGHT9 LightSource = {};
    LightSource.Type = D3DLIGHT_DIRECTIONAL;
    LightSource.Diffuse.r = 1.0f;
    LightSource.Diffuse.g = 1.0f;
    LightSource.Diffuse.b = 1.0f;
    LightSource.Diffuse.a = 1.0f;
    LightSource.Range = 1000.0f;
    D3DXVECTOR3 Direction(0.0f, 0.0f, -1.0f);
    D3DXVec3Normalize(reinterpret_cast<D3DXVECTOR3*>(&LightSource.Direction), &Direction);
    device->SetLight(0, &LightSource);
    device->LightEnable(0, TRUE);

    device->SetRenderState(D3DRS_AMBIENT, 0xFF7F7F7F);
    device->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_ANISOTROPIC);
    device->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_ANISOTROPIC);
}
