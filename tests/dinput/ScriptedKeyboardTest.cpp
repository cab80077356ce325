// The scripted keyboard: keys and the foreground as a test or the capture
// tool sets them.
#include "DinputTest.h"

namespace dinput_test
{
namespace
{

class ScriptedKeyboardTest : public DinputTest
{
protected:
    void SetUp() override
    {
        DinputTest::SetUp();
        compat::dinput::UseScriptedKeyboard(true);
        CreateKeyboard();
    }
};

TEST_F(ScriptedKeyboardTest, AllKeysAreUpBeforeAnyIsScripted)
{
    KeyState keys = Untouched();
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys, KeyState{});
}

TEST_F(ScriptedKeyboardTest, ScriptedKeysReadBackWithBit7)
{
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_ESCAPE, true));
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_NEXT, true));
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_EQUALS, true));
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_EQUALS, false));
    KeyState keys = Untouched();
    ASSERT_EQ(Poll(keys), DI_OK);
    KeyState expected{};
    expected[DIK_ESCAPE] = 0x80;
    expected[DIK_NEXT] = 0x80;
    EXPECT_EQ(keys, expected);

    compat::dinput::ReleaseScriptedKeys();
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys, KeyState{});
}

TEST_F(ScriptedKeyboardTest, CodesOutsideTheTableAreRefused)
{
    EXPECT_FALSE(compat::dinput::SetScriptedKey(0, true));
    EXPECT_FALSE(compat::dinput::SetScriptedKey(256, true));
    EXPECT_FALSE(compat::dinput::SetScriptedKey(-1, true));
    EXPECT_STRNE(compat::dinput::LastFailure(), "");
    KeyState keys = Untouched();
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys, KeyState{});
}

TEST_F(ScriptedKeyboardTest, LostFocusFailsTheReadAndLeavesTheTable)
{
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_LEFT, true));
    KeyState keys{};
    ASSERT_EQ(Poll(keys), DI_OK);
    ASSERT_EQ(keys[DIK_LEFT], 0x80);

    compat::dinput::SetScriptedFocus(false);
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_RIGHT, true));
    const KeyState before = keys;
    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_INPUTLOST);
    EXPECT_EQ(keys, before);
    // The loss unacquired the device, and acquiring waits for the foreground.
    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_NOTACQUIRED);
    EXPECT_EQ(device->Acquire(), DIERR_OTHERAPPHASPRIO);
    EXPECT_EQ(Poll(keys), DIERR_NOTACQUIRED);
    EXPECT_EQ(keys, before);

    compat::dinput::SetScriptedFocus(true);
    ASSERT_EQ(Poll(keys), DI_OK) << "the next poll acquires again";
    EXPECT_EQ(keys[DIK_LEFT], 0x80);
    EXPECT_EQ(keys[DIK_RIGHT], 0x80);
}

TEST_F(ScriptedKeyboardTest, FocusLostAndBackBetweenReadsStillLosesInput)
{
    KeyState keys{};
    ASSERT_EQ(Poll(keys), DI_OK);
    compat::dinput::SetScriptedFocus(false);
    compat::dinput::SetScriptedFocus(true);
    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_INPUTLOST);
    EXPECT_EQ(Poll(keys), DI_OK);
}

TEST_F(ScriptedKeyboardTest, BackgroundDeviceIgnoresTheFocus)
{
    ASSERT_EQ(device->SetCooperativeLevel(window, DISCL_NONEXCLUSIVE | DISCL_BACKGROUND), DI_OK);
    compat::dinput::SetScriptedFocus(false);
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_F1, true));
    KeyState keys{};
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys[DIK_F1], 0x80);
}

TEST_F(ScriptedKeyboardTest, DestroyedWindowIsNeverInTheForeground)
{
    KeyState keys{};
    ASSERT_EQ(Poll(keys), DI_OK);
    ASSERT_TRUE(DestroyWindow(window));
    EXPECT_EQ(device->GetDeviceState(256, keys.data()), DIERR_INPUTLOST);
    EXPECT_EQ(device->Acquire(), DIERR_OTHERAPPHASPRIO);
}

TEST_F(ScriptedKeyboardTest, ResetReleasesKeysAndRestoresTheForeground)
{
    ASSERT_TRUE(compat::dinput::SetScriptedKey(DIK_A, true));
    compat::dinput::SetScriptedFocus(false);
    compat::dinput::ResetForTests();
    compat::dinput::UseScriptedKeyboard(true);
    KeyState keys = Untouched();
    ASSERT_EQ(Poll(keys), DI_OK);
    EXPECT_EQ(keys, KeyState{});
}

} // namespace
} // namespace dinput_test
