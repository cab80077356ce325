// Which backend a device gets: the display decides until SetBackend does.
#include "GlTest.h"
#include "ScopedVideoDriver.h"

#include "opengl/gl_statistics.h"

#include <SDL.h>

namespace gl_test
{
namespace
{

bool DrawsWithOpenGL(IDirect3DDevice9* device)
{
    compat::d3d9::opengl::GlStatistics statistics;
    return compat::d3d9::opengl::StatisticsOf(device, statistics);
}

class BackendChoice : public GlTest
{
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        compat::d3d9::ResetForTests(); // forget the fixture's SetBackend
    }
};

TEST_F(BackendChoice, WithoutADisplayTheDefaultIsRecording)
{
    ASSERT_EQ(SDL_WasInit(SDL_INIT_VIDEO), 0u);
    EXPECT_EQ(compat::d3d9::CurrentBackend(), compat::d3d9::Backend::Recording);
}

TEST_F(BackendChoice, OnceAWindowCanBeShownTheDefaultIsOpenGL)
{
    MakeWindowAndDevice(32, 32);
    EXPECT_EQ(compat::d3d9::CurrentBackend(), compat::d3d9::Backend::OpenGL);
    ASSERT_NE(device_, nullptr);
    EXPECT_TRUE(DrawsWithOpenGL(device_));
    EXPECT_TRUE(compat::d3d9::RecordedCalls().empty()) << "OpenGL devices record nothing";
}

TEST_F(BackendChoice, SetBackendOverridesTheDisplay)
{
    compat::d3d9::SetBackend(compat::d3d9::Backend::Recording);
    MakeWindowAndDevice(32, 32);
    EXPECT_EQ(compat::d3d9::CurrentBackend(), compat::d3d9::Backend::Recording);
    ASSERT_NE(device_, nullptr);
    EXPECT_FALSE(DrawsWithOpenGL(device_));
    EXPECT_FALSE(compat::d3d9::RecordedCalls().empty());
}

TEST_F(BackendChoice, SdlsDummyDriverGetsRecording)
{
    const test::ScopedVideoDriver dummy("dummy");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    EXPECT_EQ(compat::d3d9::CurrentBackend(), compat::d3d9::Backend::Recording);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace
} // namespace gl_test
