// The flight step: turns in proportion to the distance, the forward move
// along the node's own z axis, the sink while airborne and the floor.
#include "HandMatrix.h"
#include "scene/PoseNode.h"

#include <gtest/gtest.h>

TEST(Fly, AtHeightZeroWithoutDistanceOnlyLiftsToTheFloor)
{
    CPoseNode node;
    // With distance 0 every turn is 0 degrees or skipped: no change at all.
    node.Fly(25, -27, 19, 0);
    EXPECT_EQ(node.GetWorldOrientation(false), D3DXQUATERNION(0, 0, 0, 1));
    EXPECT_EQ(node.GetWorldPosition(false), D3DXVECTOR3(0, 1, 0));
}

TEST(Fly, DistanceFiveMovesAHundredthOfItForward)
{
    CPoseNode node;
    node.SetPosition(0, 1, 0);
    // 5 / 100 = 0.05 along the unturned z axis; 1.0 is neither above the
    // airborne height nor below the floor.
    node.Fly(0, 0, 0, 5);
    EXPECT_EQ(node.GetWorldPosition(false), D3DXVECTOR3(0, 1, 0.05f));
    EXPECT_EQ(node.GetWorldOrientation(false), D3DXQUATERNION(0, 0, 0, 1));
}

TEST(Fly, OnTheGroundTheRollIsIgnored)
{
    CPoseNode node;
    node.SetPosition(0, 1, 0);
    node.Fly(0, 0, 40, 5);
    EXPECT_EQ(node.GetWorldOrientation(false), D3DXQUATERNION(0, 0, 0, 1));
    EXPECT_EQ(node.GetWorldPosition(false), D3DXVECTOR3(0, 1, 0.05f));
}

TEST(Fly, AirborneTheRollActsAndTheNodeSinksAfterTheMove)
{
    CPoseNode node;
    node.SetPosition(0, 1.2f, 0);
    // Roll 40 / 200 × 5 = 1 degree about z; z stays forward, so the move is
    // (0, 0, 0.05); then 1.2 - 0.0045 = 1.1955.
    node.Fly(0, 0, 40, 5);
    hand::ExpectOrientation(node.GetWorldOrientation(false), hand::Turn('z', 1), 1e-6);
    const D3DXVECTOR3 position = node.GetWorldPosition(false);
    EXPECT_NEAR(position.x, 0.0f, 1e-7f);
    EXPECT_FLOAT_EQ(position.y, 1.1955f);
    EXPECT_FLOAT_EQ(position.z, 0.05f);
}

TEST(Fly, SinkIsDecidedByTheHeightAfterTheMove)
{
    CPoseNode node;
    node.SetPosition(0, 1.105f, 0);
    // Nose 30 degrees down: forward is (0, -sin 30, cos 30) = (0, -0.5,
    // 0.866). Distance 2 moves 0.02 of it: y 1.105 - 0.01 = 1.095, no
    // longer above 1.1, so no sink (sinking first would give 1.0905).
    node.Rotate(1, 0, 0, 30);
    node.Fly(0, 0, 0, 2);
    const D3DXVECTOR3 position = node.GetWorldPosition(false);
    EXPECT_NEAR(position.y, 1.095f, 1e-6f);
    EXPECT_NEAR(position.z, 0.0173205f, 1e-6f);
}

TEST(Fly, TurnsRollThenPitchThenYawAboutTheOwnAxes)
{
    CPoseNode node;
    node.SetPosition(4, 5, 6);
    node.Rotate(0, 1, 0, 30);
    // Distance 10: roll 60 / 200 × 10 = 3°, pitch 20 / 200 × 10 = 1°,
    // yaw -40 / 200 × 10 = -2°. Each turn goes in front of what is there.
    node.Fly(20, -40, 60, 10);
    const hand::Matrix turned =
        hand::Turn('y', -2) * hand::Turn('x', 1) * hand::Turn('z', 3) * hand::Turn('y', 30);
    hand::ExpectOrientation(node.GetWorldOrientation(false), turned, 1e-6);
    // Forward is the third row of the new orientation, 10 / 100 of it; then
    // the sink, 5 being airborne.
    const hand::Matrix expected = hand::Move(
        4 + 0.1 * turned.m[2][0], 5 + 0.1 * turned.m[2][1] - 0.0045, 6 + 0.1 * turned.m[2][2]);
    hand::ExpectPosition(node.GetWorldPosition(false), expected, 1e-6);
}

TEST(Fly, FloorHoldsANoseDownNode)
{
    CPoseNode node;
    node.SetPosition(0, 1, 0);
    node.Rotate(1, 0, 0, 90); // forward is straight down
    node.Fly(0, 0, 0, 50);
    const D3DXVECTOR3 position = node.GetWorldPosition(false);
    EXPECT_EQ(position.y, 1.0f);
    EXPECT_NEAR(position.z, 0.0f, 1e-6f);
}
