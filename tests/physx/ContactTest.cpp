// Contacts: resting depth from the skin widths, frictionless sliding, how two
// materials combine, and ignored pairs.
#include "PhysxTestSupport.h"

#include <compat/physx.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

using compat::physx::ContactPointCount;
using physx_test::AddBox;
using physx_test::AddFrictionlessGround;
using physx_test::AddSphere;
using physx_test::TestScene;

TEST(Contact, ShapesRestInsideTheGroundByTheirTwoSkinWidths)
{
    TestScene scene;
    AddFrictionlessGround(*scene);
    NxActor* ball = AddSphere(*scene, NxVec3(0, 2, 0), 0.5f, 20.0f);
    NxActor* box = AddBox(*scene, NxVec3(3, 2, 0), NxVec3(0.5f, 0.5f, 0.5f), 20.0f);
    scene.Frames(180);
    // Radius or half height 0.5, less 0.075 of each shape's skin.
    EXPECT_NEAR(ball->getGlobalPosition().y, 0.35, 0.01);
    EXPECT_NEAR(box->getGlobalPosition().y, 0.35, 0.01);
}

TEST(Contact, ShapeTakesTheSkinWidthSetBeforeItIsMade)
{
    TestScene scene(NxVec3(0.0f, -9.81f, 0.0f), 0.025f);
    AddFrictionlessGround(*scene);
    NxActor* ball = AddSphere(*scene, NxVec3(0, 2, 0), 0.5f, 20.0f);
    scene->getPhysicsSDK().setParameter(NX_SKIN_WIDTH, 0.075f);
    scene.Frames(180);
    EXPECT_FLOAT_EQ(ball->getShapes()[0]->getSkinWidth(), 0.025f);
    EXPECT_NEAR(ball->getGlobalPosition().y, 0.45, 0.01); // 0.5 - 2 * 0.025
}

TEST(Contact, BoxPushedOnTheFrictionlessGroundKeepsSliding)
{
    TestScene scene;
    AddFrictionlessGround(*scene);
    NxActor* box = AddBox(*scene, NxVec3(0, 0.35f, 0), NxVec3(0.5f, 0.5f, 0.5f), 10.0f);
    scene.Frames(30);
    box->addForce(NxVec3(600, 0, 0)); // 600 N on 10 kg for 1/60 s: 1 m/s
    scene.Frame();
    const NxReal start = box->getGlobalPosition().x;
    scene.Frames(120);
    EXPECT_NEAR(box->getLinearVelocity().x, 1.0, 0.01);
    EXPECT_NEAR(box->getGlobalPosition().x - start, 2.0, 0.02);
}

// A flat slab (so that friction cannot tip it) of dynamic friction 1.0 with
// `mode`, launched at 1 m/s on the frictionless ground: the two materials
// combine to mu, and it slides 1 / (2 mu g) metres.
double SlideOfGrippySlab(NxCombineMode mode)
{
    TestScene scene;
    AddFrictionlessGround(*scene);
    NxMaterialDesc grip;
    grip.dynamicFriction = 1.0f;
    grip.staticFriction = 1.0f;
    grip.frictionCombineMode = mode;
    const NxMaterialIndex index = scene->createMaterial(grip)->getMaterialIndex();
    NxActor* slab = AddBox(*scene, NxVec3(0, 0.1f, 0), NxVec3(0.5f, 0.15f, 0.5f), 10.0f);
    slab->getShapes()[0]->setMaterial(index);
    scene.Frames(30);
    const NxReal start = slab->getGlobalPosition().x;
    slab->addForce(NxVec3(1, 0, 0), NX_VELOCITY_CHANGE);
    scene.Frames(120);
    EXPECT_NEAR(slab->getLinearVelocity().x, 0.0, 1e-3);
    return slab->getGlobalPosition().x - start;
}

TEST(Contact, FrictionCombinesByAverageUnlessAMaterialAsksForMore)
{
    EXPECT_NEAR(SlideOfGrippySlab(NX_CM_AVERAGE), 1.0 / (2 * 0.5 * 9.81), 0.01); // 0.102 m
    EXPECT_NEAR(SlideOfGrippySlab(NX_CM_MAX), 1.0 / (2 * 1.0 * 9.81), 0.01);     // 0.051 m
}

// A ball of restitution 1.0 with `mode` dropped `height` metres onto the
// dead ground: its speed up after the bounce over its speed down before it.
double ReboundOfRubberBall(NxCombineMode mode, NxReal height)
{
    TestScene scene;
    AddFrictionlessGround(*scene);
    NxMaterialDesc rubber;
    rubber.restitution = 1.0f;
    rubber.restitutionCombineMode = mode;
    const NxMaterialIndex index = scene->createMaterial(rubber)->getMaterialIndex();
    NxActor* ball = AddSphere(*scene, NxVec3(0, 0.35f + height, 0), 0.5f, 1.0f);
    ball->getShapes()[0]->setMaterial(index);
    NxReal down = 0, up = 0;
    for (int frame = 0; frame < 120; ++frame)
    {
        scene.Frame();
        const NxReal v = ball->getLinearVelocity().y;
        down = std::min(down, v);
        if (down < 0)
            up = std::max(up, v);
    }
    return -up / down;
}

