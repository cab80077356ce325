#include "fvf.h"

namespace compat::d3d9
{
namespace
{

constexpr DWORD kKnownBits = D3DFVF_POSITION_MASK | D3DFVF_NORMAL | D3DFVF_PSIZE | D3DFVF_DIFFUSE |
                             D3DFVF_SPECULAR | D3DFVF_TEXCOUNT_MASK;

} // namespace

bool IsSupportedFvf(DWORD fvf, std::string_view& why)
{
    const DWORD position = fvf & D3DFVF_POSITION_MASK;
    if ((fvf & ~kKnownBits) != 0)
    {
        why = "it has bits this stand-in does not know (texture coordinate sizes, "
              "blend weights or reserved bits)";
        return false;
    }
    if (position != D3DFVF_XYZ && position != D3DFVF_XYZRHW && position != D3DFVF_XYZW)
    {
        why = "it has no position, or a blended one (only XYZ, XYZRHW and XYZW are drawn)";
        return false;
    }
    if (position == D3DFVF_XYZRHW && (fvf & D3DFVF_NORMAL) != 0)
    {
        why = "a transformed vertex (XYZRHW) cannot have a normal";
        return false;
    }
    if (((fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT) > 8)
    {
        why = "it has more than 8 texture coordinate sets";
        return false;
    }
    return true;
}

VertexLayout LayoutOf(DWORD fvf)
{
    VertexLayout layout;
    UINT offset = 0;
    const DWORD position = fvf & D3DFVF_POSITION_MASK;
    layout.positionFloats = position == D3DFVF_XYZ ? 3 : 4;
    layout.transformed = position == D3DFVF_XYZRHW;
    layout.position = 0;
    offset += layout.positionFloats * 4;
    auto take = [&](DWORD bit, int& element, UINT size)
    {
        if ((fvf & bit) != 0)
        {
            element = static_cast<int>(offset);
            offset += size;
        }
    };
    take(D3DFVF_NORMAL, layout.normal, 12);
    take(D3DFVF_PSIZE, layout.pointSize, 4);
    take(D3DFVF_DIFFUSE, layout.diffuse, 4);
    take(D3DFVF_SPECULAR, layout.specular, 4);
    layout.texCoordCount = (fvf & D3DFVF_TEXCOUNT_MASK) >> D3DFVF_TEXCOUNT_SHIFT;
    if (layout.texCoordCount > 0)
    {
        layout.texCoords = static_cast<int>(offset);
        offset += layout.texCoordCount * 8;
    }
    layout.stride = offset;
    return layout;
}

} // namespace compat::d3d9
