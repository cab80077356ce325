// The keyboard snapshot on the scripted keyboard.
#include "ShellFixture.h"

#include "platform/Keyboard.h"
#include "platform/Window.h"

#include <compat/dinput.h>

namespace
{
class KeyboardTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_NE(m_window.Create(L"Zarv", nullptr, nullptr), nullptr);
        ASSERT_TRUE(m_keyboard.Create(m_window.GetHandle(), GetModuleHandleW(nullptr)));
    }

    CWindow m_window;
    CKeyboard m_keyboard;
};
} // namespace

TEST_F(KeyboardTest, AllKeysAreUpBeforeTheFirstPoll)
{
    compat::dinput::SetScriptedKey(DIK_ESCAPE, true);
    for (int key = 0; key < 256; ++key)
        EXPECT_FALSE(m_keyboard.IsKeyDown(key)) << key;
}

TEST_F(KeyboardTest, PollTakesTheHeldKeys)
{
    compat::dinput::SetScriptedKey(DIK_ESCAPE, true);
    compat::dinput::SetScriptedKey(DIK_NEXT, true);
    ASSERT_TRUE(m_keyboard.Poll());
    EXPECT_TRUE(m_keyboard.IsKeyDown(DIK_ESCAPE));
    EXPECT_TRUE(m_keyboard.IsKeyDown(DIK_NEXT));
    EXPECT_FALSE(m_keyboard.IsKeyDown(DIK_R));

    compat::dinput::SetScriptedKey(DIK_ESCAPE, false);
    ASSERT_TRUE(m_keyboard.Poll());
    EXPECT_FALSE(m_keyboard.IsKeyDown(DIK_ESCAPE));
    EXPECT_TRUE(m_keyboard.IsKeyDown(DIK_NEXT));
}

TEST_F(KeyboardTest, BitSevenAloneDecides)
{
    compat::dinput::SetScriptedKeyState(DIK_ESCAPE, 0x7F);
    compat::dinput::SetScriptedKeyState(DIK_R, 0x81);
    compat::dinput::SetScriptedKeyState(DIK_P, 0x80);
    ASSERT_TRUE(m_keyboard.Poll());
    EXPECT_FALSE(m_keyboard.IsKeyDown(DIK_ESCAPE));
    EXPECT_TRUE(m_keyboard.IsKeyDown(DIK_R));
    EXPECT_TRUE(m_keyboard.IsKeyDown(DIK_P));
}

TEST_F(KeyboardTest, FailedPollKeepsTheOldSnapshotUntilAPollSucceeds)
{
    compat::dinput::SetScriptedKey(DIK_P, true);
    ASSERT_TRUE(m_keyboard.Poll());

    // Another window takes the foreground while P is still held, then P is let go.
    compat::dinput::SetScriptedFocus(false);
    compat::dinput::SetScriptedKey(DIK_P, false);
    EXPECT_FALSE(m_keyboard.Poll());
    EXPECT_TRUE(m_keyboard.IsKeyDown(DIK_P));

    // Back in the foreground: the next poll re-acquires and reads again.
    compat::dinput::SetScriptedFocus(true);
    EXPECT_TRUE(m_keyboard.Poll());
    EXPECT_FALSE(m_keyboard.IsKeyDown(DIK_P));
}

TEST(KeyboardWithoutDevice, PollFailsAndEveryKeyReadsUp)
{
    CKeyboard keyboard;
    EXPECT_FALSE(keyboard.Poll());
    EXPECT_FALSE(keyboard.IsKeyDown(DIK_ESCAPE));
}
