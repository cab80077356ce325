// The faults of the device-creation ladder, the display mode, and the record
// of every CreateDevice attempt.
#include "D3d9Test.h"

namespace test
{
namespace
{

constexpr D3DDEVTYPE kTypes[] = {D3DDEVTYPE_HAL, D3DDEVTYPE_REF};
constexpr DWORD kBehaviours[] = {D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                 D3DCREATE_SOFTWARE_VERTEXPROCESSING};
constexpr D3DFORMAT kDepths[] = {D3DFMT_D24S8, D3DFMT_D24X8, D3DFMT_D24X4S4,
                                 D3DFMT_D32,   D3DFMT_D15S1, D3DFMT_D16};

class CreationFaults : public D3D9Test
{
protected:
    // Tries adapters, types, behaviours and depth formats in turn, as a
    // program's creation ladder does; returns the number of attempts.
    int Ladder()
    {
        int attempts = 0;
        D3DPRESENT_PARAMETERS pp = Params();
        for (UINT adapter = 0; adapter < D3D()->GetAdapterCount(); ++adapter)
            for (D3DDEVTYPE type : kTypes)
                for (DWORD behaviour : kBehaviours)
                    for (D3DFORMAT depth : kDepths)
                    {
                        ++attempts;
                        pp.AutoDepthStencilFormat = depth;
                        if (D3D()->CreateDevice(adapter, type, Window(), behaviour, &pp,
                                                &device_) == D3D_OK)
                            return attempts;
                    }
        return attempts;
    }
};

TEST_F(CreationFaults, WithoutFaultsTheFirstAttemptWins)
{
    EXPECT_EQ(Ladder(), 1);
    ASSERT_NE(device_, nullptr);
    const auto attempts = CallsNamed("CreateDevice");
    ASSERT_EQ(attempts.size(), 1u);
    EXPECT_EQ(attempts[0].ints[0], 0);
    EXPECT_EQ(attempts[0].ints[1], D3DDEVTYPE_HAL);
    EXPECT_EQ(attempts[0].ints[2], D3DCREATE_HARDWARE_VERTEXPROCESSING);
    EXPECT_EQ(attempts[0].pointers[0], Window());
    EXPECT_EQ(attempts[0].pointers[1], device_);
    ASSERT_TRUE(attempts[0].Has(RecordedCall::kPresentParameters));
    EXPECT_EQ(attempts[0].presentParameters.BackBufferWidth, 1870u);
    EXPECT_EQ(attempts[0].presentParameters.BackBufferCount, 3u);
    EXPECT_EQ(attempts[0].presentParameters.hDeviceWindow, Window());
}

TEST_F(CreationFaults, TheFilterDecidesWhichAttemptsSucceedAndEveryAttemptIsRecorded)
{
    // Only the reference device with software processing and a 16-bit depth
    // buffer, on the second adapter.
    compat::d3d9::SetAdapterCount(2);
    compat::d3d9::SetCreateDeviceFilter(
        [](UINT adapter, D3DDEVTYPE type, DWORD behaviour, D3DFORMAT depth)
        {
            return adapter == 1 && type == D3DDEVTYPE_REF &&
                   behaviour == D3DCREATE_SOFTWARE_VERTEXPROCESSING && depth == D3DFMT_D16;
        });
    EXPECT_EQ(Ladder(), 48);
    ASSERT_NE(device_, nullptr);

    const auto attempts = CallsNamed("CreateDevice");
    ASSERT_EQ(attempts.size(), 48u);
    for (std::size_t i = 0; i < attempts.size(); ++i)
    {
        SCOPED_TRACE(compat::d3d9::Describe(attempts[i]));
        EXPECT_EQ(attempts[i].ints[0], static_cast<int64_t>(i / 24));
        EXPECT_EQ(attempts[i].ints[1], kTypes[i / 12 % 2]);
        EXPECT_EQ(attempts[i].ints[2], kBehaviours[i / 6 % 2]);
        EXPECT_EQ(attempts[i].presentParameters.AutoDepthStencilFormat, kDepths[i % 6]);
        EXPECT_EQ(attempts[i].result, i == 47 ? D3D_OK : D3DERR_NOTAVAILABLE);
        EXPECT_EQ(attempts[i].pointers[1], i == 47 ? device_ : nullptr);
    }
}

TEST_F(CreationFaults, ARefusingFilterFailsTheWholeLadder)
{
    compat::d3d9::SetCreateDeviceFilter([](UINT, D3DDEVTYPE, DWORD, D3DFORMAT) { return false; });
    EXPECT_EQ(Ladder(), 24);
    EXPECT_EQ(device_, nullptr);
    EXPECT_NE(compat::d3d9::LastError().find("refused"), std::string::npos);
}

TEST_F(CreationFaults, AdapterCountBoundsTheAdapters)
{
    compat::d3d9::SetAdapterCount(0);
    EXPECT_EQ(D3D()->GetAdapterCount(), 0u);
    EXPECT_EQ(Ladder(), 0);
    D3DPRESENT_PARAMETERS pp = Params();
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, Window(), D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &pp, &device_),
              D3DERR_INVALIDCALL);
    D3DDISPLAYMODE mode{};
    EXPECT_EQ(D3D()->GetAdapterDisplayMode(0, &mode), D3DERR_INVALIDCALL);
}

