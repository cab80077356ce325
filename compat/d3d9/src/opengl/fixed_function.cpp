#include "opengl/fixed_function.h"

#include <d3dx9math.h>

#include <cmath>

namespace compat::d3d9::opengl
{
namespace
{

// Row vectors take normals as n' = n · (M⁻¹)ᵀ for M the upper 3×3 of m.
// (M⁻¹)ᵀ is the cofactor matrix over the determinant; stored row by row and
// read by OpenGL as column-major, the shader sees M⁻¹ and computes M⁻¹ · n,
// the same product. A singular matrix gives zero normals.
std::array<float, 9> NormalMatrix(const D3DXMATRIX& m)
{
    const float a = m._11, b = m._12, c = m._13;
    const float d = m._21, e = m._22, f = m._23;
    const float g = m._31, h = m._32, i = m._33;
    const float cofactors[9] = {e * i - f * h, f * g - d * i, d * h - e * g,
                                c * h - b * i, a * i - c * g, b * g - a * h,
                                b * f - c * e, c * d - a * f, a * e - b * d};
    const float det = a * cofactors[0] + b * cofactors[1] + c * cofactors[2];
    std::array<float, 9> out{};
    if (std::fabs(det) < 1e-20f)
        return out;
    for (int k = 0; k < 9; ++k)
        out[k] = cofactors[k] / det;
    return out;
}

std::array<float, 4> ToFloats(const D3DCOLORVALUE& c)
{
    return {c.r, c.g, c.b, c.a};
}

ColourSource SourceOf(const DeviceState& state, D3DRENDERSTATETYPE which, bool vertexHasColour)
{
    // COLOR2 (the specular colour) is not an input of this backend; like a
    // vertex without the colour asked for, it falls back to the material.
    const bool fromVertex = vertexHasColour && state.RenderState(D3DRS_COLORVERTEX) != FALSE &&
                            state.RenderState(which) == D3DMCS_COLOR1;
    return fromVertex ? ColourSource::Vertex : ColourSource::Material;
}

void ComputeTransforms(const DeviceState& state, FixedFunction& out)
{
    const D3DXMATRIX world(state.world[0]);
    const D3DXMATRIX view(state.view);
    const D3DXMATRIX projection(state.projection);
    D3DXMATRIX worldView;
    D3DXMatrixMultiply(&worldView, &world, &view);
    D3DXMATRIX all;
    D3DXMatrixMultiply(&all, &worldView, &projection);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            out.worldViewProjection[row * 4 + column] = all.m[row][column];
    out.normalMatrix = NormalMatrix(worldView);
}

void ComputeMaterial(const DeviceState& state, const VertexLayout& layout, FixedFunction& out)
{
    out.lighting = state.RenderState(D3DRS_LIGHTING) != FALSE && !layout.transformed;
    out.normalizeNormals = state.RenderState(D3DRS_NORMALIZENORMALS) != FALSE;
    const bool hasColour = layout.diffuse >= 0;
    out.diffuseSource = SourceOf(state, D3DRS_DIFFUSEMATERIALSOURCE, hasColour);
    out.ambientSource = SourceOf(state, D3DRS_AMBIENTMATERIALSOURCE, hasColour);
    out.emissiveSource = SourceOf(state, D3DRS_EMISSIVEMATERIALSOURCE, hasColour);
    out.materialDiffuse = ToFloats(state.material.Diffuse);
    out.materialAmbient = ToFloats(state.material.Ambient);
    out.materialEmissive = ToFloats(state.material.Emissive);
}

void ComputeLights(const DeviceState& state, FixedFunction& out)
{
    const D3DXMATRIX view(state.view);
    const auto ambient = ColourToFloats(state.RenderState(D3DRS_AMBIENT));
    out.ambient = {ambient[0], ambient[1], ambient[2]};
    out.lightCount = 0;
    out.skippedLights = 0;
    out.towardsLight.fill(0.0f);
    out.lightDiffuse.fill(0.0f);
    for (const LightSlot& slot : state.lights)
    {
        if (!slot.enabled)
            continue;
        const D3DLIGHT9& light = slot.light;
        out.ambient[0] += light.Ambient.r;
        out.ambient[1] += light.Ambient.g;
        out.ambient[2] += light.Ambient.b;
        if (light.Type != D3DLIGHT_DIRECTIONAL || out.lightCount == kMaxShaderLights)
        {
            ++out.skippedLights;
            continue;
        }
        // The direction through the view matrix (a direction: no
        // translation), reversed and normalised.
        const D3DVECTOR& d = light.Direction;
        float v[3];
        for (int k = 0; k < 3; ++k)
            v[k] = d.x * view.m[0][k] + d.y * view.m[1][k] + d.z * view.m[2][k];
        const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
        if (length <= 0.0f)
        {
            ++out.skippedLights;
            continue;
        }
        const int i = out.lightCount++;
        for (int k = 0; k < 3; ++k)
            out.towardsLight[3 * i + k] = -v[k] / length;
        out.lightDiffuse[3 * i + 0] = light.Diffuse.r;
        out.lightDiffuse[3 * i + 1] = light.Diffuse.g;
        out.lightDiffuse[3 * i + 2] = light.Diffuse.b;
    }
}

} // namespace

std::array<float, 4> ColourToFloats(D3DCOLOR colour)
{
    auto channel = [&](int shift) { return static_cast<float>((colour >> shift) & 0xff) / 255.0f; };
    return {channel(16), channel(8), channel(0), channel(24)};
}

void UpdateFixedFunction(const DeviceState& state, const VertexLayout& layout, uint32_t changed,
                         FixedFunction& out)
{
    if ((changed & (kDirtyWorld | kDirtyViewProjection)) != 0)
        ComputeTransforms(state, out);
    if ((changed & (kDirtyMaterial | kDirtyRenderStates | kDirtyFvf)) != 0)
        ComputeMaterial(state, layout, out);
    if ((changed & (kDirtyLights | kDirtyViewProjection | kDirtyRenderStates)) != 0)
        ComputeLights(state, out);
}

} // namespace compat::d3d9::opengl
