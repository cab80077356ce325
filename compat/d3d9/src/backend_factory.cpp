// The one place that chooses among backends.
#include "backend.h"
#include "opengl/gl_backend.h"
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
        return opengl::GlBackend::Create(creation, whyNot);
    }
    whyNot = "unknown backend";
    return nullptr;
}

} // namespace compat::d3d9
