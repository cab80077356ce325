// Device creation: the adapter / device type / vertex processing / depth
// format ladder, the presentation parameters, and reset.
#include "ShellFixture.h"

#include "platform/Graphics.h"
#include "platform/Window.h"

#include <compat/d3d9.h>

namespace
{
struct Attempt
{
    int64_t adapter;
    int64_t type;
    int64_t behavior;
    D3DFORMAT depthFormat;
    int32_t result;
};

// CreateDevice(adapter, type, window, behaviour, parameters, device): the
// integer arguments in order, and the parameters as given.
std::vector<Attempt> Attempts()
{
    std::vector<Attempt> attempts;
    for (const auto& call : compat::d3d9::RecordedCalls())
        if (call.method == "CreateDevice")
            attempts.push_back({call.ints[0], call.ints[1], call.ints[2],
                                call.presentParameters.AutoDepthStencilFormat, call.result});
    return attempts;
}

class DeviceLadderTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        m_window = new CWindow();
        ASSERT_NE(m_window->Create(L"Zarv", nullptr, nullptr), nullptr);
        m_param = DefaultDeviceParam();
        m_param.width = 1870;
        m_param.height = 1030;
    }
    void TearDown() override
    {
        delete m_graphics;
        delete m_window;
        ShellTest::TearDown();
    }
    bool Create()
    {
        m_graphics = new CGraphics();
        return m_graphics->Create(m_window->GetHandle(), &m_param);
    }

    CWindow* m_window = nullptr;
    CGraphics* m_graphics = nullptr;
    DeviceParam m_param{};
};
} // namespace

TEST_F(DeviceLadderTest, OrdinaryHardwareTakesTheFirstAttempt)
{
    ASSERT_TRUE(Create());
    const auto attempts = Attempts();
    ASSERT_EQ(attempts.size(), 1u);
    EXPECT_EQ(attempts[0].adapter, 0);
    EXPECT_EQ(attempts[0].type, D3DDEVTYPE_HAL);
    EXPECT_EQ(attempts[0].behavior, D3DCREATE_HARDWARE_VERTEXPROCESSING);
    EXPECT_EQ(attempts[0].depthFormat, D3DFMT_D24S8);

    const D3DPRESENT_PARAMETERS pp = CallsNamed("CreateDevice")[0].presentParameters;
    EXPECT_EQ(pp.BackBufferWidth, 1870u);
    EXPECT_EQ(pp.BackBufferHeight, 1030u);
    EXPECT_EQ(pp.BackBufferFormat, D3DFMT_X8R8G8B8); // the desktop's format
    EXPECT_EQ(pp.BackBufferCount, 3u);
    EXPECT_EQ(pp.MultiSampleType, D3DMULTISAMPLE_NONE);
    EXPECT_EQ(pp.SwapEffect, D3DSWAPEFFECT_DISCARD);
    EXPECT_EQ(pp.hDeviceWindow, m_window->GetHandle());
    EXPECT_TRUE(pp.Windowed);
    EXPECT_TRUE(pp.EnableAutoDepthStencil);
    EXPECT_EQ(pp.Flags, static_cast<DWORD>(D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL));
    EXPECT_EQ(pp.FullScreen_RefreshRateInHz, 0u);
    EXPECT_EQ(pp.PresentationInterval, static_cast<UINT>(D3DPRESENT_INTERVAL_IMMEDIATE));
    EXPECT_NE(CGraphics::GetDevice(), nullptr);
}

TEST_F(DeviceLadderTest, DepthFormatsAreTheInnermostLoopInTheirOrder)
{
    compat::d3d9::SetCreateDeviceFilter([](UINT, D3DDEVTYPE, DWORD, D3DFORMAT format)
                                        { return format == D3DFMT_D16; });
    ASSERT_TRUE(Create());
    const auto attempts = Attempts();
    ASSERT_EQ(attempts.size(), 6u);
    const D3DFORMAT expected[] = {D3DFMT_D24S8, D3DFMT_D24X8, D3DFMT_D24X4S4,
                                  D3DFMT_D32,   D3DFMT_D15S1, D3DFMT_D16};
    for (size_t i = 0; i < 6; ++i)
    {
        EXPECT_EQ(attempts[i].depthFormat, expected[i]) << "attempt " << i;
        EXPECT_EQ(attempts[i].type, D3DDEVTYPE_HAL);
        EXPECT_EQ(attempts[i].behavior, D3DCREATE_HARDWARE_VERTEXPROCESSING);
    }
    EXPECT_EQ(attempts[5].result, D3D_OK);
}