TEST_F(CreationFaults, Direct3DCreate9CanFail)
{
    compat::d3d9::SetDirect3DCreate9Fails(true);
    EXPECT_EQ(Direct3DCreate9(D3D_SDK_VERSION), nullptr);
    compat::d3d9::SetDirect3DCreate9Fails(false);
    EXPECT_EQ(Direct3DCreate9(31), nullptr) << "the wrong SDK version";
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    EXPECT_EQ(d3d->Release(), 0u);
}

TEST_F(CreationFaults, DisplayModeIsTheDesktopUnlessMadeToFail)
{
    D3DDISPLAYMODE mode{};
    ASSERT_EQ(D3D()->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3D_OK);
    EXPECT_EQ(mode.Width, 1920u);
    EXPECT_EQ(mode.Height, 1080u);
    EXPECT_EQ(mode.Format, D3DFMT_X8R8G8B8);
    EXPECT_EQ(mode.RefreshRate, 60u);
    compat::win32::SetVirtualScreenSize(1280, 720);
    D3D()->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode);
    EXPECT_EQ(mode.Width, 1280u);

    compat::d3d9::SetGetAdapterDisplayModeFails(true);
    EXPECT_EQ(D3D()->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode), D3DERR_NOTAVAILABLE);
    EXPECT_EQ(D3D()->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, nullptr), D3DERR_INVALIDCALL);
}

TEST_F(CreationFaults, ResetCanFailAndThenChangesNothing)
{
    Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
    compat::d3d9::SetResetFails(true);
    D3DPRESENT_PARAMETERS pp = Params();
    pp.BackBufferWidth = 640;
    EXPECT_EQ(Device()->Reset(&pp), D3DERR_DEVICELOST);
    DWORD lighting = TRUE;
    Device()->GetRenderState(D3DRS_LIGHTING, &lighting);
    EXPECT_EQ(lighting, static_cast<DWORD>(FALSE));
    EXPECT_EQ(CallsNamed("Reset").back().result, D3DERR_DEVICELOST);
    compat::d3d9::SetResetFails(false);
    EXPECT_EQ(Device()->Reset(&pp), D3D_OK);
}

TEST_F(CreationFaults, ResetForTestsClearsEveryFault)
{
    compat::d3d9::SetAdapterCount(0);
    compat::d3d9::SetDirect3DCreate9Fails(true);
    compat::d3d9::SetGetAdapterDisplayModeFails(true);
    compat::d3d9::SetCreateDeviceFilter([](UINT, D3DDEVTYPE, DWORD, D3DFORMAT) { return false; });
    compat::d3d9::SetBackend(compat::d3d9::Backend::OpenGL);
    compat::d3d9::ResetForTests();
    EXPECT_EQ(compat::d3d9::CurrentBackend(), compat::d3d9::Backend::Recording);
    EXPECT_TRUE(compat::d3d9::LastError().empty());
    D3DDISPLAYMODE mode{};
    EXPECT_EQ(D3D()->GetAdapterDisplayMode(0, &mode), D3D_OK);
    EXPECT_EQ(Ladder(), 1);
}

TEST_F(CreationFaults, CreateDeviceChecksItsArguments)
{
    D3DPRESENT_PARAMETERS pp = Params();
    IDirect3DDevice9* device = nullptr;
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, Window(), D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  nullptr, &device),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, Window(), D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &pp, nullptr),
              D3DERR_INVALIDCALL);
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, Window(),
                                  D3DCREATE_HARDWARE_VERTEXPROCESSING |
                                      D3DCREATE_SOFTWARE_VERTEXPROCESSING,
                                  &pp, &device),
              D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("exactly one vertex-processing flag"),
              std::string::npos);
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_SW, Window(), D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &pp, &device),
              D3DERR_NOTAVAILABLE);
    pp.hDeviceWindow = nullptr;
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, nullptr, D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &pp, &device),
              D3DERR_INVALIDCALL);
    pp = Params();
    pp.BackBufferWidth = 0;
    EXPECT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, Window(), D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &pp, &device),
              D3DERR_INVALIDCALL)
        << "no size, and the window is not a real one to take it from";
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(CallsNamed("CreateDevice").size(), 6u) << "failed attempts are recorded too";
}

} // namespace
} // namespace test
