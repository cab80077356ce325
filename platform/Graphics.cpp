#include "platform/Graphics.h"

#include "platform/Window.h"

#include <cmath>
#include <cstdio>

namespace
{
// The one Direct3D object and device of the process.
IDirect3D9* g_pD3D = nullptr;
IDirect3DDevice9* g_pd3dDevice = nullptr;

// The creation ladder, in search order.
const D3DDEVTYPE g_deviceTypes[] = {D3DDEVTYPE_HAL, D3DDEVTYPE_REF};
const DWORD g_behaviorFlags[] = {D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                 D3DCREATE_SOFTWARE_VERTEXPROCESSING};
const D3DFORMAT g_depthStencilFormats[] = {D3DFMT_D24S8, D3DFMT_D24X8, D3DFMT_D24X4S4,
                                           D3DFMT_D32,   D3DFMT_D15S1, D3DFMT_D16};
} // namespace

DeviceParam DefaultDeviceParam()
{
    DeviceParam param;
    param.width = static_cast<unsigned int>(GetSystemMetrics(SM_CXSCREEN) / 2);
    param.height = static_cast<unsigned int>(GetSystemMetrics(SM_CYSCREEN) / 2);
    param.colorBits = 32;
    param.depthBits = 32;
    param.stencilBits = 32;
    param.windowed = true;
    param.vsync = false;
    return param;
}

CGraphics::CGraphics() {}

CGraphics::~CGraphics()
{
    if (g_pd3dDevice)
    {
        g_pd3dDevice->Release();
        g_pd3dDevice = nullptr;
    }
    if (g_pD3D)
    {
        g_pD3D->Release();
        g_pD3D = nullptr;
    }
}

bool CGraphics::CreateDirect3D()
{
    if (!g_pD3D)
        g_pD3D = Direct3DCreate9(D3D_SDK_VERSION);
    return g_pD3D != nullptr;
}

bool CGraphics::Create(HWND window, const DeviceParam* param)
{
    const DeviceParam defaults = param ? *param : DefaultDeviceParam();

    if (!window && defaults.windowed)
        return false;
    if (!g_pD3D && !CreateDirect3D())
        return false;

    D3DDISPLAYMODE d3ddm;
    if (g_pD3D->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &d3ddm) != D3D_OK)
        return false;

    const bool depthStencil = defaults.depthBits != 0 || defaults.stencilBits != 0;

    D3DPRESENT_PARAMETERS d3dpp = {};
    d3dpp.BackBufferWidth = defaults.width;
    d3dpp.BackBufferHeight = defaults.height;
    d3dpp.BackBufferFormat = d3ddm.Format;
    d3dpp.BackBufferCount = 3;
    d3dpp.MultiSampleType = D3DMULTISAMPLE_NONE;
    d3dpp.MultiSampleQuality = 0;
    d3dpp.SwapEffect = defaults.windowed ? D3DSWAPEFFECT_DISCARD : D3DSWAPEFFECT_FLIP;
    d3dpp.hDeviceWindow = window;
    d3dpp.Windowed = defaults.windowed ? TRUE : FALSE;
    d3dpp.EnableAutoDepthStencil = depthStencil ? TRUE : FALSE;
    d3dpp.AutoDepthStencilFormat = D3DFMT_D24S8;
    d3dpp.Flags = depthStencil ? D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL : 0;
    d3dpp.FullScreen_RefreshRateInHz = 0;
    d3dpp.PresentationInterval =
        defaults.vsync ? D3DPRESENT_INTERVAL_ONE : D3DPRESENT_INTERVAL_IMMEDIATE;

    if (g_pd3dDevice)
        return g_pd3dDevice->Reset(&d3dpp) == D3D_OK;

    const UINT adapterCount = g_pD3D->GetAdapterCount();
    for (UINT adapter = 0; adapter < adapterCount; ++adapter)
        for (D3DDEVTYPE deviceType : g_deviceTypes)
            for (DWORD behaviorFlags : g_behaviorFlags)
                for (D3DFORMAT depthStencilFormat : g_depthStencilFormats)
                {
                    d3dpp.AutoDepthStencilFormat = depthStencilFormat;
                    if (g_pD3D->CreateDevice(adapter, deviceType, window, behaviorFlags, &d3dpp,
                                             &g_pd3dDevice) == D3D_OK)
                        return true;
                }
    return false;
}

IDirect3DDevice9* CGraphics::GetDevice()
{
    return g_pd3dDevice;
}

HRESULT CGraphics::SetWorldFromPose(D3DXVECTOR3 position, D3DXQUATERNION orientation)
{
    if (!g_pd3dDevice)
    {
        std::fprintf(stderr, "CGraphics::SetWorldFromPose: there is no device\n");
        return D3DERR_INVALIDCALL;
    }
    const float pose[] = {position.x,    position.y,    position.z,   orientation.x,
                          orientation.y, orientation.z, orientation.w};
    for (float value : pose)
        if (!std::isfinite(value))
        {
            std::fprintf(stderr, "CGraphics::SetWorldFromPose: the pose has a non-finite value\n");
            return D3DERR_INVALIDCALL;
        }

    D3DXMATRIX matTranslation;
    D3DXMatrixTranslation(&matTranslation, position.x, position.y, position.z);
    D3DXMATRIX matRotation;
    D3DXMatrixRotationQuaternion(&matRotation, &orientation);
    D3DXMATRIX matWorld;
    D3DXMatrixMultiply(&matWorld, &matRotation, &matTranslation);
    return g_pd3dDevice->MultiplyTransform(D3DTS_WORLD, &matWorld);
}
