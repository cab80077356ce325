// Pose nodes: local turns, world queries through the parent chain, copies,
// and the refusal of cycles and bad numbers.
#include "HandMatrix.h"
#include "scene/PoseNode.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace
{
void ExpectVector(const D3DXVECTOR3& v, float x, float y, float z, float tolerance = 1e-5f)
{
    EXPECT_NEAR(v.x, x, tolerance);
    EXPECT_NEAR(v.y, y, tolerance);
    EXPECT_NEAR(v.z, z, tolerance);
}
} // namespace

TEST(PoseNodeWorld, NodeWithoutParentIsItsOwnWorldPose)
{
    CPoseNode node;
    ExpectVector(node.GetWorldPosition(false), 0, 0, 0, 0);
    EXPECT_EQ(node.GetWorldOrientation(false), D3DXQUATERNION(0, 0, 0, 1));
    node.SetPosition(3, -4, 5);
    node.Rotate(0, 0, 1, 30);
    EXPECT_EQ(node.GetWorldPosition(false), D3DXVECTOR3(3, -4, 5));
    EXPECT_EQ(node.GetWorldOrientation(false), node.GetWorldOrientation(true));
}

TEST(PoseNodeWorld, ParentTurnedHalfwayRoundMirrorsTheChild)
{
    CPoseNode parent;
    parent.Rotate(0, 1, 0, 180);
    CPoseNode child;
    child.SetPosition(0, 1, -15);
    ASSERT_TRUE(child.SetParent(&parent));
    // 180° about y takes (x, y, z) to (-x, y, -z); the angle 180 × 0.017453292
    // misses pi by 9e-8, so 15 × that is the rounding to allow.
    ExpectVector(child.GetWorldPosition(false), 0, 1, 15);
    // The local pose is untouched by the parent.
    EXPECT_EQ(child.GetWorldPosition(true), D3DXVECTOR3(0, 1, -15));
}

TEST(PoseNodeWorld, RotateTurnsAboutTheNodesOwnAxis)
{
    CPoseNode node;
    node.Rotate(0, 1, 0, 90);
    // After 90° about y the node's x axis points along the parent's -z.
    hand::ExpectOrientation(node.GetWorldOrientation(true), hand::Turn('y', 90));
    node.Rotate(1, 0, 0, 90);
    // Own axes in the parent's frame, by hand: x stays (0, 0, -1); the own
    // y axis turns onto the old z, (1, 0, 0); forward (z) goes to -y. A turn
    // about the parent's x instead would send x to (0, 1, 0).
    const hand::Matrix expected = {{{0, 0, -1, 0}, {1, 0, 0, 0}, {0, -1, 0, 0}, {0, 0, 0, 1}}};
    hand::ExpectOrientation(node.GetWorldOrientation(true), expected);
}

TEST(PoseNodeWorld, MoveIsInTheParentsFrameWhateverTheOrientation)
{
    CPoseNode node;
    node.SetPosition(1, 2, 3);
    node.Rotate(0, 1, 0, 90);
    node.Rotate(1, 0, 0, 45);
    node.Move(0.5f, -1, 2);
    EXPECT_EQ(node.GetWorldPosition(true), D3DXVECTOR3(1.5f, 1, 5));
}

