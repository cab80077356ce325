// The state the device keeps: transforms, render and sampler states, lights,
// material, textures, Reset's return to the defaults, reference counts.
#include "D3d9Test.h"

namespace test
{
namespace
{

D3DXMATRIX Translation(float x, float y, float z)
{
    D3DXMATRIX m;
    D3DXMatrixTranslation(&m, x, y, z);
    return m;
}

D3DXMATRIX RotationY(float radians)
{
    D3DXMATRIX m;
    D3DXMatrixRotationY(&m, radians);
    return m;
}

D3DLIGHT9 WhiteDirectionalLight()
{
    D3DLIGHT9 light{};
    light.Type = D3DLIGHT_DIRECTIONAL;
    light.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.Direction = {0.0f, 0.0f, -1.0f};
    light.Range = 1000.0f;
    return light;
}

using DeviceTransforms = D3D9Test;

TEST_F(DeviceTransforms, StartAsIdentityAndGetReturnsWhatWasSet)
{
    D3DXMATRIX identity, got;
    D3DXMatrixIdentity(&identity);
    for (D3DTRANSFORMSTATETYPE state : {D3DTS_WORLD, D3DTS_VIEW, D3DTS_PROJECTION})
    {
        ASSERT_EQ(Device()->GetTransform(state, &got), D3D_OK);
        EXPECT_EQ(got, identity);
    }
    const D3DXMATRIX world = Translation(1, 2, 3), view = RotationY(0.5f), world1 = RotationY(1);
    ASSERT_EQ(Device()->SetTransform(D3DTS_WORLD, &world), D3D_OK);
    ASSERT_EQ(Device()->SetTransform(D3DTS_VIEW, &view), D3D_OK);
    ASSERT_EQ(Device()->SetTransform(D3DTS_WORLDMATRIX(1), &world1), D3D_OK);
    Device()->GetTransform(D3DTS_WORLD, &got);
    EXPECT_EQ(got, world);
    Device()->GetTransform(D3DTS_VIEW, &got);
    EXPECT_EQ(got, view);
    Device()->GetTransform(D3DTS_WORLDMATRIX(1), &got);
    EXPECT_EQ(got, world1);
}

TEST_F(DeviceTransforms, MultiplyPutsTheGivenMatrixFirst)
{
    const D3DXMATRIX current = Translation(1, 0, 0), given = RotationY(D3DX_PI / 2);
    Device()->SetTransform(D3DTS_WORLD, &current);
    ASSERT_EQ(Device()->MultiplyTransform(D3DTS_WORLD, &given), D3D_OK);
    D3DXMATRIX world;
    Device()->GetTransform(D3DTS_WORLD, &world);
    // Turned first, (1,0,0) -> (0,0,-1), then moved by (1,0,0).
    D3DXVECTOR3 p(1, 0, 0);
    D3DXVec3TransformCoord(&p, &p, &world);
    EXPECT_NEAR(p.x, 1.0f, 1e-6f);
    EXPECT_NEAR(p.z, -1.0f, 1e-6f);
}

TEST_F(DeviceTransforms, UnknownStatesAndNullMatricesFail)
{
    const D3DXMATRIX m = Translation(1, 2, 3);
    D3DXMATRIX got;
    EXPECT_EQ(Device()->SetTransform(static_cast<D3DTRANSFORMSTATETYPE>(5), &m),
              D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("unknown transform state 5"), std::string::npos);
    EXPECT_EQ(Device()->SetTransform(D3DTS_WORLD, nullptr), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->MultiplyTransform(D3DTS_WORLDMATRIX(256), &m), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->GetTransform(D3DTS_VIEW, nullptr), D3DERR_INVALIDCALL);
    Device()->GetTransform(D3DTS_WORLD, &got);
    EXPECT_EQ(got(3, 0), 0.0f);
}

using DeviceRenderStates = D3D9Test;

TEST_F(DeviceRenderStates, StartAtDirect3DsDefaults)
{
    auto get = [&](D3DRENDERSTATETYPE state)
    {
        DWORD value = 0xdeadbeef;
        EXPECT_EQ(Device()->GetRenderState(state, &value), D3D_OK);
        return value;
    };
    EXPECT_EQ(get(D3DRS_LIGHTING), static_cast<DWORD>(TRUE));
    EXPECT_EQ(get(D3DRS_CULLMODE), static_cast<DWORD>(D3DCULL_CCW));
    EXPECT_EQ(get(D3DRS_FILLMODE), static_cast<DWORD>(D3DFILL_SOLID));
    EXPECT_EQ(get(D3DRS_ZENABLE), static_cast<DWORD>(D3DZB_TRUE));
    EXPECT_EQ(get(D3DRS_ZWRITEENABLE), static_cast<DWORD>(TRUE));
    EXPECT_EQ(get(D3DRS_ZFUNC), static_cast<DWORD>(D3DCMP_LESSEQUAL));
    EXPECT_EQ(get(D3DRS_AMBIENT), 0u);
    EXPECT_EQ(get(D3DRS_DIFFUSEMATERIALSOURCE), static_cast<DWORD>(D3DMCS_COLOR1));
    EXPECT_EQ(get(D3DRS_SPECULARENABLE), static_cast<DWORD>(FALSE));
}

TEST_F(DeviceRenderStates, WithoutADepthBufferDepthTestingStartsOff)
{
    D3DPRESENT_PARAMETERS pp = Params();
    pp.EnableAutoDepthStencil = FALSE;
    ASSERT_EQ(D3D()->CreateDevice(0, D3DDEVTYPE_HAL, Window(), D3DCREATE_HARDWARE_VERTEXPROCESSING,
                                  &pp, &device_),
              D3D_OK);
    DWORD z = 1;
    device_->GetRenderState(D3DRS_ZENABLE, &z);
    EXPECT_EQ(z, static_cast<DWORD>(D3DZB_FALSE));
}

TEST_F(DeviceRenderStates, KeepWhatIsSetAndRefuseUnknownStatesAndValues)
{
    ASSERT_EQ(Device()->SetRenderState(D3DRS_AMBIENT, 0xFF7F7F7F), D3D_OK);
    ASSERT_EQ(Device()->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME), D3D_OK);
    EXPECT_EQ(Device()->SetRenderState(D3DRS_CULLMODE, 7), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->SetRenderState(static_cast<D3DRENDERSTATETYPE>(1000), 1),
              D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("1000"), std::string::npos);
    DWORD value = 0;
    Device()->GetRenderState(D3DRS_AMBIENT, &value);
    EXPECT_EQ(value, 0xFF7F7F7Fu);
    Device()->GetRenderState(D3DRS_FILLMODE, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DFILL_WIREFRAME));
    Device()->GetRenderState(D3DRS_CULLMODE, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DCULL_CCW));
}

