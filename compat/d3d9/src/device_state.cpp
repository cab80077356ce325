#include "device_state.h"

#include <algorithm>
#include <utility>

namespace compat::d3d9
{
namespace
{

D3DMATRIX Identity()
{
    D3DMATRIX m{};
    m._11 = m._22 = m._33 = m._44 = 1.0f;
    return m;
}

} // namespace

const LightSlot* DeviceState::FindLight(DWORD index) const
{
    for (const LightSlot& slot : lights)
        if (slot.index == index)
            return &slot;
    return nullptr;
}

LightSlot* DeviceState::FindLight(DWORD index)
{
    return const_cast<LightSlot*>(std::as_const(*this).FindLight(index));
}

std::size_t DeviceState::EnabledLightCount() const
{
    return static_cast<std::size_t>(
        std::count_if(lights.begin(), lights.end(), [](const LightSlot& s) { return s.enabled; }));
}

void SetDefaultState(DeviceState& state, const D3DPRESENT_PARAMETERS& presentParameters)
{
    state.presentParameters = presentParameters;
    state.view = state.projection = Identity();
    state.texture.fill(Identity());
    state.world.fill(Identity());
    state.material = D3DMATERIAL9{};
    state.lights.clear();

    auto& rs = state.renderStates;
    rs.fill(0);
    rs[D3DRS_ZENABLE] = presentParameters.EnableAutoDepthStencil ? D3DZB_TRUE : D3DZB_FALSE;
    rs[D3DRS_FILLMODE] = D3DFILL_SOLID;
    rs[D3DRS_SHADEMODE] = D3DSHADE_GOURAUD;
    rs[D3DRS_ZWRITEENABLE] = TRUE;
    rs[D3DRS_LASTPIXEL] = TRUE;
    rs[D3DRS_SRCBLEND] = D3DBLEND_ONE;
    rs[D3DRS_DESTBLEND] = D3DBLEND_ZERO;
    rs[D3DRS_CULLMODE] = D3DCULL_CCW;
    rs[D3DRS_ZFUNC] = D3DCMP_LESSEQUAL;
    rs[D3DRS_ALPHAFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_FOGEND] = 0x3f800000; // 1.0f
    rs[D3DRS_FOGDENSITY] = 0x3f800000;
    rs[D3DRS_STENCILFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILZFAIL] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILPASS] = D3DSTENCILOP_KEEP;
    rs[D3DRS_STENCILFUNC] = D3DCMP_ALWAYS;
    rs[D3DRS_STENCILMASK] = 0xffffffff;
    rs[D3DRS_STENCILWRITEMASK] = 0xffffffff;
    rs[D3DRS_TEXTUREFACTOR] = 0xffffffff;
    rs[D3DRS_CLIPPING] = TRUE;
    rs[D3DRS_LIGHTING] = TRUE;
    rs[D3DRS_COLORVERTEX] = TRUE;
    rs[D3DRS_LOCALVIEWER] = TRUE;
    rs[D3DRS_DIFFUSEMATERIALSOURCE] = D3DMCS_COLOR1;
    rs[D3DRS_SPECULARMATERIALSOURCE] = D3DMCS_COLOR2;
    rs[D3DRS_AMBIENTMATERIALSOURCE] = D3DMCS_MATERIAL;
    rs[D3DRS_EMISSIVEMATERIALSOURCE] = D3DMCS_MATERIAL;
    rs[D3DRS_MULTISAMPLEANTIALIAS] = TRUE;
    rs[D3DRS_COLORWRITEENABLE] = 0x0000000f;
    rs[D3DRS_BLENDOP] = D3DBLENDOP_ADD;

    for (auto& sampler : state.samplerStates)
    {
        sampler.fill(0);
        sampler[D3DSAMP_ADDRESSU] = D3DTADDRESS_WRAP;
        sampler[D3DSAMP_ADDRESSV] = D3DTADDRESS_WRAP;
        sampler[D3DSAMP_ADDRESSW] = D3DTADDRESS_WRAP;
        sampler[D3DSAMP_MAGFILTER] = D3DTEXF_POINT;
        sampler[D3DSAMP_MINFILTER] = D3DTEXF_POINT;
        sampler[D3DSAMP_MIPFILTER] = D3DTEXF_NONE;
        sampler[D3DSAMP_MAXANISOTROPY] = 1;
    }

    state.fvf = 0;
    state.streams.fill(StreamBinding{});
    state.indices = IndexBinding{};
    state.inScene = false;
    state.dirty = kDirtyAll;
}

D3DMATRIX* TransformSlot(DeviceState& state, D3DTRANSFORMSTATETYPE type)
{
    const auto t = static_cast<DWORD>(type);
    if (t == D3DTS_VIEW)
        return &state.view;
    if (t == D3DTS_PROJECTION)
        return &state.projection;
    if (t >= D3DTS_TEXTURE0 && t < D3DTS_TEXTURE0 + kTextureMatrixCount)
        return &state.texture[t - D3DTS_TEXTURE0];
    if (t >= 256 && t < 256 + kWorldMatrixCount)
        return &state.world[t - 256];
    return nullptr;
}

bool HasStencil(D3DFORMAT format)
{
    return format == D3DFMT_D24S8 || format == D3DFMT_D24X4S4 || format == D3DFMT_D15S1 ||
           format == D3DFMT_D24FS8;
}

bool IsDepthStencilFormat(D3DFORMAT format)
{
    switch (format)
    {
    case D3DFMT_D16_LOCKABLE:
    case D3DFMT_D32:
    case D3DFMT_D15S1:
    case D3DFMT_D24S8:
    case D3DFMT_D24X8:
    case D3DFMT_D24X4S4:
    case D3DFMT_D16:
    case D3DFMT_D32F_LOCKABLE:
    case D3DFMT_D24FS8:
        return true;
    default:
        return false;
    }
}

} // namespace compat::d3d9