TEST(PoseNodeWorld, FourLevelChainMatchesMatricesComposedByHand)
{
    CPoseNode root, body, wing, tip;
    root.SetPosition(1, 2, 3);
    root.Rotate(0, 1, 0, 30);
    body.SetPosition(0, 1, -15);
    body.Rotate(1, 0, 0, 90);
    wing.SetPosition(2, 0, 0);
    wing.Rotate(0, 0, 1, 45);
    wing.Rotate(1, 0, 0, 20);
    tip.SetPosition(0.5f, -1, 4);
    tip.Rotate(0, 1, 0, -60);
    ASSERT_TRUE(body.SetParent(&root));
    ASSERT_TRUE(wing.SetParent(&body));
    ASSERT_TRUE(tip.SetParent(&wing));

    // Each node's matrix is its turns (the later one first, as each turns
    // about the node's own axis) then its move; the world matrix is the
    // node's matrix followed by its parent's world matrix.
    using hand::Move;
    using hand::Turn;
    const hand::Matrix rootWorld = Turn('y', 30) * Move(1, 2, 3);
    const hand::Matrix bodyWorld = Turn('x', 90) * Move(0, 1, -15) * rootWorld;
    const hand::Matrix wingWorld = Turn('x', 20) * Turn('z', 45) * Move(2, 0, 0) * bodyWorld;
    const hand::Matrix tipWorld = Turn('y', -60) * Move(0.5, -1, 4) * wingWorld;

    hand::ExpectPosition(body.GetWorldPosition(false), bodyWorld);
    hand::ExpectPosition(wing.GetWorldPosition(false), wingWorld);
    hand::ExpectPosition(tip.GetWorldPosition(false), tipWorld);
    hand::ExpectOrientation(wing.GetWorldOrientation(false), wingWorld);
    hand::ExpectOrientation(tip.GetWorldOrientation(false), tipWorld);
}

TEST(PoseNodeCopies, CopyTakesParentPoseAndSpeed)
{
    CPoseNode parent;
    parent.SetPosition(0, 0, 10);
    CPoseNode node;
    ASSERT_TRUE(node.SetParent(&parent));
    node.SetPosition(1, 0, 0);
    node.Rotate(0, 0, 1, 90);
    CPoseNode copy;
    copy = node;
    EXPECT_EQ(copy.GetWorldPosition(false), D3DXVECTOR3(1, 0, 10));
    EXPECT_EQ(copy.GetWorldOrientation(true), node.GetWorldOrientation(true));
    // Copying a new node over it resets it, parent included.
    copy = CPoseNode();
    EXPECT_EQ(copy.GetWorldPosition(false), D3DXVECTOR3(0, 0, 0));
    EXPECT_EQ(copy.GetWorldOrientation(false), D3DXQUATERNION(0, 0, 0, 1));
}

TEST(PoseNodeInput, ParentChainsStayFreeOfCycles)
{
    CPoseNode a, b, c;
    ASSERT_TRUE(b.SetParent(&a));
    ASSERT_TRUE(c.SetParent(&b));
    for (CPoseNode* bad : {&a, &b, &c})
    {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(a.SetParent(bad));
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_NE(error.find("SetParent"), std::string::npos) << error;
    }
    // Copying c (whose parent is b) over b would make b its own parent.
    c.SetPosition(7, 7, 7);
    testing::internal::CaptureStderr();
    b = c;
    EXPECT_NE(testing::internal::GetCapturedStderr().find("own ancestor"), std::string::npos);
    EXPECT_EQ(c.GetWorldPosition(false), D3DXVECTOR3(7, 7, 7));
    // Re-parenting onto an unrelated node and back to none is fine.
    CPoseNode other;
    EXPECT_TRUE(a.SetParent(&other));
    EXPECT_TRUE(a.SetParent(nullptr));
}

TEST(PoseNodeInput, NonFiniteNumbersAndZeroAxesChangeNothing)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    CPoseNode node;
    node.SetPosition(1, 2, 3);
    node.Rotate(0, 1, 0, 10);
    const D3DXQUATERNION turned = node.GetWorldOrientation(false);

    testing::internal::CaptureStderr();
    node.SetPosition(nan, 0, 0);
    node.Move(0, inf, 0);
    node.Rotate(0, 0, 0, 90);
    node.Rotate(1, 0, 0, nan);
    node.Fly(0, 0, 0, inf);
    const std::string errors = testing::internal::GetCapturedStderr();
    for (const char* what : {"SetPosition", "Move", "Rotate: the axis", "Rotate: arguments", "Fly"})
        EXPECT_NE(errors.find(what), std::string::npos) << what << " in " << errors;

    EXPECT_EQ(node.GetWorldPosition(false), D3DXVECTOR3(1, 2, 3));
    EXPECT_EQ(node.GetWorldOrientation(false), turned);
}
