// Vertex and index buffers: their bytes, Lock's bounds, GetDesc, creation's
// checks, and a buffer released while it is still set on the device.
#include "D3d9Test.h"

#include <cstring>

namespace test
{
namespace
{

using DeviceBuffers = D3D9Test;

TEST_F(DeviceBuffers, LockAndUnlockKeepTheBytes)
{
    IDirect3DVertexBuffer9* vb = nullptr;
    ASSERT_EQ(Device()->CreateVertexBuffer(3 * sizeof(Vertex), 0, kVertexFvf, D3DPOOL_DEFAULT, &vb,
                                           nullptr),
              D3D_OK);
    const Vertex written[3] = {{1, 2, 3, 0, 1, 0}, {4, 5, 6, 0, 0, 1}, {7, 8, 9, 1, 0, 0}};
    void* data = nullptr;
    ASSERT_EQ(vb->Lock(0, sizeof written, &data, 0), D3D_OK);
    std::memcpy(data, written, sizeof written);
    ASSERT_EQ(vb->Unlock(), D3D_OK);

    // Only the second vertex, then the whole buffer with size 0.
    ASSERT_EQ(vb->Lock(sizeof(Vertex), sizeof(Vertex), &data, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(static_cast<const Vertex*>(data)->x, 4.0f);
    vb->Unlock();
    ASSERT_EQ(vb->Lock(0, 0, &data, D3DLOCK_READONLY), D3D_OK);
    EXPECT_EQ(std::memcmp(data, written, sizeof written), 0);
    vb->Unlock();
    vb->Release();
}

TEST_F(DeviceBuffers, LockOutsideTheBufferOrTwiceFails)
{
    IDirect3DIndexBuffer9* ib = nullptr;
    ASSERT_EQ(Device()->CreateIndexBuffer(72, 0, D3DFMT_INDEX16, D3DPOOL_DEFAULT, &ib, nullptr),
              D3D_OK);
    void* data = &data;
    EXPECT_EQ(ib->Lock(0, 73, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(data, nullptr);
    EXPECT_NE(compat::d3d9::LastError().find("72-byte"), std::string::npos);
    EXPECT_EQ(ib->Lock(70, 4, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(ib->Lock(72, 0, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(ib->Lock(0xFFFFFFF0u, 0x20, &data, 0), D3DERR_INVALIDCALL) << "no wrap-around";
    EXPECT_EQ(ib->Lock(0, 0, nullptr, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(ib->Lock(0, 0, &data, D3DLOCK_DISCARD), D3DERR_INVALIDCALL)
        << "DISCARD needs a dynamic buffer";
    EXPECT_EQ(ib->Unlock(), D3DERR_INVALIDCALL);

    ASSERT_EQ(ib->Lock(70, 2, &data, 0), D3D_OK);
    EXPECT_EQ(ib->Lock(0, 2, &data, 0), D3DERR_INVALIDCALL);
    EXPECT_EQ(ib->Unlock(), D3D_OK);
    ib->Release();
}

TEST_F(DeviceBuffers, GetDescReportsWhatWasAskedFor)
{
    IDirect3DVertexBuffer9* vb = nullptr;
    IDirect3DIndexBuffer9* ib = nullptr;
    ASSERT_EQ(Device()->CreateVertexBuffer(240, D3DUSAGE_WRITEONLY, D3DFVF_XYZ | D3DFVF_DIFFUSE,
                                           D3DPOOL_MANAGED, &vb, nullptr),
              D3D_OK);
    ASSERT_EQ(Device()->CreateIndexBuffer(144, 0, D3DFMT_INDEX32, D3DPOOL_DEFAULT, &ib, nullptr),
              D3D_OK);
    D3DVERTEXBUFFER_DESC vd{};
    ASSERT_EQ(vb->GetDesc(&vd), D3D_OK);
    EXPECT_EQ(vd.Size, 240u);
    EXPECT_EQ(vd.FVF, static_cast<DWORD>(D3DFVF_XYZ | D3DFVF_DIFFUSE));
    EXPECT_EQ(vd.Format, D3DFMT_VERTEXDATA);
    EXPECT_EQ(vd.Type, D3DRTYPE_VERTEXBUFFER);
    EXPECT_EQ(vd.Usage, static_cast<DWORD>(D3DUSAGE_WRITEONLY));
    EXPECT_EQ(vd.Pool, D3DPOOL_MANAGED);
    D3DINDEXBUFFER_DESC id{};
    ASSERT_EQ(ib->GetDesc(&id), D3D_OK);
    EXPECT_EQ(id.Size, 144u);
    EXPECT_EQ(id.Format, D3DFMT_INDEX32);
    EXPECT_EQ(id.Type, D3DRTYPE_INDEXBUFFER);
    EXPECT_EQ(ib->GetType(), D3DRTYPE_INDEXBUFFER);
    EXPECT_EQ(ib->GetDesc(nullptr), D3DERR_INVALIDCALL);
    vb->Release();
    ib->Release();
}

TEST_F(DeviceBuffers, CreationRefusesBadArgumentsAndLeavesNull)
{
    IDirect3DVertexBuffer9* vb = reinterpret_cast<IDirect3DVertexBuffer9*>(&vb);
    EXPECT_EQ(Device()->CreateVertexBuffer(0, 0, 0, D3DPOOL_DEFAULT, &vb, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(vb, nullptr);
    EXPECT_EQ(Device()->CreateVertexBuffer(8, 0, kVertexFvf, D3DPOOL_DEFAULT, &vb, nullptr),
              D3DERR_INVALIDCALL)
        << "shorter than one vertex";
    EXPECT_EQ(
        Device()->CreateVertexBuffer(64, 0, 0x10000 | D3DFVF_XYZ, D3DPOOL_DEFAULT, &vb, nullptr),
        D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->CreateVertexBuffer(64, 0, 0, D3DPOOL_SCRATCH, &vb, nullptr),
              D3DERR_INVALIDCALL);
    HANDLE shared = nullptr;
    EXPECT_EQ(Device()->CreateVertexBuffer(64, 0, 0, D3DPOOL_DEFAULT, &vb, &shared),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->CreateVertexBuffer(64, 0, 0, D3DPOOL_DEFAULT, nullptr, nullptr),
              D3DERR_INVALIDCALL);
    IDirect3DIndexBuffer9* ib = nullptr;
    EXPECT_EQ(Device()->CreateIndexBuffer(64, 0, D3DFMT_D16, D3DPOOL_DEFAULT, &ib, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("INDEX16 or INDEX32"), std::string::npos);
    EXPECT_EQ(ib, nullptr);
}

} // namespace
} // namespace test