TEST_F(DeviceRenderStates, SamplerStatesAndTextures)
{
    DWORD value = 0;
    Device()->GetSamplerState(0, D3DSAMP_MINFILTER, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DTEXF_POINT));
    ASSERT_EQ(Device()->SetSamplerState(0, D3DSAMP_MINFILTER, D3DTEXF_ANISOTROPIC), D3D_OK);
    ASSERT_EQ(Device()->SetSamplerState(0, D3DSAMP_MAGFILTER, D3DTEXF_ANISOTROPIC), D3D_OK);
    Device()->GetSamplerState(0, D3DSAMP_MINFILTER, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DTEXF_ANISOTROPIC));
    Device()->GetSamplerState(1, D3DSAMP_MINFILTER, &value);
    EXPECT_EQ(value, static_cast<DWORD>(D3DTEXF_POINT));
    EXPECT_EQ(Device()->SetSamplerState(16, D3DSAMP_MINFILTER, D3DTEXF_LINEAR), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->SetSamplerState(0, D3DSAMP_MAGFILTER, 5), D3DERR_INVALIDCALL);

    EXPECT_EQ(Device()->SetTexture(0, nullptr), D3D_OK);
    EXPECT_EQ(Device()->SetTexture(16, nullptr), D3DERR_INVALIDCALL);
}