TEST_F(DeviceLadderTest, WithoutHardwareTheReferenceDeviceOfTheSameAdapterComesNext)
{
    compat::d3d9::SetAdapterCount(2);
    compat::d3d9::SetCreateDeviceFilter([](UINT, D3DDEVTYPE type, DWORD, D3DFORMAT)
                                        { return type == D3DDEVTYPE_REF; });
    ASSERT_TRUE(Create());
    const auto attempts = Attempts();
    // Both vertex processing modes with all six formats on HAL, then REF.
    ASSERT_EQ(attempts.size(), 13u);
    EXPECT_EQ(attempts[6].behavior, D3DCREATE_SOFTWARE_VERTEXPROCESSING);
    EXPECT_EQ(attempts[12].adapter, 0);
    EXPECT_EQ(attempts[12].type, D3DDEVTYPE_REF);
    EXPECT_EQ(attempts[12].behavior, D3DCREATE_HARDWARE_VERTEXPROCESSING);
    EXPECT_EQ(attempts[12].depthFormat, D3DFMT_D24S8);
}

TEST_F(DeviceLadderTest, EveryCombinationOfEveryAdapterBeforeGivingUp)
{
    compat::d3d9::SetAdapterCount(2);
    compat::d3d9::SetCreateDeviceFilter([](UINT, D3DDEVTYPE, DWORD, D3DFORMAT) { return false; });
    EXPECT_FALSE(Create());
    const auto attempts = Attempts();
    ASSERT_EQ(attempts.size(), 48u);
    EXPECT_EQ(attempts[23].adapter, 0);
    EXPECT_EQ(attempts[24].adapter, 1);
    EXPECT_EQ(CGraphics::GetDevice(), nullptr);
}

TEST_F(DeviceLadderTest, NoDepthOrStencilBitsMeansNoAutomaticDepthBuffer)
{
    m_param.depthBits = 0;
    m_param.stencilBits = 0;
    ASSERT_TRUE(Create());
    const D3DPRESENT_PARAMETERS pp = CallsNamed("CreateDevice")[0].presentParameters;
    EXPECT_FALSE(pp.EnableAutoDepthStencil);
    EXPECT_EQ(pp.Flags, 0u);
}

TEST_F(DeviceLadderTest, FullScreenFlipsAndVsyncPresentsOncePerRetrace)
{
    m_param.windowed = false;
    m_param.vsync = true;
    ASSERT_TRUE(Create());
    const D3DPRESENT_PARAMETERS pp = CallsNamed("CreateDevice")[0].presentParameters;
    EXPECT_FALSE(pp.Windowed);
    EXPECT_EQ(pp.SwapEffect, D3DSWAPEFFECT_FLIP);
    EXPECT_EQ(pp.FullScreen_RefreshRateInHz, 0u);
    EXPECT_EQ(pp.PresentationInterval, static_cast<UINT>(D3DPRESENT_INTERVAL_ONE));
}

TEST_F(DeviceLadderTest, MissingWindowFailsBeforeTheDirect3DObjectExists)
{
    m_graphics = new CGraphics();
    EXPECT_FALSE(m_graphics->Create(nullptr, &m_param));
    EXPECT_TRUE(CallsNamed("Direct3DCreate9").empty());
    EXPECT_TRUE(CallsNamed("CreateDevice").empty());
}

TEST_F(DeviceLadderTest, SecondCreateResetsTheSameDevice)
{
    ASSERT_TRUE(Create());
    IDirect3DDevice9* device = CGraphics::GetDevice();
    m_param.width = 800;
    EXPECT_TRUE(m_graphics->Create(m_window->GetHandle(), &m_param));
    EXPECT_EQ(CGraphics::GetDevice(), device);
    EXPECT_EQ(CallsNamed("CreateDevice").size(), 1u);
    const auto resets = CallsNamed("Reset");
    ASSERT_EQ(resets.size(), 1u);
    EXPECT_EQ(resets[0].presentParameters.BackBufferWidth, 800u);

    compat::d3d9::SetResetFails(true);
    EXPECT_FALSE(m_graphics->Create(m_window->GetHandle(), &m_param));
}

TEST_F(DeviceLadderTest, UnreadableDisplayModeFails)
{
    compat::d3d9::SetGetAdapterDisplayModeFails(true);
    EXPECT_FALSE(Create());
    EXPECT_TRUE(CallsNamed("CreateDevice").empty());
}
