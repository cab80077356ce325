// The frame loop allocates nothing once running: 1000 frames of the whole
// shell on the recording backend, with keys held, counted by the shared
// allocation counter.
#include "AllocationCounter.h"
#include "Headless.h"
#include "WorldFixture.h"

#include "app/App.h"
#include "platform/Graphics.h"
#include "platform/Window.h"

#include <compat/dinput.h>

#include <dinput.h>

TEST_F(WorldTest, ThousandFramesAllocateNothing)
{
    WriteArt();
    // The shell makes its own window and device: drop the fixture's.
    delete m_graphics;
    m_graphics = nullptr;
    delete m_window;
    m_window = nullptr;
    host::ResetStandIns();
    host::Headless shell;
    shell.backend = compat::d3d9::Backend::Recording;
    shell.SetUp();

    ASSERT_TRUE(AppInit());
    const int keys[] = {DIK_E, DIK_EQUALS, DIK_LEFT, DIK_UP, DIK_DELETE, DIK_S, DIK_F3, DIK_P};
    auto frame = [&](int i)
    {
        compat::dinput::ReleaseScriptedKeys();
        compat::dinput::SetScriptedKey(keys[i % 8], true);
        return host::RunFrame();
    };
    for (int i = 0; i < 60; ++i) // warm up
        ASSERT_TRUE(frame(i));
    const std::size_t before = test::AllocationCount();
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(frame(i));
    EXPECT_EQ(test::AllocationCount() - before, 0u);
    AppRelease();
}