using DeviceLights = D3D9Test;

TEST_F(DeviceLights, SetGetAndEnable)
{
    const D3DLIGHT9 light = WhiteDirectionalLight();
    ASSERT_EQ(Device()->SetLight(0, &light), D3D_OK);
    BOOL enabled = TRUE;
    ASSERT_EQ(Device()->GetLightEnable(0, &enabled), D3D_OK);
    EXPECT_FALSE(enabled);
    ASSERT_EQ(Device()->LightEnable(0, TRUE), D3D_OK);
    Device()->GetLightEnable(0, &enabled);
    EXPECT_TRUE(enabled);
    D3DLIGHT9 got{};
    ASSERT_EQ(Device()->GetLight(0, &got), D3D_OK);
    EXPECT_EQ(got.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(got.Direction.z, -1.0f);
    EXPECT_EQ(got.Range, 1000.0f);
    EXPECT_EQ(Device()->GetLight(1, &got), D3DERR_INVALIDCALL);
}

TEST_F(DeviceLights, EnablingAnUnsetLightMakesDirect3DsDefaultLight)
{
    ASSERT_EQ(Device()->LightEnable(3, TRUE), D3D_OK);
    D3DLIGHT9 got{};
    ASSERT_EQ(Device()->GetLight(3, &got), D3D_OK);
    EXPECT_EQ(got.Type, D3DLIGHT_DIRECTIONAL);
    EXPECT_EQ(got.Diffuse.r, 1.0f);
    EXPECT_EQ(got.Direction.z, 1.0f);
}

TEST_F(DeviceLights, RefusesBadLightsAndANinthEnabledLight)
{
    D3DLIGHT9 light = WhiteDirectionalLight();
    light.Direction = {0, 0, 0};
    EXPECT_EQ(Device()->SetLight(0, &light), D3DERR_INVALIDCALL);
    light = WhiteDirectionalLight();
    light.Type = static_cast<D3DLIGHTTYPE>(9);
    EXPECT_EQ(Device()->SetLight(0, &light), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->SetLight(0, nullptr), D3DERR_INVALIDCALL);

    for (DWORD i = 0; i < 8; ++i)
        ASSERT_EQ(Device()->LightEnable(i * 10, TRUE), D3D_OK);
    EXPECT_EQ(Device()->LightEnable(99, TRUE), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->LightEnable(10, TRUE), D3D_OK) << "enabling an enabled light again";
    ASSERT_EQ(Device()->LightEnable(0, FALSE), D3D_OK);
    EXPECT_EQ(Device()->LightEnable(99, TRUE), D3D_OK);
}

TEST_F(DeviceLights, MaterialRoundTrip)
{
    D3DMATERIAL9 red{};
    red.Diffuse.r = 1.0f;
    ASSERT_EQ(Device()->SetMaterial(&red), D3D_OK);
    D3DMATERIAL9 got{};
    Device()->GetMaterial(&got);
    EXPECT_EQ(got.Diffuse.r, 1.0f);
    EXPECT_EQ(got.Diffuse.g, 0.0f);
    EXPECT_EQ(Device()->SetMaterial(nullptr), D3DERR_INVALIDCALL);
}

using DeviceReset = D3D9Test;

TEST_F(DeviceReset, ReturnsTheStateToTheDefaultsWithTheNewParameters)
{
    const D3DLIGHT9 light = WhiteDirectionalLight();
    const D3DXMATRIX world = Translation(1, 2, 3);
    Device()->SetLight(0, &light);
    Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
    Device()->SetTransform(D3DTS_WORLD, &world);

    D3DPRESENT_PARAMETERS pp = Params(D3DFMT_D16);
    pp.BackBufferWidth = 800;
    pp.BackBufferCount = 0;
    ASSERT_EQ(Device()->Reset(&pp), D3D_OK) << compat::d3d9::LastError();
    EXPECT_EQ(pp.BackBufferCount, 1u) << "Reset fills in the back-buffer count";

    DWORD lighting = FALSE;
    Device()->GetRenderState(D3DRS_LIGHTING, &lighting);
    EXPECT_EQ(lighting, static_cast<DWORD>(TRUE));
    D3DXMATRIX got;
    Device()->GetTransform(D3DTS_WORLD, &got);
    EXPECT_EQ(got(3, 0), 0.0f);
    D3DLIGHT9 gotLight{};
    EXPECT_EQ(Device()->GetLight(0, &gotLight), D3DERR_INVALIDCALL);

    compat::d3d9::Image image;
    ASSERT_EQ(compat::d3d9::ReadPresentedImage(Device(), image), D3D_OK);
    EXPECT_EQ(image.width, 800u);
    EXPECT_EQ(image.height, 1030u);
}

TEST_F(DeviceReset, RefusedWhileDefaultPoolBuffersExist)
{
    IDirect3DVertexBuffer9* vb = nullptr;
    ASSERT_EQ(Device()->CreateVertexBuffer(64, 0, 0, D3DPOOL_DEFAULT, &vb, nullptr), D3D_OK);
    D3DPRESENT_PARAMETERS pp = Params();
    EXPECT_EQ(Device()->Reset(&pp), D3DERR_INVALIDCALL);
    EXPECT_NE(compat::d3d9::LastError().find("D3DPOOL_DEFAULT"), std::string::npos);
    vb->Release();
    EXPECT_EQ(Device()->Reset(&pp), D3D_OK);
}

TEST_F(DeviceReset, RefusesBadParameters)
{
    D3DPRESENT_PARAMETERS pp = Params();
    pp.AutoDepthStencilFormat = D3DFMT_X8R8G8B8;
    EXPECT_EQ(Device()->Reset(&pp), D3DERR_INVALIDCALL);
    pp = Params();
    pp.BackBufferCount = 4;
    EXPECT_EQ(Device()->Reset(&pp), D3DERR_INVALIDCALL);
    pp = Params();
    pp.MultiSampleType = D3DMULTISAMPLE_4_SAMPLES;
    EXPECT_EQ(Device()->Reset(&pp), D3DERR_NOTAVAILABLE);
    pp = Params();
    pp.FullScreen_RefreshRateInHz = 60;
    EXPECT_EQ(Device()->Reset(&pp), D3DERR_INVALIDCALL);
    EXPECT_EQ(Device()->Reset(nullptr), D3DERR_INVALIDCALL);
}

using ReferenceCounts = D3D9Test;

TEST_F(ReferenceCounts, DeviceHoldsItsDirect3DObjectAndResourcesHoldTheDevice)
{
    IDirect3D9* d3d = D3D();
    EXPECT_EQ(d3d->AddRef(), 2u);
    EXPECT_EQ(d3d->Release(), 1u);
    Device();
    EXPECT_EQ(d3d->AddRef(), 3u) << "the device holds one";
    EXPECT_EQ(d3d->Release(), 2u);

    IDirect3DIndexBuffer9* ib = nullptr;
    ASSERT_EQ(Device()->CreateIndexBuffer(72, 0, D3DFMT_INDEX16, D3DPOOL_DEFAULT, &ib, nullptr),
              D3D_OK);
    EXPECT_EQ(Device()->AddRef(), 3u) << "the buffer holds one";
    EXPECT_EQ(Device()->Release(), 2u);
    EXPECT_EQ(ib->Release(), 0u);
    EXPECT_EQ(Device()->AddRef(), 2u);
    EXPECT_EQ(Device()->Release(), 1u);

    EXPECT_EQ(device_->Release(), 0u);
    device_ = nullptr;
    EXPECT_EQ(d3d->AddRef(), 2u) << "the released device gave its reference back";
    EXPECT_EQ(d3d->Release(), 1u);
}

TEST_F(ReferenceCounts, QueryInterfaceAnswersNoInterface)
{
    void* out = &out;
    EXPECT_EQ(D3D()->QueryInterface(GUID{}, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(D3D()->QueryInterface(GUID{}, nullptr), E_POINTER);
}

} // namespace
} // namespace test
