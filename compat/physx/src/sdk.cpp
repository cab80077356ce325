#include "sdk.h"

#include <compat/call_timing.h>
#include "errors.h"
#include "material.h"
#include "scene.h"
#include "validation.h"

#include <compat/physx.h>

#include <algorithm>
#include <cmath>

namespace compat::physx
{

namespace
{
Sdk* theSdk = nullptr;
bool runtimeAvailable = true;
unsigned createCalls = 0;
} // namespace

Sdk& Sdk::Acquire()
{
    if (!theSdk)
        theSdk = new Sdk();
    ++theSdk->references_;
    return *theSdk;
}

Sdk::Sdk()
{
    // A body falls asleep after this long below its sleep speeds.
    gDeactivationTime = NX_SLEEP_INTERVAL;
    InstallMaterialCombiners();
}

Sdk::~Sdk()
{
    theSdk = nullptr;
}

void Sdk::release()
{
    if (--references_ == 0)
        delete this;
}

NxReal* Sdk::Slot(NxParameter parameter)
{
    switch (parameter)
    {
    case NX_SKIN_WIDTH:
        return &parameters_.skinWidth;
    case NX_DEFAULT_SLEEP_LIN_VEL_SQUARED:
        return &parameters_.sleepLinearVelocitySquared;
    case NX_DEFAULT_SLEEP_ANG_VEL_SQUARED:
        return &parameters_.sleepAngularVelocitySquared;
    case NX_BOUNCE_THRESHOLD:
        return &parameters_.bounceThreshold;
    case NX_MAX_ANGULAR_VELOCITY:
        return &parameters_.maxAngularVelocity;
    }
    return nullptr;
}

bool Sdk::setParameter(NxParameter paramEnum, NxReal paramValue)
{
    NxReal* slot = Slot(paramEnum);
    if (!slot)
    {
        ReportError("NxPhysicsSDK::setParameter: parameter %d is not supported", int(paramEnum));
        return false;
    }
    const bool mayBeNegative = paramEnum == NX_BOUNCE_THRESHOLD;
    if (!std::isfinite(paramValue) || (!mayBeNegative && paramValue < 0) ||
        (mayBeNegative && paramValue > 0))
    {
        ReportError("NxPhysicsSDK::setParameter: %g is not a valid value for parameter %d",
                    double(paramValue), int(paramEnum));
        return false;
    }
    *slot = paramValue;
    return true;
}

NxReal Sdk::getParameter(NxParameter paramEnum) const
{
    NxReal* slot = const_cast<Sdk*>(this)->Slot(paramEnum);
    if (!slot)
    {
        ReportError("NxPhysicsSDK::getParameter: parameter %d is not supported", int(paramEnum));
        return 0;
    }
    return *slot;
}

NxScene* Sdk::createScene(const NxSceneDesc& sceneDesc)
{
    const timing::TimedCall timed(timing::Call::physicsCreation);
    if (const std::string problem = ProblemWith(sceneDesc); !problem.empty())
    {
        ReportError("NxPhysicsSDK::createScene: %s", problem.c_str());
        return nullptr;
    }
    scenes_.push_back(std::make_unique<Scene>(*this, sceneDesc));
    return scenes_.back().get();
}

void Sdk::releaseScene(NxScene& scene)
{
    const auto found = std::find_if(scenes_.begin(), scenes_.end(),
                                    [&](const auto& owned) { return owned.get() == &scene; });
    if (found == scenes_.end())
    {
        ReportError("NxPhysicsSDK::releaseScene: the scene is not one of this SDK's");
        return;
    }
    scenes_.erase(found);
}

NxU32 Sdk::getNbScenes() const
{
    return NxU32(scenes_.size());
}

NxScene* Sdk::getScene(NxU32 i)
{
    if (i >= scenes_.size())
    {
        ReportError("NxPhysicsSDK::getScene: no scene %u (there are %zu)", unsigned(i),
                    scenes_.size());
        return nullptr;
    }
    return scenes_[i].get();
}

void SetRuntimeAvailable(bool available)
{
    runtimeAvailable = available;
}

unsigned SdkCreateCalls()
{
    return createCalls;
}

} // namespace compat::physx

NxPhysicsSDK* NxCreatePhysicsSDK(NxU32 sdkVersion, NxUserAllocator* allocator,
                                 NxUserOutputStream* outputStream, const NxPhysicsSDKDesc& desc,
                                 NxSDKCreateError* errorCode)
{
    using namespace compat::physx;
    const compat::timing::TimedCall timed(compat::timing::Call::physicsCreation);
    ++createCalls;
    NxSDKCreateError error = NXCE_NO_ERROR;
    if (!runtimeAvailable)
        error = NXCE_PHYSX_NOT_FOUND;
    else if (sdkVersion != NX_PHYSICS_SDK_VERSION)
    {
        ReportError("NxCreatePhysicsSDK: version 0x%08x asked, this is 0x%08x",
                    unsigned(sdkVersion), unsigned(NX_PHYSICS_SDK_VERSION));
        error = NXCE_WRONG_VERSION;
    }
    else if (allocator || outputStream)
    {
        ReportError("NxCreatePhysicsSDK: user allocators and output streams are not supported");
        error = NXCE_DESCRIPTOR_INVALID;
    }
    else if (!desc.isValid())
        error = NXCE_DESCRIPTOR_INVALID;
    if (errorCode)
        *errorCode = error;
    return error == NXCE_NO_ERROR ? &Sdk::Acquire() : nullptr;
}
