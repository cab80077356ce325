// The one place that chooses among backends.
#include "backend.h"
#include "recording_backend.h"

namespace compat::d3d9
{

std::unique_ptr<DeviceBackend> MakeDeviceBackend(Backend backend, const DeviceCreation& creation,
                                                 std::string& whyNot)
{
    switch (backend)
    {
    case Backend::Recording:
        return MakeRecordingBackend(creation);
    case Backend::OpenGL:
        whyNot = "the OpenGL backend is not part of this build";
        return nullptr;
    }
    whyNot = "unknown backend";
    return nullptr;
}

} // namespace compat::d3d9
