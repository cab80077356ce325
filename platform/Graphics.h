// Creates and owns the process-wide Direct3D 9 object and its one device.
#pragma once

#include <d3d9.h>
#include <d3dx9.h>

struct DeviceParam
{
    unsigned int width;       // back-buffer width in pixels
    unsigned int height;      // back-buffer height in pixels
    unsigned int colorBits;   // not read by device creation
    unsigned int depthBits;   // only whether it is zero matters
    unsigned int stencilBits; // only whether it is zero matters
    bool windowed;
    bool vsync; // present once per retrace instead of immediately
};

// Half the primary screen, 32 bits everywhere, windowed, no vsync.
DeviceParam DefaultDeviceParam();

class CGraphics
{
public:
    CGraphics();
    // Releases the device, then the Direct3D object.
    ~CGraphics();

    // Creates the Direct3D object once; returns whether it exists.
    bool CreateDirect3D();
    // Creates the device through the adapter / device type / vertex
    // processing / depth format ladder, or resets the existing device.
    bool Create(HWND window, const DeviceParam* param);

    static IDirect3DDevice9* GetDevice();

    // Multiplies the device's world transform by the matrix of a pose: the
    // new world matrix is R(orientation) × T(position) × the current one, so
    // a body is turned about its origin, then moved to its position, then
    // carried by whatever the world matrix held. Returns the device's result;
    // without a device, or with a non-finite pose, D3DERR_INVALIDCALL and one
    // line on stderr.
    HRESULT SetWorldFromPose(D3DXVECTOR3 position, D3DXQUATERNION orientation);
};
