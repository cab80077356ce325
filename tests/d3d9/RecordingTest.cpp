// The recording backend: every call kept in order with its arguments, the
// list's capacity and limit, and recording without allocating.
#include "AllocationCounter.h"
#include "D3d9Test.h"

#include <cstring>

namespace test
{
namespace
{

using compat::d3d9::RecordedCalls;

std::vector<std::string_view> Methods()
{
    std::vector<std::string_view> methods;
    for (const RecordedCall& call : RecordedCalls())
        methods.push_back(call.method);
    return methods;
}

using Recording = D3D9Test;

TEST_F(Recording, KeepsEveryCallInOrderWithItsArguments)
{
    Device();
    compat::d3d9::ClearRecordedCalls();
    D3DXMATRIX view;
    D3DXMatrixRotationY(&view, 0.25f);
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Direction = {0, 0, -1};
    light.Range = 1000;
    D3DMATERIAL9 material{};
    material.Diffuse.g = 1;

    Device()->SetTransform(D3DTS_VIEW, &view);
    Device()->SetLight(0, &light);
    Device()->LightEnable(0, TRUE);
    Device()->SetRenderState(D3DRS_AMBIENT, 0xFF7F7F7F);
    Device()->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_ANISOTROPIC);
    Device()->SetMaterial(&material);
    Device()->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0xFF9B9BFF, 1.0f, 0);
    Device()->BeginScene();
    Device()->SetTexture(0, nullptr);
    Device()->EndScene();
    Device()->Present(nullptr, nullptr, Window(), nullptr);

    const std::vector<std::string_view> expected = {
        "SetTransform",    "SetLight",    "LightEnable", "SetRenderState",
        "SetSamplerState", "SetMaterial", "Clear",       "BeginScene",
        "SetTexture",      "EndScene",    "Present"};
    ASSERT_EQ(Methods(), expected) << DescribeAll();

    const auto& calls = RecordedCalls();
    EXPECT_EQ(calls[0].ints[0], D3DTS_VIEW);
    ASSERT_TRUE(calls[0].Has(RecordedCall::kMatrix));
    EXPECT_EQ(D3DXMATRIX(calls[0].matrix), view);
    ASSERT_TRUE(calls[1].Has(RecordedCall::kLight));
    EXPECT_EQ(calls[1].light.Range, 1000.0f);
    EXPECT_EQ(calls[2].ints[1], TRUE);
    EXPECT_EQ(calls[3].intCount, 2);
    EXPECT_EQ(calls[3].ints[0], D3DRS_AMBIENT);
    EXPECT_EQ(calls[3].ints[1], 0xFF7F7F7F);
    EXPECT_EQ(calls[4].ints[2], D3DTEXF_ANISOTROPIC);
    EXPECT_EQ(calls[5].material.Diffuse.g, 1.0f);
    EXPECT_EQ(calls[6].ints[1], D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER);
    EXPECT_EQ(calls[6].ints[2], 0xFF9B9BFF);
    EXPECT_EQ(calls[6].floats[0], 1.0f);
    EXPECT_EQ(calls[10].pointers[2], Window());
    for (const RecordedCall& call : calls)
    {
        EXPECT_EQ(call.self, Device()) << compat::d3d9::Describe(call);
        EXPECT_EQ(call.result, D3D_OK) << compat::d3d9::Describe(call);
    }
}

TEST_F(Recording, KeepsFailedCallsWithTheirResult)
{
    Device();
    compat::d3d9::ClearRecordedCalls();
    Device()->SetRenderState(D3DRS_CULLMODE, 9);
    Device()->DrawPrimitive(D3DPT_TRIANGLELIST, 0, 1);
    ASSERT_EQ(RecordedCalls().size(), 2u);
    EXPECT_EQ(RecordedCalls()[0].result, D3DERR_INVALIDCALL);
    EXPECT_EQ(RecordedCalls()[1].method, "DrawPrimitive");
    EXPECT_EQ(RecordedCalls()[1].result, D3DERR_INVALIDCALL);
}

