// The Direct3D object: the adapters (as many as SetAdapterCount says, each
// showing the desktop), their display mode, and the devices it creates.
#pragma once

#include "com_object.h"

#include <d3d9.h>

namespace compat::d3d9
{

class Direct3D9 final : public ComObject<IDirect3D9>
{
public:
    Direct3D9();

    UINT GetAdapterCount() override;
    HRESULT GetAdapterDisplayMode(UINT Adapter, D3DDISPLAYMODE* pMode) override;
    HRESULT CreateDevice(UINT Adapter, D3DDEVTYPE DeviceType, HWND hFocusWindow,
                         DWORD BehaviorFlags, D3DPRESENT_PARAMETERS* pPresentationParameters,
                         IDirect3DDevice9** ppReturnedDeviceInterface) override;

private:
    void Traced(std::string_view method, ULONG references) override;
    HRESULT TryCreateDevice(UINT adapter, D3DDEVTYPE type, HWND focusWindow, DWORD behaviorFlags,
                            D3DPRESENT_PARAMETERS* presentParameters, IDirect3DDevice9** device);
};

// Whether calls on the Direct3D object are recorded: while the Recording
// backend is chosen, as no device backend exists yet to do it.
bool RecordingDirect3DCalls();

} // namespace compat::d3d9
