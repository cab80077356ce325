// Scenes and bodies for the physics tests, built through the SDK's calls.
#pragma once

#include <NxPhysics.h>

namespace physx_test
{

// An SDK reference and a scene of it with the program's skin width (0.075),
// both released at the end of the test.
class TestScene
{
public:
    explicit TestScene(NxVec3 gravity = NxVec3(0.0f, -9.81f, 0.0f), NxReal skinWidth = 0.075f);
    ~TestScene();
    TestScene(const TestScene&) = delete;
    TestScene& operator=(const TestScene&) = delete;

    NxScene* operator->() const { return scene_; }
    NxScene& operator*() const { return *scene_; }
    NxScene* get() const { return scene_; }

    // The program's frame step: simulate, flush, blocking fetch.
    void Frame(NxReal dt = 1.0f / 60.0f);
    void Frames(int count, NxReal dt = 1.0f / 60.0f);

private:
    NxPhysicsSDK* sdk_;
    NxScene* scene_;
};

// The scene's default material made frictionless and bounceless, and the
// static ground plane y = 0, as the program sets them up.
NxActor* AddFrictionlessGround(NxScene& scene);

NxActor* AddSphere(NxScene& scene, NxVec3 position, NxReal radius, NxReal mass);
NxActor* AddBox(NxScene& scene, NxVec3 position, NxVec3 halfExtents, NxReal mass);

// The aircraft: fuselage and three wheels at their start positions, with the
// three struts and the contact filtering, as the world builds them. Unless
// `sleeps`, its bodies never fall asleep (sleep energy threshold 0).
struct Aircraft
{
    NxActor* fuselage;
    NxActor* frontWheel;
    NxActor* leftWheel;
    NxActor* rightWheel;
};
extern const NxVec3 kFuselageStart;
extern const NxVec3 kLeftWheelStart;
extern const NxVec3 kRightWheelStart;
extern const NxVec3 kFrontWheelStart;
Aircraft AddAircraft(NxScene& scene, bool sleeps = true);

// Angle of the quaternion's rotation, degrees.
double TurnDegrees(const NxQuat& q);
// Rotation of `body` about the world x axis, degrees (positive: nose down).
double PitchDegrees(const NxActor& body);

} // namespace physx_test