TEST_F(Recording, BuffersAndReferenceCountsAreRecordedToo)
{
    Device();
    compat::d3d9::ClearRecordedCalls();
    IDirect3DIndexBuffer9* ib = nullptr;
    Device()->CreateIndexBuffer(12, 0, D3DFMT_INDEX16, D3DPOOL_DEFAULT, &ib, nullptr);
    void* data = nullptr;
    ib->Lock(0, 12, &data, 0);
    ib->Unlock();
    ib->Release();
    const std::vector<std::string_view> expected = {"CreateIndexBuffer", "Lock", "Unlock",
                                                    "Release"};
    ASSERT_EQ(Methods(), expected) << DescribeAll();
    const auto& calls = RecordedCalls();
    EXPECT_EQ(calls[0].ints[0], 12);
    EXPECT_EQ(calls[0].ints[2], D3DFMT_INDEX16);
    EXPECT_EQ(calls[0].pointers[0], ib);
    EXPECT_EQ(calls[1].self, ib);
    EXPECT_EQ(calls[1].pointers[0], data);
    EXPECT_EQ(calls[3].self, ib);
    EXPECT_EQ(calls[3].result, 0);
    EXPECT_EQ(Device()->AddRef(), 2u) << "the buffer gave its reference on the device back";
    EXPECT_EQ(RecordedCalls().back().method, "AddRef");
    Device()->Release();
}

TEST_F(Recording, ClearingKeepsTheCapacity)
{
    for (int i = 0; i < 10; ++i)
        Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
    const std::size_t capacity = RecordedCalls().capacity();
    EXPECT_GE(capacity, compat::d3d9::RecordLimit());
    compat::d3d9::ClearRecordedCalls();
    EXPECT_TRUE(RecordedCalls().empty());
    EXPECT_EQ(RecordedCalls().capacity(), capacity);
}

TEST_F(Recording, KeepsTheNewestCallsAtTheLimit)
{
    Device();
    compat::d3d9::SetRecordLimit(10);
    for (DWORD i = 0; i < 25; ++i)
        Device()->SetRenderState(D3DRS_AMBIENT, i);
    const auto& calls = RecordedCalls();
    ASSERT_EQ(calls.size(), 10u);
    EXPECT_EQ(compat::d3d9::DroppedCallCount(), 15u);
    std::vector<int64_t> kept;
    for (const compat::d3d9::RecordedCall& call : calls)
        kept.push_back(call.ints[1]);
    EXPECT_EQ(kept, (std::vector<int64_t>{15, 16, 17, 18, 19, 20, 21, 22, 23, 24}))
        << "the newest ten, oldest first";
    EXPECT_EQ(calls.back().ints[1], 24);
    compat::d3d9::ClearRecordedCalls();
    EXPECT_EQ(compat::d3d9::DroppedCallCount(), 0u);
    EXPECT_TRUE(calls.empty());
}

TEST_F(Recording, TheDirect3DObjectsCallsAreKeptWhileRecordingIsChosen)
{
    D3D();
    D3DDISPLAYMODE mode{};
    D3D()->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    const std::vector<std::string_view> expected = {"Direct3DCreate9", "GetAdapterDisplayMode"};
    ASSERT_EQ(Methods(), expected) << DescribeAll();
    EXPECT_EQ(RecordedCalls()[0].ints[0], D3D_SDK_VERSION);
    EXPECT_EQ(RecordedCalls()[0].pointers[0], D3D());
}

TEST_F(Recording, DescribeNamesTheMethodAndArguments)
{
    Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
    const std::string line = compat::d3d9::Describe(RecordedCalls().back());
    EXPECT_EQ(line.rfind("SetRenderState(137, 0)", 0), 0u) << line;
    EXPECT_NE(line.find("-> 0x00000000"), std::string::npos) << line;
}

