// The program's physics set-up: the SDK, the scene, the skin width, the
// materials and the ground, and what happens without the physics runtime.
#include "PhysxTestSupport.h"
#include "world/Physics.h"

#include <compat/physx.h>

#include <gtest/gtest.h>

namespace
{

class PhysicsInitTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        compat::physx::SetRuntimeAvailable(true);
        if (g_physicsScene)
            g_physicsSDK->releaseScene(*g_physicsScene);
        if (g_physicsSDK)
            g_physicsSDK->release();
        g_physicsSDK = NULL;
        g_physicsScene = NULL;
    }
};

TEST_F(PhysicsInitTest, SceneHasTheProgramsGravityTimingAndSkinWidth)
{
    NxScene* scene = PhysicsInit();
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene, g_physicsScene);
    EXPECT_EQ(&scene->getPhysicsSDK(), g_physicsSDK);

    NxVec3 gravity;
    scene->getGravity(gravity);
    EXPECT_EQ(gravity, NxVec3(0.0f, -9.81f, 0.0f));

    NxReal maxTimestep = 0;
    NxU32 maxIter = 0;
    NxTimeStepMethod method = NX_TIMESTEP_VARIABLE;
    scene->getTiming(maxTimestep, maxIter, method);
    EXPECT_FLOAT_EQ(maxTimestep, 1.0f / 60.0f);
    EXPECT_EQ(maxIter, 8u);
    EXPECT_EQ(method, NX_TIMESTEP_FIXED);

    EXPECT_FLOAT_EQ(g_physicsSDK->getParameter(NX_SKIN_WIDTH), 0.075f);
}

TEST_F(PhysicsInitTest, MakesTwoMoreMaterialsThatNoShapeUses)
{
    NxScene* scene = PhysicsInit();
    ASSERT_NE(scene, nullptr);
    ASSERT_EQ(scene->getNbMaterials(), 3u);
    EXPECT_EQ(g_stickyMaterialIndex, 1);
    EXPECT_EQ(g_roughMaterialIndex, 2);

    const struct
    {
        NxMaterialIndex index;
        NxReal dynamicFriction, staticFriction;
    } expected[] = {{g_stickyMaterialIndex, 1.0f, 2.0f}, {g_roughMaterialIndex, 1.0f, 1.2f}};
    for (const auto& e : expected)
    {
        NxMaterialDesc desc;
        scene->getMaterialFromIndex(e.index)->saveToDesc(desc);
        EXPECT_FLOAT_EQ(desc.dynamicFriction, e.dynamicFriction);
        EXPECT_FLOAT_EQ(desc.staticFriction, e.staticFriction);
        EXPECT_FLOAT_EQ(desc.restitution, 0.0f);
        EXPECT_EQ(desc.frictionCombineMode, NX_CM_AVERAGE);
    }
}

TEST_F(PhysicsInitTest, TuningMakesTheDefaultMaterialFrictionlessAndDead)
{
    NxScene* scene = PhysicsInit();
    ASSERT_NE(scene, nullptr);
    NxMaterial* defaultMaterial = scene->getMaterialFromIndex(0);
    // The SDK's default material grips and bounces until the program tunes it.
    ASSERT_GT(defaultMaterial->getRestitution(), 0.0f);
    ASSERT_GT(defaultMaterial->getStaticFriction(), 0.0f);
    ASSERT_GT(defaultMaterial->getDynamicFriction(), 0.0f);

    TuneDefaultMaterial(scene);
    EXPECT_EQ(defaultMaterial->getRestitution(), 0.0f);
    EXPECT_EQ(defaultMaterial->getStaticFriction(), 0.0f);
    EXPECT_EQ(defaultMaterial->getDynamicFriction(), 0.0f);
    EXPECT_EQ(defaultMaterial->getFrictionCombineMode(), NX_CM_AVERAGE);
}

TEST_F(PhysicsInitTest, GroundIsTheOneStaticActorBeforeTheAircraft)
{
    NxScene* scene = PhysicsInit();
    ASSERT_NE(scene, nullptr);
    EXPECT_EQ(scene->getNbActors(), 0u);
    TuneDefaultMaterial(scene);
    NxActor* ground = CreateGround(scene);
    ASSERT_NE(ground, nullptr);
    EXPECT_EQ(scene->getNbActors(), 1u);
    EXPECT_FALSE(ground->isDynamic());
    ASSERT_EQ(ground->getNbShapes(), 1u);
    const NxShape* plane = ground->getShapes()[0];
    EXPECT_EQ(plane->getType(), NX_SHAPE_PLANE);
    EXPECT_FLOAT_EQ(plane->getSkinWidth(), 0.075f);
    EXPECT_EQ(plane->getMaterial(), 0);
    EXPECT_EQ(ground->getGlobalPosition(), NxVec3(0, 0, 0));
}