TEST(Contact, RestitutionCombinesAndSlowApproachesDoNotBounce)
{
    // Dropped 1 m, it meets the ground at sqrt(2 g) = 4.4 m/s and sinks up to
    // 7 cm into it within a step; pushing it back out adds up to 0.1 of the
    // speed of impact.
    EXPECT_NEAR(ReboundOfRubberBall(NX_CM_AVERAGE, 1.0f), 0.5, 0.1); // (1 + 0) / 2
    EXPECT_LT(ReboundOfRubberBall(NX_CM_MIN, 1.0f), 0.1);            // min(1, 0)
    // Dropped 0.1 m it meets the ground at 1.4 m/s, below the SDK's bounce
    // threshold of 2 m/s.
    EXPECT_LT(ReboundOfRubberBall(NX_CM_AVERAGE, 0.1f), 0.1);
}

// Two overlapping spheres in empty space, and whether they are pushed apart.
struct Overlap
{
    TestScene scene{NxVec3(0, 0, 0)};
    NxActor* a = AddSphere(*scene, NxVec3(0, 0, 0), 0.5f, 1.0f);
    NxActor* b = AddSphere(*scene, NxVec3(0.3f, 0, 0), 0.5f, 1.0f);

    // Contact points at any of 60 steps.
    int ContactsOverOneSecond()
    {
        int contacts = 0;
        for (int frame = 0; frame < 60; ++frame)
        {
            scene.Frame();
            contacts += ContactPointCount(*scene, *a, *b);
        }
        return contacts;
    }
    double Gap() const { return b->getGlobalPosition().x - a->getGlobalPosition().x; }
};

TEST(Contact, OverlappingBodiesArePushedApart)
{
    Overlap overlap;
    EXPECT_GT(overlap.ContactsOverOneSecond(), 0);
    EXPECT_GT(overlap.Gap(), 0.6); // the shrunk radii, 0.425 each, no longer overlap
}

TEST(Contact, IgnoredActorPairNeverCollides)
{
    Overlap overlap;
    overlap.scene->setActorPairFlags(*overlap.b, *overlap.a, NX_IGNORE_PAIR);
    EXPECT_EQ(overlap.scene->getActorPairFlags(*overlap.a, *overlap.b), NxU32(NX_IGNORE_PAIR));
    EXPECT_EQ(overlap.ContactsOverOneSecond(), 0);
    EXPECT_FLOAT_EQ(overlap.Gap(), 0.3f);
}

TEST(Contact, IgnoredShapePairNeverCollides)
{
    Overlap overlap;
    overlap.scene->setShapePairFlags(*overlap.a->getShapes()[0], *overlap.b->getShapes()[0],
                                     NX_IGNORE_PAIR);
    EXPECT_EQ(overlap.ContactsOverOneSecond(), 0);
    EXPECT_FLOAT_EQ(overlap.Gap(), 0.3f);
}

TEST(Contact, PairIgnoredAfterContactStopsCollidingAndClearingBringsItBack)
{
    Overlap overlap;
    overlap.b->setGlobalPosition(NxVec3(0.84f, 0, 0)); // the shrunk spheres just touch
    overlap.scene.Frame();
    ASSERT_GT(ContactPointCount(*overlap.scene, *overlap.a, *overlap.b), 0);
    overlap.scene->setActorPairFlags(*overlap.a, *overlap.b, NX_IGNORE_PAIR);
    overlap.b->setGlobalPosition(NxVec3(0.3f, 0, 0));
    overlap.b->setLinearVelocity(NxVec3(0, 0, 0));
    overlap.a->setLinearVelocity(NxVec3(0, 0, 0));
    EXPECT_EQ(overlap.ContactsOverOneSecond(), 0);
    // Cleared, the pair meets again once the bodies are awake (still, they
    // have fallen asleep meanwhile).
    overlap.scene->setActorPairFlags(*overlap.a, *overlap.b, 0);
    overlap.a->wakeUp();
    EXPECT_GT(overlap.ContactsOverOneSecond(), 0);
}

TEST(Contact, BallFallsThroughAnIgnoredBoxOntoTheGround)
{
    TestScene scene;
    AddFrictionlessGround(*scene);
    NxActor* box = AddBox(*scene, NxVec3(0, 0.35f, 0), NxVec3(2, 0.5f, 2), 100.0f);
    NxActor* ball = AddSphere(*scene, NxVec3(0, 3, 0), 0.5f, 20.0f);
    scene->setShapePairFlags(*box->getShapes()[0], *ball->getShapes()[0], NX_IGNORE_PAIR);
    int contacts = 0;
    for (int frame = 0; frame < 120; ++frame)
    {
        scene.Frame();
        contacts += ContactPointCount(*scene, *box, *ball);
    }
    EXPECT_EQ(contacts, 0);
    EXPECT_NEAR(ball->getGlobalPosition().y, 0.35, 0.01);
    EXPECT_NEAR(box->getGlobalPosition().y, 0.35, 0.01);
}

TEST(Contact, PairFlagsRefuseOtherFlagsAndOneActorTwice)
{
    Overlap overlap;
    compat::physx::ClearLastError();
    overlap.scene->setActorPairFlags(*overlap.a, *overlap.b, 1u << 1);
    EXPECT_NE(compat::physx::LastError().find("flags 0x2"), std::string::npos);
    overlap.scene->setActorPairFlags(*overlap.a, *overlap.a, NX_IGNORE_PAIR);
    EXPECT_NE(compat::physx::LastError().find("one actor twice"), std::string::npos);
    EXPECT_EQ(overlap.scene->getActorPairFlags(*overlap.a, *overlap.b), 0u);

    TestScene other;
    NxActor* stranger = AddSphere(*other, NxVec3(0, 0, 0), 0.5f, 1.0f);
    overlap.scene->setActorPairFlags(*overlap.a, *stranger, NX_IGNORE_PAIR);
    EXPECT_NE(compat::physx::LastError().find("not one of this scene's"), std::string::npos);
}

} // namespace
