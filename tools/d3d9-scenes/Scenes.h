// The scenes: each one draws a frame on a fresh device (so that every state
// it does not set has Direct3D's default) between Clear and EndScene, and
// says "" or why it could not. The comparer judges the geometry scenes pixel
// by pixel and the text scenes by where their lines of ink stand.
#pragma once

#include <d3d9.h>

#include <span>
#include <string>

struct Scene
{
    const char* name;
    std::string (*draw)(IDirect3DDevice9* device);
    // How the comparer judges it: "geometry" or "text".
    const char* kind = "geometry";
};

// Every scene, in the order they are drawn.
std::span<const Scene> AllScenes();

// GeometryScenes.cpp
std::string DrawClear(IDirect3DDevice9* device);
std::string DrawUnlitColours(IDirect3DDevice9* device);
std::string DrawMeshFormats(IDirect3DDevice9* device);
std::string DrawTransforms(IDirect3DDevice9* device);

// CoverageScenes.cpp
std::string DrawWireframe(IDirect3DDevice9* device);
std::string DrawCullNone(IDirect3DDevice9* device);
std::string DrawCullClockwise(IDirect3DDevice9* device);
std::string DrawCullCounterClockwise(IDirect3DDevice9* device);
std::string DrawDepth(IDirect3DDevice9* device);

// LightingScenes.cpp
std::string DrawLitMaterials(IDirect3DDevice9* device);
std::string DrawLitAmbient(IDirect3DDevice9* device);
std::string DrawLitVertexColours(IDirect3DDevice9* device);

// RasterScenes.cpp
std::string DrawRasterFill(IDirect3DDevice9* device);
std::string DrawRasterWireframe(IDirect3DDevice9* device);

// TextScenes.cpp
std::string DrawHelpTexts(IDirect3DDevice9* device);
std::string DrawClippedTexts(IDirect3DDevice9* device);
