// Actors: moving one keeps its motion, mass and inertia from the shape, the
// body defaults, sleeping and waking, and what createActor refuses.
#include "PhysxTestSupport.h"

#include <compat/physx.h>

#include <gtest/gtest.h>

#include <cmath>

namespace
{

using physx_test::AddBox;
using physx_test::AddFrictionlessGround;
using physx_test::AddSphere;
using physx_test::TestScene;

constexpr double kG = 9.81;
constexpr double kStep = 1.0 / 60.0;

TEST(Actor, SetGlobalPositionOfAFallingBodyKeepsItsVelocityAndOrientation)
{
    TestScene scene;
    NxActor* ball = AddSphere(*scene, NxVec3(0, 50, 0), 0.5f, 20.0f);
    ball->setAngularVelocity(NxVec3(0, 1, 0));
    scene.Frames(30);
    const NxVec3 velocity = ball->getLinearVelocity();
    const NxQuat orientation = ball->getGlobalOrientationQuat();
    EXPECT_NEAR(velocity.y, -kG * 0.5, 1e-4); // half a second of fall

    ball->setGlobalPosition(NxVec3(1, 10, 2));
    EXPECT_EQ(ball->getGlobalPosition(), NxVec3(1, 10, 2));
    EXPECT_EQ(ball->getLinearVelocity(), velocity);
    const NxQuat after = ball->getGlobalOrientationQuat();
    EXPECT_EQ(after.x, orientation.x);
    EXPECT_EQ(after.y, orientation.y);
    EXPECT_EQ(after.w, orientation.w);

    scene.Frame();
    // One more step from there: v - g h, then y += v h.
    EXPECT_NEAR(ball->getGlobalPosition().y, 10 + (velocity.y - kG * kStep) * kStep, 1e-4);
}

TEST(Actor, MassIsTheBodysAndInertiaComesFromTheShape)
{
    TestScene scene;
    NxActor* box = AddBox(*scene, NxVec3(0, 5, 0), NxVec3(1, 2, 3), 6.0f);
    EXPECT_EQ(box->getMass(), 6.0f);
    // m / 3 (b^2 + c^2) and so on, with half extents: 6 / 3 (4 + 9) = 26.
    const NxVec3 inertia = box->getMassSpaceInertiaTensor();
    EXPECT_FLOAT_EQ(inertia.x, 26.0f);
    EXPECT_FLOAT_EQ(inertia.y, 20.0f);
    EXPECT_FLOAT_EQ(inertia.z, 10.0f);
    NxActor* wheel = AddSphere(*scene, NxVec3(5, 5, 0), 0.5f, 20.0f);
    EXPECT_FLOAT_EQ(wheel->getMassSpaceInertiaTensor().x, 2.0f); // 2/5 * 20 * 0.25

    NxBodyDesc body;
    NxBoxShapeDesc cube;
    cube.dimensions = NxVec3(1);
    NxActorDesc desc;
    desc.shapes.pushBack(&cube);
    desc.body = &body;
    desc.density = 10.0f;
    EXPECT_FLOAT_EQ(scene->createActor(desc)->getMass(), 80.0f); // 10 kg/m^3 * 2^3 m^3
}

TEST(Actor, BodyDefaultsAreTheSdks)
{
    TestScene scene(NxVec3(0, 0, 0));
    NxActor* ball = AddSphere(*scene, NxVec3(0, 0, 0), 0.5f, 1.0f);
    EXPECT_EQ(ball->getLinearDamping(), 0.0f);
    EXPECT_EQ(ball->getAngularDamping(), 0.05f);
    EXPECT_EQ(ball->getMaxAngularVelocity(), 7.0f);
    EXPECT_EQ(ball->getSolverIterationCount(), 4u);

    ball->setLinearVelocity(NxVec3(1, 0, 0));
    ball->setAngularVelocity(NxVec3(0, 0, 5));
    scene.Frames(60);
    EXPECT_FLOAT_EQ(ball->getLinearVelocity().x, 1.0f);
    EXPECT_NEAR(ball->getAngularVelocity().z, 5.0 * std::exp(-0.05), 1e-4); // 4.756 rad/s

    ball->setAngularVelocity(NxVec3(0, 20, 0));
    scene.Frame();
    EXPECT_NEAR(ball->getAngularVelocity().magnitude(), 7.0, 1e-4);
}

TEST(Actor, BodySleepsAfterStayingStillAndForcesWakeIt)
{
    TestScene scene;
    AddFrictionlessGround(*scene);
    NxActor* ball = AddSphere(*scene, NxVec3(0, 0.35f, 0), 0.5f, 20.0f);
    EXPECT_FALSE(ball->isSleeping());
    scene.Frames(30); // still for half a second: more than the 0.4 s it takes
    EXPECT_TRUE(ball->isSleeping());
    const NxVec3 resting = ball->getGlobalPosition();

    ball->addForce(NxVec3(0, 0, 0), NX_FORCE, false);
    EXPECT_TRUE(ball->isSleeping());
    ball->addForce(NxVec3(1200, 0, 0)); // 1 m/s over one step of 1/60 s
    EXPECT_FALSE(ball->isSleeping());
    scene.Frame();
    EXPECT_NEAR(ball->getLinearVelocity().x, 1.0, 1e-4);
    EXPECT_GT(ball->getGlobalPosition().x, resting.x);
}

TEST(Actor, WakeUpKeepsABodyAwakeForTheTimeGivenAndPutToSleepStopsIt)
{
    TestScene scene;
    AddFrictionlessGround(*scene);
    NxActor* ball = AddSphere(*scene, NxVec3(0, 0.35f, 0), 0.5f, 20.0f);
    scene.Frames(30);
    ASSERT_TRUE(ball->isSleeping());
    ball->wakeUp(1.0f);
    scene.Frames(54); // 0.9 s
    EXPECT_FALSE(ball->isSleeping());
    scene.Frames(12); // 1.1 s
    EXPECT_TRUE(ball->isSleeping());

    ball->setLinearVelocity(NxVec3(3, 0, 0));
    EXPECT_FALSE(ball->isSleeping());
    ball->putToSleep();
    EXPECT_TRUE(ball->isSleeping());
    EXPECT_EQ(ball->getLinearVelocity(), NxVec3(0, 0, 0));
}

TEST(Actor, StaticActorsRefuseToMove)
{
    TestScene scene;
    NxActor* ground = AddFrictionlessGround(*scene);
    compat::physx::ClearLastError();
    ground->setGlobalPosition(NxVec3(0, 1, 0));
    EXPECT_EQ(compat::physx::LastError(), "NxActor::setGlobalPosition: the actor is static");
    ground->addForce(NxVec3(0, 1, 0));
    EXPECT_NE(compat::physx::LastError().find("addForce"), std::string::npos);
    EXPECT_EQ(ground->getGlobalPosition(), NxVec3(0, 0, 0));
    EXPECT_FALSE(ground->isSleeping());
}

TEST(Actor, CreateActorRefusesBadDescriptorsNamingWhatIsWrong)
{
    TestScene scene;
    NxBodyDesc body;
    body.mass = 1.0f;
    NxSphereShapeDesc sphere;
    NxBoxShapeDesc box;
    box.dimensions = NxVec3(1);
    NxPlaneShapeDesc plane;

    const auto refused = [&](const NxActorDesc& desc, const char* words)
    {
        compat::physx::ClearLastError();
        EXPECT_EQ(scene->createActor(desc), nullptr) << words;
        EXPECT_NE(compat::physx::LastError().find(words), std::string::npos)
            << compat::physx::LastError();
    };
    NxActorDesc desc;
    desc.body = &body;
    refused(desc, "exactly one shape, not 0");
    desc.shapes.pushBack(&sphere);
    desc.shapes.pushBack(&box);
    refused(desc, "exactly one shape, not 2");

    desc.shapes.clear();
    desc.shapes.pushBack(&sphere);
    sphere.radius = -1;
    refused(desc, "sphere radius -1");
    sphere.radius = 0.05f;
    refused(desc, "not larger than its skin width 0.075");
    sphere.radius = 0.5f;
    sphere.materialIndex = 7;
    refused(desc, "no material 7");
    sphere.materialIndex = 0;
    sphere.localPose.t = NxVec3(0, 1, 0);
    refused(desc, "local poses");
    sphere.localPose.id();
    desc.density = 5.0f;
    refused(desc, "not both or neither");
    desc.density = 0;
    body.mass = 0;
    refused(desc, "not both or neither");
    body.mass = 1.0f;
    body.solverIterationCount = 0;
    refused(desc, "solverIterationCount 0");
    body.solverIterationCount = 4;
    body.flags |= 1u << 7;
    refused(desc, "body flags 0x");
    body.flags = NX_BF_ENERGY_SLEEP_TEST;
    desc.globalPose.M(0, 0) = 2;
    refused(desc, "not a rigid transform");
    desc.globalPose.id();

    desc.shapes.clear();
    desc.shapes.pushBack(&plane);
    refused(desc, "only be the shape of a static actor");
    desc.body = nullptr;
    plane.normal = NxVec3(0, 2, 0);
    refused(desc, "normal is not of unit length");
    EXPECT_EQ(scene->getNbActors(), 0u);
}

TEST(Materials, SettersRefuseOutOfRangeValues)
{
    TestScene scene;
    NxMaterial* material = scene->getMaterialFromIndex(0);
    compat::physx::ClearLastError();
    material->setRestitution(1.5f);
    EXPECT_EQ(compat::physx::LastError(),
              "NxMaterial::setRestitution: restitution 1.5 is outside 0..1");
    material->setDynamicFriction(-0.1f);
    EXPECT_NE(compat::physx::LastError().find("dynamic friction -0.1"), std::string::npos);
    EXPECT_EQ(material->getRestitution(), 0.5f);
    EXPECT_EQ(material->getDynamicFriction(), 0.5f);

    EXPECT_EQ(scene->getMaterialFromIndex(3), nullptr);
    EXPECT_NE(compat::physx::LastError().find("no material 3"), std::string::npos);
    NxMaterialDesc bad;
    bad.frictionCombineMode = NxCombineMode(9);
    EXPECT_EQ(scene->createMaterial(bad), nullptr);
    EXPECT_EQ(scene->getNbMaterials(), 1u);
    EXPECT_EQ(scene->getHighestMaterialIndex(), 0);
}

} // namespace