TEST_F(PhysicsInitTest, WithoutTheRuntimeReturnsNullAndMakesNoFurtherCall)
{
    compat::physx::SetRuntimeAvailable(false);
    const unsigned createCalls = compat::physx::SdkCreateCalls();
    const unsigned scenes = compat::physx::LiveSceneCount();

    EXPECT_EQ(PhysicsInit(), nullptr);
    EXPECT_EQ(g_physicsSDK, nullptr);
    EXPECT_EQ(g_physicsScene, nullptr);
    EXPECT_EQ(compat::physx::SdkCreateCalls(), createCalls + 1);
    EXPECT_EQ(compat::physx::LiveSceneCount(), scenes);
}

TEST_F(PhysicsInitTest, SdkRefusesAnotherVersionAndUserObjects)
{
    NxSDKCreateError error = NXCE_NO_ERROR;
    EXPECT_EQ(NxCreatePhysicsSDK(0x02070000, nullptr, nullptr, NxPhysicsSDKDesc(), &error),
              nullptr);
    EXPECT_EQ(error, NXCE_WRONG_VERSION);
    EXPECT_NE(compat::physx::LastError().find("version 0x02070000"), std::string::npos);

    compat::physx::SetRuntimeAvailable(false);
    EXPECT_EQ(
        NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION, nullptr, nullptr, NxPhysicsSDKDesc(), &error),
        nullptr);
    EXPECT_EQ(error, NXCE_PHYSX_NOT_FOUND);
}

TEST_F(PhysicsInitTest, SdkIsSharedAndCountsItsReferences)
{
    NxPhysicsSDK* first = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION);
    NxPhysicsSDK* second = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    NxScene* scene = first->createScene(NxSceneDesc());
    ASSERT_NE(scene, nullptr);
    const unsigned scenes = compat::physx::LiveSceneCount();
    second->release();
    EXPECT_EQ(compat::physx::LiveSceneCount(), scenes);
    EXPECT_EQ(first->getNbScenes(), 1u);
    first->release();
    EXPECT_EQ(compat::physx::LiveSceneCount(), scenes - 1);
}

TEST_F(PhysicsInitTest, SdkParametersRefuseUnknownNamesAndBadValues)
{
    physx_test::TestScene scene;
    NxPhysicsSDK& sdk = scene->getPhysicsSDK();
    compat::physx::ClearLastError();
    EXPECT_FALSE(sdk.setParameter(NxParameter(40), 1.0f));
    EXPECT_NE(compat::physx::LastError().find("parameter 40 is not supported"), std::string::npos);
    EXPECT_FALSE(sdk.setParameter(NX_SKIN_WIDTH, -0.1f));
    EXPECT_FLOAT_EQ(sdk.getParameter(NX_SKIN_WIDTH), 0.075f);
    EXPECT_TRUE(sdk.setParameter(NX_MAX_ANGULAR_VELOCITY, 3.0f));
    EXPECT_FLOAT_EQ(sdk.getParameter(NX_MAX_ANGULAR_VELOCITY), 3.0f);
    EXPECT_TRUE(sdk.setParameter(NX_MAX_ANGULAR_VELOCITY, 7.0f));
}

TEST_F(PhysicsInitTest, SceneDescriptorsAreChecked)
{
    NxPhysicsSDK* sdk = NxCreatePhysicsSDK(NX_PHYSICS_SDK_VERSION);
    ASSERT_NE(sdk, nullptr);
    NxSceneDesc desc;
    EXPECT_TRUE(desc.isValid());
    desc.maxIter = 0;
    EXPECT_FALSE(desc.isValid());
    EXPECT_EQ(sdk->createScene(desc), nullptr);
    EXPECT_NE(compat::physx::LastError().find("maxIter is 0"), std::string::npos);
    desc.setToDefault();
    desc.maxTimestep = -1.0f;
    EXPECT_EQ(sdk->createScene(desc), nullptr);
    EXPECT_NE(compat::physx::LastError().find("maxTimestep -1"), std::string::npos);
    EXPECT_EQ(sdk->getNbScenes(), 0u);
    sdk->release();
}

} // namespace
