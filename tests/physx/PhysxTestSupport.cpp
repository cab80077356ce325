#include "PhysxTestSupport.h"

#include "world/Physics.h"
#include "world/Suspension.h"

#include <cmath>
#include <stdexcept>

namespace physx_test
{

const NxVec3 kFuselageStart(0.0f, 5.8f, 0.1f);
const NxVec3 kLeftWheelStart(1.41f, 4.9f, -0.15f);
const NxVec3 kRightWheelStart(-1.41f, 4.9f, -0.15f);
const NxVec3 kFrontWheelStart(0.0f, 4.8f, 1.6f);

TestScene::TestScene(NxVec3 gravity, NxReal skinWidth)
{
    sdk_ = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION);
    if (!sdk_)
        throw std::runtime_error("no physics SDK");
    NxSceneDesc sceneDesc;
    sceneDesc.gravity = gravity;
    scene_ = sdk_->createScene(sceneDesc);
    sdk_->setParameter(NX_SKIN_WIDTH, skinWidth);
}

TestScene::~TestScene()
{
    sdk_->releaseScene(*scene_);
    sdk_->release();
}

void TestScene::Frame(NxReal dt)
{
    scene_->simulate(dt);
    scene_->flushStream();
    scene_->fetchResults(NX_RIGID_BODY_FINISHED, true);
}

void TestScene::Frames(int count, NxReal dt)
{
    for (int i = 0; i < count; ++i)
        Frame(dt);
}

NxActor* AddFrictionlessGround(NxScene& scene)
{
    TuneDefaultMaterial(&scene);
    return CreateGround(&scene);
}

static NxActor* AddBody(NxScene& scene, NxVec3 position, NxShapeDesc& shape, NxReal mass)
{
    NxBodyDesc bodyDesc;
    bodyDesc.mass = mass;
    NxActorDesc actorDesc;
    actorDesc.shapes.pushBack(&shape);
    actorDesc.body = &bodyDesc;
    actorDesc.globalPose.t = position;
    return scene.createActor(actorDesc);
}

NxActor* AddSphere(NxScene& scene, NxVec3 position, NxReal radius, NxReal mass)
{
    NxSphereShapeDesc sphereDesc;
    sphereDesc.radius = radius;
    return AddBody(scene, position, sphereDesc, mass);
}

NxActor* AddBox(NxScene& scene, NxVec3 position, NxVec3 halfExtents, NxReal mass)
{
    NxBoxShapeDesc boxDesc;
    boxDesc.dimensions = halfExtents;
    return AddBody(scene, position, boxDesc, mass);
}

Aircraft AddAircraft(NxScene& scene, bool sleeps)
{
    Aircraft aircraft;

    NxBodyDesc fuselageBody;
    fuselageBody.mass = 1035.0f;
    fuselageBody.solverIterationCount = 20;
    if (!sleeps)
        fuselageBody.sleepEnergyThreshold = 0;
    NxBoxShapeDesc fuselageBox;
    fuselageBox.dimensions = NxVec3(14.5f, 0.5f, 9.5f);
    NxActorDesc fuselageDesc;
    fuselageDesc.shapes.pushBack(&fuselageBox);
    fuselageDesc.body = &fuselageBody;
    fuselageDesc.globalPose.t = kFuselageStart;
    aircraft.fuselage = scene.createActor(fuselageDesc);

    NxBodyDesc wheelBody;
    wheelBody.mass = 20.0f;
    wheelBody.solverIterationCount = 20;
    wheelBody.sleepEnergyThreshold = fuselageBody.sleepEnergyThreshold;
    NxSphereShapeDesc wheelSphere;
    wheelSphere.radius = 0.5f;
    NxActorDesc wheelDesc;
    wheelDesc.shapes.pushBack(&wheelSphere);
    wheelDesc.body = &wheelBody;
    wheelDesc.globalPose.t = kLeftWheelStart;
    aircraft.leftWheel = scene.createActor(wheelDesc);
    wheelDesc.globalPose.t = kRightWheelStart;
    aircraft.rightWheel = scene.createActor(wheelDesc);
    wheelDesc.globalPose.t = kFrontWheelStart;
    aircraft.frontWheel = scene.createActor(wheelDesc);

    AddSuspensionStrut(&scene, aircraft.fuselage, aircraft.frontWheel, kFrontWheelStart,
                       g_frontStrutAxis, g_strutSpring, g_strutDamping);
    AddSuspensionStrut(&scene, aircraft.fuselage, aircraft.rightWheel, kRightWheelStart,
                       g_mainStrutAxis, g_strutSpring, g_strutDamping);
    AddSuspensionStrut(&scene, aircraft.fuselage, aircraft.leftWheel, kLeftWheelStart,
                       g_mainStrutAxis, g_strutSpring, g_strutDamping);
    IgnoreWheelContacts(&scene, aircraft.fuselage, aircraft.frontWheel, aircraft.leftWheel,
                        aircraft.rightWheel);
    return aircraft;
}

double TurnDegrees(const NxQuat& q)
{
    const double w = std::min(1.0, std::fabs(double(q.w)));
    return 2.0 * std::acos(w) * 180.0 / 3.14159265358979323846;
}

double PitchDegrees(const NxActor& body)
{
    // The fuselage's nose direction (+z) turned about x: its drop over its run.
    const NxVec3 nose = body.getGlobalOrientation() * NxVec3(0, 0, 1);
    return std::atan2(-double(nose.y), double(nose.z)) * 180.0 / 3.14159265358979323846;
}

} // namespace physx_test
