#include "Scenes.h"

#include <array>

namespace
{

constexpr std::array kScenes = {
    Scene{"clear", DrawClear},
    Scene{"unlit-colours", DrawUnlitColours},
    Scene{"lit-materials", DrawLitMaterials},
    Scene{"lit-ambient", DrawLitAmbient},
    Scene{"lit-vertex-colours", DrawLitVertexColours},
    Scene{"wireframe", DrawWireframe},
    Scene{"cull-none", DrawCullNone},
    Scene{"cull-cw", DrawCullClockwise},
    Scene{"cull-ccw", DrawCullCounterClockwise},
    Scene{"depth", DrawDepth},
    Scene{"mesh-formats", DrawMeshFormats},
    Scene{"transforms", DrawTransforms},
    Scene{"raster-fill", DrawRasterFill},
    Scene{"raster-wireframe", DrawRasterWireframe},
    Scene{"text", DrawHelpTexts, "text"},
    Scene{"text-clipped", DrawClippedTexts, "text"},
};

} // namespace

std::span<const Scene> AllScenes()
{
    return kScenes;
}
