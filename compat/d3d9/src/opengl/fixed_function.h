// Direct3D 9's fixed-function transform and lighting, worked out on the CPU
// into the values the shader program takes: in three parts, each from its
// own groups of the device's state, so that a draw works out again only the
// parts whose inputs changed since the last. Row-vector
// matrices stay as Direct3D stores them: OpenGL reads that memory as
// column-major, which is already the column-vector form the shader uses.
#pragma once

#include "device_state.h"
#include "fvf.h"

#include <array>

namespace compat::d3d9::opengl
{

inline constexpr int kMaxShaderLights = 8;

// Where a lit vertex takes a material colour from (D3DMATERIALCOLORSOURCE,
// as the shader sees it): the material, or the vertex's diffuse colour.
enum class ColourSource : int
{
    Material = 0,
    Vertex = 1,
};

struct FixedFunction
{
    // world · view · projection.
    std::array<float, 16> worldViewProjection{};
    // The inverse transpose of world · view's upper 3×3: normals into view
    // space.
    std::array<float, 9> normalMatrix{};

    bool lighting = false;
    bool normalizeNormals = false;
    ColourSource diffuseSource = ColourSource::Material;
    ColourSource ambientSource = ColourSource::Material;
    ColourSource emissiveSource = ColourSource::Material;
    std::array<float, 4> materialDiffuse{};
    std::array<float, 4> materialAmbient{};
    std::array<float, 4> materialEmissive{};
    // The ambient render state plus every enabled light's ambient colour.
    std::array<float, 3> ambient{};
    int lightCount = 0;
    // Per enabled directional light, in view space: the unit vector towards
    // the light (−direction) and its diffuse colour.
    std::array<float, 3 * kMaxShaderLights> towardsLight{};
    std::array<float, 3 * kMaxShaderLights> lightDiffuse{};
    // Enabled lights that are not directional: they are left out.
    int skippedLights = 0;
};

// The fixed-function values for drawing vertices of `layout` with `state`,
// worked out again where `changed` (DirtyFlag bits) names one of a part's
// inputs: the transforms from the world, view and projection matrices; the
// ambient light and the lights from the lights, the view and the render
// states; the material and the lighting switches from the material, the
// render states and the vertex format.
void UpdateFixedFunction(const DeviceState& state, const VertexLayout& layout, uint32_t changed,
                         FixedFunction& out);

// A D3DCOLOR (0xAARRGGBB) as red, green, blue, alpha in 0..1.
std::array<float, 4> ColourToFloats(D3DCOLOR colour);

} // namespace compat::d3d9::opengl
