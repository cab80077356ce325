// Scenes, Clear, Present and the draw calls' checks against the bound
// buffers.
#include "D3d9Test.h"

#include <compat/call_timing.h>

#include <cstring>

namespace test
{
namespace
{

// A device with a two-triangle quad bound: 4 vertices, 6 16-bit indices.
class DeviceDraw : public D3D9Test
{
protected:
    void SetUp() override
    {
        D3D9Test::SetUp();
        const Vertex vertices[4] = {
            {0, 0, 0, 0, 0, -1}, {1, 0, 0, 0, 0, -1}, {1, 1, 0, 0, 0, -1}, {0, 1, 0, 0, 0, -1}};
        const uint16_t indices[6] = {0, 1, 2, 0, 2, 3};
        ASSERT_EQ(Device()->CreateVertexBuffer(sizeof vertices, 0, kVertexFvf, D3DPOOL_DEFAULT,
                                               &vb_, nullptr),
                  D3D_OK);
        ASSERT_EQ(Device()->CreateIndexBuffer(sizeof indices, 0, D3DFMT_INDEX16, D3DPOOL_DEFAULT,
                                              &ib_, nullptr),
                  D3D_OK);
        Fill(vb_, vertices, sizeof vertices);
        Fill(ib_, indices, sizeof indices);
        Device()->SetFVF(kVertexFvf);
        Device()->SetStreamSource(0, vb_, 0, sizeof(Vertex));
        Device()->SetIndices(ib_);
    }

    void TearDown() override
    {
        if (vb_ != nullptr)
            vb_->Release();
        if (ib_ != nullptr)
            ib_->Release();
        D3D9Test::TearDown();
    }

    template <class Buffer> static void Fill(Buffer* buffer, const void* bytes, UINT size)
    {
        void* data = nullptr;
        ASSERT_EQ(buffer->Lock(0, size, &data, 0), D3D_OK);
        std::memcpy(data, bytes, size);
        buffer->Unlock();
    }

    HRESULT DrawQuad() { return Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 2); }

    IDirect3DVertexBuffer9* vb_ = nullptr;
    IDirect3DIndexBuffer9* ib_ = nullptr;
};

TEST_F(DeviceDraw, DrawsOnlyInsideAScene)
{
    EXPECT_EQ(DrawQuad(), D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("outside BeginScene"), std::string::npos);
    ASSERT_EQ(Device()->BeginScene(), D3D_OK);
    EXPECT_EQ(Device()->BeginScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(DrawQuad(), D3D_OK) << compat::d3d9::LastError();
    EXPECT_EQ(Device()->DrawPrimitive(D3DPT_TRIANGLESTRIP, 0, 2), D3D_OK);
    EXPECT_EQ(Device()->Present(nullptr, nullptr, nullptr, nullptr), D3DERR_INVALIDCALL);
    ASSERT_EQ(Device()->EndScene(), D3D_OK);
    EXPECT_EQ(Device()->EndScene(), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->Present(nullptr, nullptr, Window(), nullptr), D3D_OK);
}

TEST_F(DeviceDraw, RefusesRangesOutsideTheBuffers)
{
    Device()->BeginScene();
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 3), D3DERR_INVALIDCALL)
        << "9 indices from a buffer of 6";
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 4, 1),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 5, 0, 2), D3DERR_INVALIDCALL)
        << "5 vertices from a buffer of 4";
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 1, 0, 4, 0, 2), D3DERR_INVALIDCALL)
        << "the base vertex moves the range past the end";
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, -1, 0, 4, 0, 2),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 3, 0, 2), D3DERR_INVALIDCALL)
        << "index 3 is outside the 3 vertices named";
    EXPECT_NE(compat::d3d9::LastError().find("index 3"), std::string::npos);
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 0, 0),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->DrawIndexedPrimitive(static_cast<D3DPRIMITIVETYPE>(9), 0, 0, 4, 0, 2),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 2), D3DERR_INVALIDCALL)
        << "6 vertices from a buffer of 4";
    EXPECT_EQ(Device()->DrawPrimitive(D3DPT_TRIANGLELIST, 1, 1), D3D_OK);
    EXPECT_EQ(Device()->DrawPrimitive(D3DPT_LINESTRIP, 1, 3), D3DERR_INVALIDCALL);
    Device()->EndScene();
}

// Indices are checked against the named vertices whenever they change, not
// only when the buffer was first filled, and a draw of part of a buffer is
// judged by that part alone.
TEST_F(DeviceDraw, ChecksIndicesRewrittenSinceTheLastDraw)
{
    Device()->BeginScene();
    ASSERT_EQ(DrawQuad(), D3D_OK) << compat::d3d9::LastError();
    const uint16_t far[1] = {7};
    Fill(ib_, far, sizeof far); // the first index becomes 7: 7, 1, 2, 0, 2, 3
    EXPECT_EQ(DrawQuad(), D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("index 7 at 0 is outside 0..3"), std::string::npos)
        << compat::d3d9::LastError();
    EXPECT_EQ(Device()->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 4, 3, 1), D3D_OK)
        << "the second triangle (0, 2, 3) is inside: " << compat::d3d9::LastError();
    void* data = nullptr;
    ASSERT_EQ(ib_->Lock(0, 2, &data, 0), D3D_OK);
    const uint16_t near = 0;
    std::memcpy(data, &near, sizeof near);
    ib_->Unlock();
    EXPECT_EQ(DrawQuad(), D3D_OK) << "a part locked again: " << compat::d3d9::LastError();
    Device()->EndScene();
}

