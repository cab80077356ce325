// Flexible vertex formats: which ones the stand-in accepts, and the layout of
// a vertex (elements in the order of the FVF bits, as Direct3D lays them out).
#pragma once

#include <d3d9types.h>

#include <string_view>

namespace compat::d3d9
{

struct VertexLayout
{
    UINT stride = 0;
    // Byte offsets of the elements, -1 when the vertex has none.
    int position = -1;
    int normal = -1;
    int pointSize = -1;
    int diffuse = -1;
    int specular = -1;
    int texCoords = -1;
    UINT texCoordCount = 0;
    UINT positionFloats = 0;  // 3 for XYZ, 4 for XYZRHW and XYZW
    bool transformed = false; // XYZRHW: already in screen space
};

// Whether the format is one the stand-in can draw; otherwise `why` says what
// is wrong with it.
bool IsSupportedFvf(DWORD fvf, std::string_view& why);

// The layout of a supported format.
VertexLayout LayoutOf(DWORD fvf);

} // namespace compat::d3d9