// A window the OpenGL backend cannot draw on is refused with a reason, and
// nothing is recorded: only the Recording backend records.
TEST_F(Recording, OpenGLDeviceOnAWindowItCannotUseIsRefused)
{
    compat::d3d9::SetBackend(compat::d3d9::Backend::OpenGL);
    D3DPRESENT_PARAMETERS pp = Params();
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, Window(), D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &pp, &device_),
              D3DERR_NOTAVAILABLE);
    EXPECT_EQ(device_, nullptr);
    EXPECT_NE(compat::d3d9::LastError().find("OpenGL"), std::string::npos);
    EXPECT_TRUE(RecordedCalls().empty()) << "only the Recording backend records";
}

// One frame of calls the way the program makes them, with one call that
// fails every frame.
void Frame(IDirect3DDevice9* device, ID3DXFont* font, IDirect3DVertexBuffer9* vb,
           IDirect3DIndexBuffer9* ib, const D3DXMATRIX& view, const D3DMATERIAL9& material)
{
    static const char kHelp[] = "Exit - 'ESC'\nReset - 'R'\nPush - 'P'";
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0xFF9B9BFF,
                  1.0f, 0);
    device->BeginScene();
    RECT rect{0, 100, 600, 300};
    font->DrawTextA(nullptr, kHelp, static_cast<INT>(std::strlen(kHelp)), &rect, DT_CENTER,
                    0xFFFF0000);
    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetTransform(D3DTS_VIEW, &view);
    D3DXMATRIX saved;
    device->GetTransform(D3DTS_WORLD, &saved);
    device->SetMaterial(&material);
    device->MultiplyTransform(D3DTS_WORLD, &view);
    device->SetFVF(kVertexFvf);
    device->SetStreamSource(0, vb, 0, sizeof(Vertex));
    device->SetIndices(ib);
    device->DrawIndexedPrimitive(D3DPT_TRIANGLELIST, 0, 0, 3, 0, 1);
    device->SetTransform(D3DTS_WORLD, &saved);
    device->SetTexture(16, nullptr);
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
}

TEST_F(Recording, AWarmedUpFrameLoopDoesNotAllocate)
{
    ID3DXFont* font = nullptr;
    ASSERT_EQ(D3DXCreateFontW(Device(), 10, 10, 20, 10, FALSE, 10, 7, 10, 10, L"Areal", &font),
              S_OK);
    IDirect3DVertexBuffer9* vb = nullptr;
    IDirect3DIndexBuffer9* ib = nullptr;
    Device()->CreateVertexBuffer(3 * sizeof(Vertex), 0, kVertexFvf, D3DPOOL_DEFAULT, &vb, nullptr);
    Device()->CreateIndexBuffer(6, 0, D3DFMT_INDEX16, D3DPOOL_DEFAULT, &ib, nullptr);
    void* data = nullptr;
    ib->Lock(0, 0, &data, 0);
    const uint16_t indices[3] = {0, 1, 2};
    std::memcpy(data, indices, sizeof indices);
    ib->Unlock();
    D3DXMATRIX view;
    D3DXMatrixRotationY(&view, 0.1f);
    const D3DMATERIAL9 material{};

    compat::d3d9::SetRecordLimit(500);
    Frame(Device(), font, vb, ib, view, material);
    const std::size_t cold = AllocationCount();
    ::operator delete(::operator new(16));
    ASSERT_EQ(AllocationCount(), cold + 1) << "the counter sees allocations";
    const std::size_t before = AllocationCount();
    for (int i = 0; i < 1000; ++i)
        Frame(Device(), font, vb, ib, view, material);
    const std::size_t allocations = AllocationCount() - before;

    EXPECT_EQ(allocations, 0u);
    EXPECT_GT(compat::d3d9::DroppedCallCount(), 0u) << "the limit was reached and kept";
    EXPECT_EQ(RecordedCalls().back().method, "Present");
    EXPECT_EQ(CallsNamed("DrawIndexedPrimitive").back().result, D3D_OK) << DescribeAll();
    font->Release();
    vb->Release();
    ib->Release();
}

} // namespace
} // namespace test