TEST_F(DeviceDraw, NeedsAFormatBuffersAndAWideEnoughStride)
{
    Device()->BeginScene();
    Device()->SetStreamSource(0, vb_, 0, 12);
    EXPECT_EQ(DrawQuad(), D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("stride 12"), std::string::npos);
    Device()->SetStreamSource(0, vb_, 0, sizeof(Vertex));
    Device()->SetIndices(nullptr);
    EXPECT_EQ(DrawQuad(), D3DERR_INVALIDCALL);
    Device()->SetIndices(ib_);
    void* data = nullptr;
    vb_->Lock(0, 0, &data, 0);
    EXPECT_EQ(DrawQuad(), D3DERR_INVALIDCALL) << "the vertex buffer is locked";
    vb_->Unlock();
    Device()->SetStreamSource(0, nullptr, 0, 0);
    EXPECT_EQ(DrawQuad(), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->SetStreamSource(0, vb_, 96, sizeof(Vertex)), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->SetFVF(D3DFVF_NORMAL), D3DERR_INVALIDCALL) << "no position";
    Device()->EndScene();
}

TEST_F(DeviceDraw, ABufferReleasedWhileSetStillDraws)
{
    vb_->Release();
    vb_ = nullptr;
    Device()->BeginScene();
    EXPECT_EQ(DrawQuad(), D3D_OK) << compat::d3d9::LastError();
    Device()->EndScene();
}

TEST_F(DeviceDraw, ClearChecksItsArguments)
{
    const DWORD all = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    EXPECT_EQ(Device()->Clear(0, nullptr, all, 0xFF9B9BFF, 1.0f, 0), D3D_OK);
    EXPECT_EQ(Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.5f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->Clear(1, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->Clear(0, nullptr, 0, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    const D3DRECT rect{0, 0, 10, 10};
    EXPECT_EQ(Device()->Clear(1, &rect, D3DCLEAR_TARGET, 0, 1.0f, 0), D3D_OK);
}

using DeviceClear = D3D9Test;

TEST_F(DeviceClear, StencilNeedsAStencilFormat)
{
    const DWORD all = D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL;
    EXPECT_EQ(Device(D3DFMT_D24X8)->Clear(0, nullptr, all, 0, 1.0f, 0), D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("stencil"), std::string::npos);
    EXPECT_EQ(Device()->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0), D3D_OK);
}

TEST_F(DeviceDraw, PresentShowsTheLastFullClear)
{
    Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF9B9BFF, 1.0f, 0);
    compat::d3d9::Image image;
    compat::d3d9::ReadPresentedImage(Device(), image);
    ASSERT_EQ(image.pixels.size(), 1870u * 1030u);
    EXPECT_EQ(image.pixels[0], 0xFF000000u) << "nothing presented yet";
    Device()->Present(nullptr, nullptr, nullptr, nullptr);
    const D3DRECT rect{0, 0, 10, 10};
    Device()->Clear(1, &rect, D3DCLEAR_TARGET, 0xFFFF0000, 1.0f, 0);
    Device()->Present(nullptr, nullptr, nullptr, nullptr);
    compat::d3d9::ReadPresentedImage(Device(), image);
    EXPECT_EQ(image.pixels[0], 0xFF9B9BFFu);
    EXPECT_EQ(image.pixels.back(), 0xFF9B9BFFu);
    EXPECT_EQ(compat::d3d9::ReadPresentedImage(nullptr, image), D3DERR_INVALIDCALL);
}

// What the benchmarks split a frame by: the draws' time lands under draws and
// Present's under present, only while measuring, and a take starts the
// totals again from zero. With waiting asked for, each timed call also waits
// for the backend (which on the recording backend costs nothing).
TEST_F(DeviceDraw, CallTimesAreTotalledByKindOnlyWhileMeasuring)
{
    using compat::timing::Call;
    auto frame = [this]
    {
        Device()->BeginScene();
        for (int i = 0; i < 50; ++i)
            ASSERT_EQ(DrawQuad(), D3D_OK);
        Device()->EndScene();
        Device()->Present(nullptr, nullptr, nullptr, nullptr);
    };
    compat::timing::Measure(true, true);
    frame();
    const compat::timing::Times measured = compat::timing::Take();
    EXPECT_GT(measured[Call::draws].call, 0.0);
    EXPECT_GT(measured[Call::present].call, 0.0);
    EXPECT_EQ(measured[Call::physicsStep].Total(), 0.0);
    EXPECT_EQ(measured[Call::clear].Total(), 0.0);
    EXPECT_EQ(compat::timing::Take()[Call::draws].Total(), 0.0);

    compat::timing::Measure(false);
    frame();
    EXPECT_EQ(compat::timing::Take()[Call::draws].Total(), 0.0);
}

} // namespace
} // namespace test
