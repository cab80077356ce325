// DirectInput8Create and the DirectInput object, which makes keyboard devices.
#include "failure.h"
#include "keyboard_device.h"

#include <dinput.h>

#include <new>

namespace compat::dinput
{
namespace
{

class DirectInput final : public IDirectInput8W
{
public:
    HRESULT QueryInterface(REFIID riid, void** ppvObject) override
    {
        if (ppvObject == nullptr)
            return Fail(E_POINTER, "QueryInterface needs somewhere to put the interface");
        if (!(riid == IID_IUnknown || riid == IID_IDirectInput8W))
        {
            *ppvObject = nullptr;
            return Fail(E_NOINTERFACE, "the DirectInput object offers only IDirectInput8W");
        }
        AddRef();
        *ppvObject = static_cast<IDirectInput8W*>(this);
        return S_OK;
    }

    ULONG AddRef() override { return ++references_; }

    ULONG Release() override
    {
        const ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT CreateDevice(REFGUID rguid, LPDIRECTINPUTDEVICE8W* lplpDirectInputDevice,
                         LPUNKNOWN pUnkOuter) override
    {
        if (lplpDirectInputDevice == nullptr)
            return Fail(DIERR_INVALIDPARAM, "CreateDevice needs somewhere to put the device");
        *lplpDirectInputDevice = nullptr;
        if (pUnkOuter != nullptr)
            return Fail(DIERR_NOAGGREGATION, "CreateDevice: devices cannot be aggregated");
        if (!(rguid == GUID_SysKeyboard))
            return Fail(DIERR_DEVICENOTREG, "CreateDevice: only GUID_SysKeyboard is available");
        auto* device = new (std::nothrow) KeyboardDevice;
        if (device == nullptr)
            return Fail(DIERR_OUTOFMEMORY, "CreateDevice: out of memory");
        *lplpDirectInputDevice = device;
        return DI_OK;
    }

private:
    ULONG references_ = 1;
};

} // namespace
} // namespace compat::dinput

using namespace compat::dinput;

HRESULT WINAPI DirectInput8Create(HINSTANCE hinst, DWORD dwVersion, REFIID riidltf, LPVOID* ppvOut,
                                  LPUNKNOWN punkOuter)
{
    if (ppvOut == nullptr)
        return Fail(DIERR_INVALIDPARAM, "DirectInput8Create needs somewhere to put the object");
    *ppvOut = nullptr;
    if (hinst == nullptr)
        return Fail(DIERR_INVALIDPARAM, "DirectInput8Create needs the program's instance handle");
    if (dwVersion < 0x0800)
        return Fail(DIERR_OLDDIRECTINPUTVERSION, "DirectInput8Create: the version is below 0x0800");
    if (dwVersion > 0x0800)
        return Fail(DIERR_BETADIRECTINPUTVERSION,
                    "DirectInput8Create: the version is above 0x0800");
    if (!(riidltf == IID_IDirectInput8W))
        return Fail(DIERR_NOINTERFACE, "DirectInput8Create offers only IID_IDirectInput8W");
    if (punkOuter != nullptr)
        return Fail(DIERR_NOAGGREGATION, "DirectInput8Create: the object cannot be aggregated");
    auto* object = new (std::nothrow) DirectInput;
    if (object == nullptr)
        return Fail(DIERR_OUTOFMEMORY, "DirectInput8Create: out of memory");
    *ppvOut = static_cast<IDirectInput8W*>(object);
    return DI_OK;
}
