// Which keys the script holds in which frames.
#include "KeyScript.h"

#include <compat/dinput.h>

#include <gtest/gtest.h>

#include <vector>

namespace
{

using capture::KeyHold;
using capture::KeyScript;

TEST(CaptureKeyScript, HoldsAKeyFromItsFirstToItsLastFrameInclusive)
{
    const std::vector<KeyHold> holds{{DIK_E, "E", 3, 5}};
    const KeyScript script(holds);
    EXPECT_FALSE(script.IsHeld(DIK_E, 2));
    EXPECT_TRUE(script.IsHeld(DIK_E, 3));
    EXPECT_TRUE(script.IsHeld(DIK_E, 5));
    EXPECT_FALSE(script.IsHeld(DIK_E, 6));
    EXPECT_FALSE(script.IsHeld(DIK_R, 4));
}

TEST(CaptureKeyScript, SeveralRangesOfOneKeyAddUpAndKeysStayApart)
{
    const std::vector<KeyHold> holds{
        {DIK_P, "P", 0, 1}, {DIK_R, "R", 1, 1}, {DIK_P, "P", 4, 6}, {DIK_P, "P", 5, 8}};
    const KeyScript script(holds);
    const bool expectedP[] = {true, true, false, false, true, true, true, true, true, false};
    for (long frame = 0; frame < 10; ++frame)
    {
        EXPECT_EQ(script.IsHeld(DIK_P, frame), expectedP[frame]) << "frame " << frame;
        EXPECT_EQ(script.IsHeld(DIK_R, frame), frame == 1) << "frame " << frame;
    }
    ASSERT_EQ(script.Keys().size(), 2u);
    EXPECT_EQ(script.Keys()[0], DIK_P);
    EXPECT_EQ(script.Keys()[1], DIK_R);
}

TEST(CaptureKeyScript, AnEmptyScriptHoldsNothing)
{
    const KeyScript script({});
    EXPECT_TRUE(script.Keys().empty());
    EXPECT_FALSE(script.IsHeld(DIK_ESCAPE, 0));
}

} // namespace
