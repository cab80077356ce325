// Reading back what a device presented, for tests and the capture tool.
#include "device.h"
#include "errors.h"

namespace compat::d3d9
{

HRESULT ReadPresentedImage(IDirect3DDevice9* device, Image& image)
{
    auto* ours = dynamic_cast<Device*>(device);
    if (ours == nullptr)
        return Fail(D3DERR_INVALIDCALL, "ReadPresentedImage: %s",
                    device == nullptr ? "the device is null" : "not a device of ours");
    return ours->Backend().ReadPresentedImage(image);
}

} // namespace compat::d3d9
