// The backend's shader programs: Direct3D 9's fixed-function vertex pipeline
// (transform, per-vertex directional lighting) and its three kinds of vertex,
// all made from one source with MODE defined:
//   0  positions through world · view · projection, lit or unlit;
//   1  pre-transformed positions (XYZRHW) in back-buffer pixels, unlit;
//   2  glyph quads of a font in back-buffer pixels, coloured by uTextColour
//      and the atlas's coverage.
// What a draw's render states choose (lighting, how many lights, where the
// material colours come from, normalising, flat shading) is compiled into
// the program as constants, one program per combination met, as a driver
// builds its fixed function: a software rasteriser then runs straight-line
// code for each vertex and pixel, instead of branches and loops on uniforms
// that it cannot tell apart from per-vertex ones. A program of its own per
// kind and choice keeps each small: a software rasteriser compiles a
// program's code when it first draws with it, and the time that takes grows
// with the code.
// Attributes that a vertex lacks read OpenGL's constant values, which the
// backend sets once: white for the colour, a zero normal.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>

namespace compat::d3d9::opengl
{

inline constexpr int kModeTransformed = 0;
inline constexpr int kModePretransformed = 1;
inline constexpr int kModeText = 2;
inline constexpr int kModeCount = 3;

// What one program is compiled for. Only what the mode reads counts: the
// others stay at their defaults, so that draws that differ only in them share
// a program.
struct ProgramKey
{
    int mode = kModeTransformed;
    bool flatShading = false; // modes 0 and 1
    bool lighting = false;    // mode 0 from here on
    bool normalizeNormals = false;
    int lightCount = 0;
    // diffuse, ambient, emissive: 1 = the vertex colour, 0 = the material
    std::array<int, 3> colourSources{};

