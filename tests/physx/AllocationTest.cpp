// The frame loop's physics calls allocate nothing once running: every
// operator new and every allocation of Bullet's is counted while the aircraft
// scene is stepped, pushed, put back and read for 1000 frames.
#include "PhysxTestSupport.h"
#include "AllocationCounter.h"

#include <LinearMath/btAlignedAllocator.h>
#include <gtest/gtest.h>

#include <cmath>

namespace
{
// Bullet's own allocations go through the counted operator new too.
void* CountedBulletAlloc(size_t size)
{
    return ::operator new(size);
}
void BulletFree(void* memory)
{
    ::operator delete(memory);
}
} // namespace

namespace
{

TEST(Allocation, FrameLoopCallsAllocateNothingOnceRunning)
{
    btAlignedAllocSetCustom(CountedBulletAlloc, BulletFree);
    const std::size_t empty = test::AllocationCount();
    physx_test::TestScene scene;
    EXPECT_GT(test::AllocationCount(), empty); // the counting sees the scene being made
    physx_test::AddFrictionlessGround(*scene);
    const physx_test::Aircraft aircraft = physx_test::AddAircraft(*scene);
    NxActor* bodies[4] = {aircraft.fuselage, aircraft.frontWheel, aircraft.leftWheel,
                          aircraft.rightWheel};
    const NxVec3 starts[4] = {physx_test::kFuselageStart, physx_test::kFrontWheelStart,
                              physx_test::kLeftWheelStart, physx_test::kRightWheelStart};

    // What the frame loop does: now and then put the bodies back (R) or push
    // the fuselage down (P), step by the frame's time, read the poses.
    const auto frame = [&](int i)
    {
        if (i % 400 == 0)
            for (int b = 0; b < 4; ++b)
                bodies[b]->setGlobalPosition(starts[b]);
        if (i % 400 > 300)
            aircraft.fuselage->addForce(NxVec3(0, -900, 0), NX_FORCE, true);
        scene->simulate(i % 7 ? 1.0f / 60.0f : 0.03f);
        scene->flushStream();
        scene->fetchResults(NX_RIGID_BODY_FINISHED, true);
        float sum = 0;
        for (NxActor* body : bodies)
        {
            sum += body->getGlobalPosition().y;
            sum += body->getGlobalOrientationQuat().w;
        }
        return sum;
    };
    float sink = 0;
    for (int i = 0; i < 1200; ++i) // warm up: every kind of frame once
        sink += frame(i);
    const std::size_t before = test::AllocationCount();
    for (int i = 0; i < 1000; ++i)
        sink += frame(i);
    EXPECT_EQ(test::AllocationCount() - before, 0u);
    EXPECT_TRUE(std::isfinite(sink));
}

} // namespace
