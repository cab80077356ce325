// The one SDK object of the process: its parameters and its scenes.
#pragma once

#include <NxPhysics.h>

#include <memory>
#include <vector>

namespace compat::physx
{

class Scene;

// The SDK parameters: defaults for the objects created after they are set.
struct Parameters
{
    NxReal skinWidth = 0.025f;
    NxReal sleepLinearVelocitySquared = 0.15f * 0.15f;
    NxReal sleepAngularVelocitySquared = 0.14f * 0.14f;
    NxReal bounceThreshold = -2.0f;
    NxReal maxAngularVelocity = 7.0f;
};

class Sdk final : public NxPhysicsSDK
{
public:
    // The SDK with one more reference, made if there was none.
    static Sdk& Acquire();
    ~Sdk() override;

    void release() override;
    bool setParameter(NxParameter paramEnum, NxReal paramValue) override;
    NxReal getParameter(NxParameter paramEnum) const override;
    NxScene* createScene(const NxSceneDesc& sceneDesc) override;
    void releaseScene(NxScene& scene) override;
    NxU32 getNbScenes() const override;
    NxScene* getScene(NxU32 i) override;

    const Parameters& CurrentParameters() const { return parameters_; }

private:
    Sdk();
    // The parameter's slot, or null for one this stand-in does not keep.
    NxReal* Slot(NxParameter parameter);

    unsigned references_ = 0;
    Parameters parameters_;
    std::vector<std::unique_ptr<Scene>> scenes_;
};

} // namespace compat::physx