    bool operator==(const ProgramKey&) const = default;
};

// A ProgramKey's choices packed into one number, for finding its program.
struct ProgramKeyHash
{
    std::size_t operator()(const ProgramKey& key) const
    {
        std::size_t packed = static_cast<std::size_t>(key.mode);
        packed = packed << 1 | static_cast<std::size_t>(key.flatShading);
        packed = packed << 1 | static_cast<std::size_t>(key.lighting);
        packed = packed << 1 | static_cast<std::size_t>(key.normalizeNormals);
        packed = packed << 8 | static_cast<std::size_t>(key.lightCount & 0xFF);
        for (const int source : key.colourSources)
            packed = packed << 2 | static_cast<std::size_t>(source & 3);
        return std::hash<std::size_t>{}(packed);
    }
};

inline constexpr unsigned kPositionAttribute = 0;
inline constexpr unsigned kNormalAttribute = 1;
inline constexpr unsigned kColourAttribute = 2;
inline constexpr unsigned kTexCoordAttribute = 3;

// The first lines of every shader: the language version and what differs
// with it. OpenGL ES reads a D3DCOLOR's bytes as B, G, R, A (it has no BGRA
// attribute size): VERTEX_COLOUR puts them back in order.
inline constexpr const char* kDesktopShaderHeader = "#version 330 core\n"
                                                    "#define VERTEX_COLOUR aColour\n";
inline constexpr const char* kEsShaderHeader = "#version 300 es\n"
                                               "precision highp float;\n"
                                               "precision highp int;\n"
                                               "#define VERTEX_COLOUR aColour.bgra\n";

inline constexpr const char* kVertexShaderBody = R"(
layout(location = 0) in vec4 aPosition;
layout(location = 1) in vec3 aNormal;
layout(location = 2) in vec4 aColour;
layout(location = 3) in vec2 aTexCoord;

uniform vec2 uTargetSize;

#if MODE == 0
uniform mat4 uWorldViewProjection;
#if LIGHTING
uniform mat3 uNormalMatrix;
uniform vec4 uMaterialDiffuse;
uniform vec4 uMaterialAmbient;
uniform vec4 uMaterialEmissive;
uniform vec3 uAmbient;
uniform vec3 uTowardsLight[8];
uniform vec3 uLightDiffuse[8];
#endif
#endif

#if MODE == 2
out vec2 vTexCoord;
#elif FLAT_SHADING
flat out vec4 vColour;
#else
out vec4 vColour;
#endif

// Direct3D 9 puts pixel centres on whole coordinates, OpenGL half a pixel
// further on: geometry moves by as much to cover the same pixels. A centre
// that lies exactly on an edge is Direct3D's when the edge is a top or a
// left one. OpenGL (Mesa) decides such a tie the same way when its window y
// runs down from the top (CLIP_CONTROL): the move is then exactly half a
// pixel. Otherwise (OpenGL ES, which cannot be told) it takes bottom edges
// instead of top ones, and geometry moves by a hair less than half a pixel,
// which keeps an edge off the centres it passes through: an edge along a
// row of centres then covers the row below it and not the one above, as in
// Direct3D, but a centre exactly on a slanted edge may go to the other side.
#if CLIP_CONTROL
const float kPixelCentre = 0.5;
#else
const float kPixelCentre = 0.5 - 1.0 / 64.0;
#endif

// Back-buffer pixels (y down) to clip space; `centre` moves them onto
// OpenGL's pixel centres.
vec4 FromPixels(vec2 pixel, float z, float w, float centre)
{
    vec2 ndc = vec2((pixel.x + centre) * 2.0 / uTargetSize.x - 1.0,
                    1.0 - (pixel.y + centre) * 2.0 / uTargetSize.y);
    return vec4(ndc * w, z * w, w);
}

#if MODE == 0 && LIGHTING
// The vertex colour is read only where a material colour comes from it: an
// attribute the shader names is fetched for every vertex, used or not.
#if DIFFUSE_SOURCE == 1
#define DIFFUSE VERTEX_COLOUR
#else
#define DIFFUSE uMaterialDiffuse
#endif
#if AMBIENT_SOURCE == 1
#define AMBIENT VERTEX_COLOUR
#else
#define AMBIENT uMaterialAmbient
#endif
#if EMISSIVE_SOURCE == 1
#define EMISSIVE VERTEX_COLOUR
#else
#define EMISSIVE uMaterialEmissive
#endif

vec4 Lit()
{
    vec4 diffuse = DIFFUSE;
    vec4 ambient = AMBIENT;
    vec4 emissive = EMISSIVE;
    vec3 n = uNormalMatrix * aNormal;
#if NORMALIZE_NORMALS
    if (dot(n, n) > 0.0)
        n = normalize(n);
#endif
    vec3 sum = ambient.rgb * uAmbient + emissive.rgb;
    for (int i = 0; i < LIGHT_COUNT; ++i)
        sum += diffuse.rgb * uLightDiffuse[i] * max(dot(n, uTowardsLight[i]), 0.0);
    return vec4(clamp(sum, 0.0, 1.0), clamp(diffuse.a, 0.0, 1.0));
}
#endif

void main()
{
#if MODE == 2
    vTexCoord = aTexCoord;
    gl_Position = FromPixels(aPosition.xy, 0.0, 1.0, 0.0);
#elif MODE == 1
    gl_Position = FromPixels(aPosition.xy, aPosition.z, 1.0 / aPosition.w, kPixelCentre);
    vColour = VERTEX_COLOUR;
#else
    gl_Position = uWorldViewProjection * aPosition;
    gl_Position.xy += vec2(2.0, -2.0) * kPixelCentre / uTargetSize * gl_Position.w;
#if LIGHTING
    vColour = Lit();
#else
    vColour = VERTEX_COLOUR;
#endif
#endif
    // With window y running down, clip-space y turns over to keep the
    // picture upright; without glClipControl, depth 0..w becomes -w..w.
#if CLIP_CONTROL
    gl_Position.y = -gl_Position.y;
#else
    gl_Position.z = 2.0 * gl_Position.z - gl_Position.w;
#endif
}
)";

inline constexpr const char* kFragmentShaderBody = R"(
#if MODE == 2
uniform vec4 uTextColour;
uniform sampler2D uAtlas;
in vec2 vTexCoord;
#elif FLAT_SHADING
flat in vec4 vColour;
#else
in vec4 vColour;
#endif

out vec4 fragColour;

void main()
{
#if MODE == 2
    fragColour = vec4(uTextColour.rgb, uTextColour.a * texture(uAtlas, vTexCoord).r);
#else
    fragColour = vColour;
#endif
}
)";

// A shader's whole source for a program: the header, the key's choices and
// `clipControl` (whether OpenGL clips and lays out window coordinates as
// Direct3D does) as constants, the body.
inline std::string ShaderSource(const ProgramKey& key, bool clipControl, const char* body, bool es)
{
    auto define = [](const char* name, int value)
    { return std::string("#define ") + name + " " + std::to_string(value) + "\n"; };
    return std::string(es ? kEsShaderHeader : kDesktopShaderHeader) + define("MODE", key.mode) +
           define("CLIP_CONTROL", clipControl) + define("FLAT_SHADING", key.flatShading) +
           define("LIGHTING", key.lighting) + define("NORMALIZE_NORMALS", key.normalizeNormals) +
           define("LIGHT_COUNT", key.lightCount) + define("DIFFUSE_SOURCE", key.colourSources[0]) +
           define("AMBIENT_SOURCE", key.colourSources[1]) +
           define("EMISSIVE_SOURCE", key.colourSources[2]) + body;
}

} // namespace compat::d3d9::opengl
