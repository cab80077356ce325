// The program's frame on the OpenGL backend, as the device sees it: after
// the first frames it allocates nothing, rasterises no glyph and draws each
// help text with one call.
#include "AllocationCounter.h"
#include "GlTest.h"

#include "opengl/gl_statistics.h"
#include "text/glyph_atlas.h"

#include <cstring>

namespace gl_test
{
namespace
{

class Frame : public GlTest
{
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        MakeWindowAndDevice(320, 200);
        ASSERT_EQ(D3DXCreateFontW(device_, 10, 10, 20, 10, FALSE, 10, OUT_TT_ONLY_PRECIS, 10, 10,
                                  L"Areal", &font_),
                  D3D_OK);
        resources_.push_back(font_);
        const NormalVertex triangle[] = {
            {-1, -1, 0.5f, 0, 0, 1}, {0, 1, 0.5f, 0, 0, 1}, {1, -1, 0.5f, 0, 0, 1}};
        vertices_ = MakeVertices(triangle, sizeof triangle, kNormalFvf);
    }

    // The program's frame, with one lit mesh drawn where the world draws.
    void RunFrame()
    {
        static const char kCamera[] =
            "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D";
        static const char kKeys[] = "Exit - 'ESC'\nReset - 'R'\nPush - 'P'";
        device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, kSky,
                       1.0f, 0);
        device_->BeginScene();
        RECT camera{0, 0, 600, 400};
        font_->DrawTextA(nullptr, kCamera, static_cast<INT>(std::strlen(kCamera)), &camera,
                         DT_CENTER, 0xFF00FFFF);
        RECT keys{0, 100, 600, 300};
        font_->DrawTextA(nullptr, kKeys, static_cast<INT>(std::strlen(kKeys)), &keys, DT_CENTER,
                         0xFFFF0000);
        device_->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device_->SetRenderState(D3DRS_LIGHTING, TRUE);
        device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
        device_->SetFVF(kNormalFvf);
        device_->SetStreamSource(0, vertices_, 0, sizeof(NormalVertex));
        device_->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1);
        device_->SetRenderState(D3DRS_LIGHTING, FALSE);
        device_->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
        device_->SetTexture(0, nullptr);
        device_->EndScene();
        device_->Present(nullptr, nullptr, window_, nullptr);
    }

    ID3DXFont* font_ = nullptr;
    IDirect3DVertexBuffer9* vertices_ = nullptr;
};

TEST_F(Frame, AfterTheFirstFramesAFrameAllocatesNothing)
{
    for (int i = 0; i < 3; ++i)
        RunFrame();
    const std::size_t before = ::test::AllocationCount();
    for (int i = 0; i < 100; ++i)
        RunFrame();
    EXPECT_EQ(::test::AllocationCount() - before, 0u);
}

TEST_F(Frame, AFrameRasterisesNoGlyphAndDrawsThreeTimes)
{
    RunFrame();
    const std::size_t rasterised = compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount();
    compat::d3d9::opengl::GlStatistics before;
    ASSERT_TRUE(compat::d3d9::opengl::StatisticsOf(device_, before));
    for (int i = 0; i < 10; ++i)
        RunFrame();
    compat::d3d9::opengl::GlStatistics after;
    ASSERT_TRUE(compat::d3d9::opengl::StatisticsOf(device_, after));
    EXPECT_EQ(compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount(), rasterised);
    EXPECT_EQ(after.drawCalls - before.drawCalls, 30u) << "two texts and the mesh, ten times";
    EXPECT_EQ(after.directFrames - before.directFrames, 10u);
}

TEST_F(Frame, TheFrameLooksTheSameEveryTime)
{
    RunFrame();
    const Image first = ReadPresented();
    for (int i = 0; i < 5; ++i)
        RunFrame();
    EXPECT_EQ(ReadPresented().pixels, first.pixels);
    // Wireframe and unlit stay in force into the next frame's texts, which
    // still come out whole.
    EXPECT_GT(Count(first, {0, 255, 255}, 100), 100);
    EXPECT_GT(Count(first, {255, 0, 0}, 100), 100);
}

} // namespace
} // namespace gl_test
