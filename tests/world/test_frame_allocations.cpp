// The frame loop allocates nothing once running: 1000 frames of the whole
// shell on the recording backend, with keys held, counted by a replaced
// operator new.
#include "WorldFixture.h"

#include "app/App.h"
#include "platform/Graphics.h"
#include "platform/Window.h"

#include <compat/dinput.h>
#include <compat/win32.h>

#include <dinput.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace
{
std::atomic<long> g_allocations{0};
} // namespace

// Every form of new counts and allocates with malloc; every form of delete
// frees, so the pairs match whichever form the code uses.
namespace
{
void* Allocate(std::size_t size)
{
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
} // namespace

void* operator new(std::size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    if (void* p = Allocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    return Allocate(size);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete[](void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}

TEST_F(WorldTest, ThousandFramesAllocateNothing)
{
    WriteArt();
    // The shell makes its own window and device: drop the fixture's.
    delete m_graphics;
    m_graphics = nullptr;
    delete m_window;
    m_window = nullptr;
    compat::win32::ResetForTests();
    compat::win32::SetVirtualScreenSize(1920, 1080);
    compat::win32::UseVirtualClock(1'000'000);

    ASSERT_TRUE(AppInit());
    const int keys[] = {DIK_E, DIK_EQUALS, DIK_LEFT, DIK_UP, DIK_DELETE, DIK_S, DIK_F3, DIK_P};
    auto frame = [&](int i)
    {
        compat::dinput::ReleaseScriptedKeys();
        compat::dinput::SetScriptedKey(keys[i % 8], true);
        compat::win32::AdvanceVirtualClock(16'667);
        return AppFrame();
    };
    for (int i = 0; i < 60; ++i) // warm up
        ASSERT_TRUE(frame(i));
    const long before = g_allocations.load();
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(frame(i));
    EXPECT_EQ(g_allocations.load() - before, 0);
    AppRelease();
}
