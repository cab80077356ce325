// Clear, Present and the read-back: the colour that reaches the back buffer
// and the window, whether the frame is drawn straight into the window or off
// screen and stretched into it.
#include "GlTest.h"

#include "opengl/gl_statistics.h"

namespace gl_test
{
namespace
{

using compat::d3d9::opengl::GlStatistics;
using compat::d3d9::opengl::StatisticsOf;

class ClearAndPresent : public GlTest, public ::testing::WithParamInterface<WindowKind>
{
};

TEST_P(ClearAndPresent, TheClearColourReadsBackAsItsChannels)
{
    MakeWindowAndDevice(64, 48, GetParam());
    BeginFrame(kSky);
    device_->EndScene();
    const Image picture = PresentAndRead();
    ASSERT_EQ(picture.width, 64);
    ASSERT_EQ(picture.height, 48);
    EXPECT_EQ(Count(picture, kSkyRgb), 64 * 48) << picture.At(0, 0);
    EXPECT_EQ(picture.pixels[0] >> 24, 0xffu) << "X8R8G8B8 reads back opaque";
    // And the window shows the same.
    EXPECT_EQ(Count(ReadWindow(), kSkyRgb), 64 * 48);
}

TEST_P(ClearAndPresent, ClearRectanglesCountFromTheTopLeft)
{
    MakeWindowAndDevice(64, 48, GetParam());
    BeginFrame(0xFF000000);
    const D3DRECT rects[] = {{2, 3, 12, 8}, {50, 40, 70, 60}}; // the second is cut at the edges
    ASSERT_EQ(device_->Clear(2, rects, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0), D3D_OK);
    device_->EndScene();
    const Image picture = PresentAndRead();
    const RECT first = Bounds(picture, {255, 0, 0});
    EXPECT_EQ(Count(picture, {255, 0, 0}), 10 * 5 + 14 * 8);
    EXPECT_EQ(first.left, 2);
    EXPECT_EQ(first.top, 3);
    EXPECT_EQ(picture.At(11, 7), (Rgb{255, 0, 0}));
    EXPECT_EQ(picture.At(12, 7), (Rgb{0, 0, 0}));
    EXPECT_EQ(picture.At(63, 47), (Rgb{255, 0, 0}));
}

TEST_P(ClearAndPresent, AFrameReachesTheWindowTheWayItsKindAllows)
{
    MakeWindowAndDevice(64, 48, GetParam());
    BeginFrame();
    device_->EndScene();
    PresentAndRead();
    GlStatistics statistics;
    ASSERT_TRUE(StatisticsOf(device_, statistics));
    // The window stand-in gives every window a depth 24 / stencil 8
    // framebuffer, whatever OpenGL attributes were in force before, so a
    // window of the back buffer's size always takes the direct path.
    EXPECT_EQ(statistics.directFrames, 1u);
    EXPECT_EQ(statistics.stretchedFrames, 0u);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, ClearAndPresent,
                         ::testing::Values(WindowKind::WithDepthStencil, WindowKind::Plain));

TEST_F(GlTest, BeforeTheFirstPresentTheReadBackIsBlack)
{
    MakeWindowAndDevice(32, 16);
    BeginFrame(0xFFFFFFFF);
    device_->EndScene();
    const Image picture = ReadPresented();
    ASSERT_EQ(picture.width, 32);
    EXPECT_EQ(Count(picture, {0, 0, 0}), 32 * 16);
}

TEST_F(GlTest, PresentStretchesTheBackBufferToAWindowOfAnotherSize)
{
    // A back buffer of 40×20, left half red and right half green, into a
    // window of 160×100.
    MakeDevice(MakeWindow(160, 100), 40, 20);
    BeginFrame(0xFF00FF00);
    const D3DRECT left{0, 0, 20, 20};
    device_->Clear(1, &left, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0);
    device_->EndScene();
    const Image presented = PresentAndRead();
    EXPECT_EQ(presented.width, 40);
    EXPECT_EQ(Count(presented, {255, 0, 0}), 20 * 20);

    const Image window = ReadWindow();
    ASSERT_EQ(window.width, 160);
    ASSERT_EQ(window.height, 100);
    // Away from the seam (where the stretch blends), each half fills half the
    // window, top to bottom.
    EXPECT_EQ(window.At(2, 2), (Rgb{255, 0, 0}));
    EXPECT_EQ(window.At(70, 97), (Rgb{255, 0, 0}));
    EXPECT_EQ(window.At(90, 2), (Rgb{0, 255, 0}));
    EXPECT_EQ(window.At(157, 97), (Rgb{0, 255, 0}));
    EXPECT_GT(Count(window, {255, 0, 0}, 8), 75 * 100);
    EXPECT_GT(Count(window, {0, 255, 0}, 8), 75 * 100);
}

TEST_F(GlTest, ResetResizesTheBackBuffer)
{
    MakeWindowAndDevice(64, 48);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = 30;
    pp.BackBufferHeight = 10;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = window_;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    ASSERT_EQ(device_->Reset(&pp), D3D_OK);
    BeginFrame(0xFF0000FF);
    device_->EndScene();
    const Image picture = PresentAndRead();
    EXPECT_EQ(picture.width, 30);
    EXPECT_EQ(picture.height, 10);
    EXPECT_EQ(Count(picture, {0, 0, 255}), 30 * 10);
}

TEST_F(GlTest, PresentingAfterTheWindowIsGoneFailsAndNothingBreaks)
{
    MakeWindowAndDevice(64, 48);
    BeginFrame();
    device_->EndScene();
    ASSERT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK);

    ASSERT_TRUE(DestroyWindow(window_));
    // The program's last frame, drawn after its window closed.
    const NormalVertex triangle[] = {
        {-1, -1, 0.5f, 0, 0, -1}, {0, 1, 0.5f, 0, 0, -1}, {1, -1, 0.5f, 0, 0, -1}};
    IDirect3DVertexBuffer9* vb = MakeVertices(triangle, sizeof triangle, kNormalFvf);
    EXPECT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET, kSky, 1.0f, 0), D3D_OK);
    EXPECT_EQ(device_->BeginScene(), D3D_OK);
    device_->SetFVF(kNormalFvf);
    device_->SetStreamSource(0, vb, 0, sizeof(NormalVertex));
    EXPECT_EQ(device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1), D3D_OK);
    EXPECT_EQ(device_->EndScene(), D3D_OK);
    EXPECT_EQ(device_->Present(nullptr, nullptr, window_, nullptr), D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("no longer exists"), std::string_view::npos)
        << compat::d3d9::LastError();
}

TEST_F(GlTest, PresentRefusesWhatItCannotDo)
{
    MakeWindowAndDevice(64, 48);
    HWND other = CreateWindowExW(0, L"GlTest", L"other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(device_->Present(nullptr, nullptr, other, nullptr), D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("device's window"), std::string_view::npos)
        << compat::d3d9::LastError();
}

TEST_F(GlTest, AHandleThatIsNoWindowGetsNoDevice)
{
    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = 64;
    pp.BackBufferHeight = 48;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = reinterpret_cast<HWND>(uintptr_t{0x1234});
    pp.Windowed = TRUE;
    EXPECT_EQ(d3d_->CreateDevice(0, D3DDEVTYPE_HAL, pp.hDeviceWindow,
                                 D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(device_, nullptr);
    EXPECT_NE(compat::d3d9::LastError().find("does not exist"), std::string_view::npos)
        << compat::d3d9::LastError();
}

} // namespace
} // namespace gl_test
