// Start-up: the device state the shell sets, and what a failure looks like.
#include "ShellFixture.h"
#include "ScratchFolder.h"

#include "app/FrameTimer.h"
#include "platform/Graphics.h"
#include "platform/Window.h"

#include <compat/d3d9.h>
#include <compat/dinput.h>
#include <compat/win32.h>

#include <algorithm>
#include <filesystem>
#include <cmath>

namespace
{
const compat::d3d9::RecordedCall*
TransformCall(const std::vector<compat::d3d9::RecordedCall>& calls, D3DTRANSFORMSTATETYPE state)
{
    for (const auto& call : calls)
        if (call.ints[0] == state)
            return &call;
    return nullptr;
}
} // namespace

TEST_F(ShellTest, StartUpSetsTransformsLightAmbientAndFilters)
{
    ASSERT_TRUE(AppInit());
    const auto transforms = CallsNamed("SetTransform");
    ASSERT_EQ(transforms.size(), 3u);

    const auto* world = TransformCall(transforms, D3DTS_WORLD);
    ASSERT_NE(world, nullptr);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_FLOAT_EQ(world->matrix.m[r][c], r == c ? 1.0f : 0.0f);

    // Eye (0, 2.5, -10) looking at the origin: no sideways turn, the eye
    // 10.3078 units behind the origin along the view axis.
    const auto* view = TransformCall(transforms, D3DTS_VIEW);
    ASSERT_NE(view, nullptr);
    const float distance = std::sqrt(2.5f * 2.5f + 10.0f * 10.0f);
    EXPECT_FLOAT_EQ(view->matrix._11, 1.0f);
    EXPECT_NEAR(view->matrix._22, 10.0f / distance, 1e-6);
    EXPECT_NEAR(view->matrix._23, -2.5f / distance, 1e-6);
    EXPECT_NEAR(view->matrix._33, 10.0f / distance, 1e-6);
    EXPECT_NEAR(view->matrix._42, 0.0f, 1e-5);
    EXPECT_NEAR(view->matrix._43, distance, 1e-5);

    // 45 degrees vertically, aspect 1870/1030, near 0.5, far 1000.
    const auto* projection = TransformCall(transforms, D3DTS_PROJECTION);
    ASSERT_NE(projection, nullptr);
    const float ys = 1.0f / std::tan(0.785398185f / 2.0f);
    EXPECT_NEAR(projection->matrix._22, ys, 1e-5);
    EXPECT_NEAR(projection->matrix._11, ys / (1870.0f / 1030.0f), 1e-5);
    EXPECT_NEAR(projection->matrix._33, 1000.0f / 999.5f, 1e-6);
    EXPECT_NEAR(projection->matrix._43, -0.5f * 1000.0f / 999.5f, 1e-6);
    EXPECT_FLOAT_EQ(projection->matrix._34, 1.0f);

    const auto lights = CallsNamed("SetLight");
    ASSERT_EQ(lights.size(), 1u);
    const D3DLIGHT9& light = lights[0].light;
    EXPECT_EQ(lights[0].ints[0], 0);
    EXPECT_EQ(light.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_FLOAT_EQ(light.Diffuse.r, 1.0f);
    EXPECT_FLOAT_EQ(light.Diffuse.a, 1.0f);
    EXPECT_FLOAT_EQ(light.Ambient.r, 0.0f);
    EXPECT_FLOAT_EQ(light.Specular.r, 0.0f);
    EXPECT_FLOAT_EQ(light.Range, 1000.0f);
    EXPECT_FLOAT_EQ(light.Direction.x, 0.0f);
    EXPECT_FLOAT_EQ(light.Direction.y, 0.0f);
    EXPECT_FLOAT_EQ(light.Direction.z, -1.0f);
    const auto enables = CallsNamed("LightEnable");
    ASSERT_EQ(enables.size(), 1u);
    EXPECT_EQ(enables[0].ints[0], 0);
    EXPECT_EQ(enables[0].ints[1], TRUE);

    const auto states = CallsNamed("SetRenderState");
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0].ints[0], D3DRS_AMBIENT);
    EXPECT_EQ(states[0].ints[1], 0xFF7F7F7F);

    const auto samplers = CallsNamed("SetSamplerState");
    ASSERT_EQ(samplers.size(), 2u);
    EXPECT_EQ(samplers[0].ints[1], D3DSAMP_MINFILTER);
    EXPECT_EQ(samplers[1].ints[1], D3DSAMP_MAGFILTER);
    EXPECT_EQ(samplers[0].ints[2], D3DTEXF_ANISOTROPIC);
    EXPECT_EQ(samplers[1].ints[2], D3DTEXF_ANISOTROPIC);

    // The font: height 10, width 10, the face name passed through unchanged.
    const auto fonts = CallsNamed("D3DXCreateFontW");
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_EQ(fonts[0].Text(), "Areal");
    EXPECT_EQ(fonts[0].ints[0], 10);
    EXPECT_EQ(fonts[0].ints[1], 10);
}

TEST_F(ShellTest, FirstFrameTimeRunsFromTheEndOfStartUp)
{
    ASSERT_TRUE(AppInit());
    host::RunFrame(host::kTicksPerSecond / 4);
    EXPECT_FLOAT_EQ(g_frameTimer->GetElapsed(), 0.25f);
}

TEST_F(ShellTest, DeviceFailureShowsItsMessageAndStopsStartUp)
{
    compat::d3d9::SetCreateDeviceFilter([](UINT, D3DDEVTYPE, DWORD, D3DFORMAT) { return false; });
    testing::internal::CaptureStderr();
    EXPECT_FALSE(AppInit());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Can't init display mode"), std::string::npos) << err;
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_EQ(g_world, nullptr);
}

TEST_F(ShellTest, MissingDirect3DShowsItsMessage)
{
    compat::d3d9::SetDirect3DCreate9Fails(true);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(AppInit());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Can't init display mode"), std::string::npos) << err;
}

TEST_F(ShellTest, StartUpFailureEndsWinMainWithStatusOne)
{
    compat::d3d9::SetCreateDeviceFilter([](UINT, D3DDEVTYPE, DWORD, D3DFORMAT) { return false; });
    testing::internal::CaptureStderr();
    EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, 0), 1);
    testing::internal::GetCapturedStderr();
}

TEST_F(ShellTest, AFailedStartUpReleasesWhatItMadeBeforeTheEnd)
{
    // Run from a folder with no ../art beside it: start-up fails on the
    // first mesh file, after the window and the device exist.
    test::ScratchFolder noArt("zarv-no-art");
    std::filesystem::create_directory(noArt.Path() / "run");
    std::filesystem::current_path(noArt.Path() / "run");
    testing::internal::CaptureStderr();
    EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, 0), 1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot open"), std::string::npos);
    EXPECT_EQ(CGraphics::GetDevice(), nullptr) << "the device outlived the failed start-up";
}

TEST_F(ShellTest, WinMainEndsWithStatusZeroWhenEscIsHeld)
{
    // On the real counter every frame has time in it (a frame without time
    // changes nothing, Esc included).
    compat::win32::UseRealClock();
    compat::dinput::SetScriptedKey(DIK_ESCAPE, true);
    EXPECT_EQ(WinMain(nullptr, nullptr, nullptr, 0), 0);
    EXPECT_EQ(CallsNamed("Present").size(), 1u);
    EXPECT_EQ(g_window, nullptr); // AppRelease ran
}
