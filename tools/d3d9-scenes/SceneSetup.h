// What the scenes set up as the program does: its sky colour, its device's
// start-up state (app/DeviceSetUp.h) and materials, a view from an eye or from
// a camera pose, and a mesh drawn at a pose through the world matrix.
#pragma once

#include "SceneMesh.h"

#include <d3d9.h>
#include <d3dx9.h>

inline constexpr D3DCOLOR kSky = 0xFF9B9BFF;

// Clears target, depth and stencil (to `colour`, 1 and 0) and begins the scene.
void BeginFrame(IDirect3DDevice9* device, D3DCOLOR colour = kSky);

// The program's start-up state for the scene's back buffer: its world matrix,
// projection, light and ambient colour (and a view the scene replaces).
void SetProgramStartState(IDirect3DDevice9* device);

// What most scenes start from: the program's start-up state, seen from
// (0, 1.5, 6) towards the origin, so that faces turned to the camera face
// the light. Looking along -z, it sees +x on the left.
void SetFrontView(IDirect3DDevice9* device);

// D3DXMatrixLookAtLH from `eye` towards `at`, +y up.
void SetView(IDirect3DDevice9* device, const D3DXVECTOR3& eye, const D3DXVECTOR3& at);

// The view of a camera at `position` turned by `orientation`, looking along
// its own +z with its own +y up (the rows of its rotation matrix).
void SetViewFromPose(IDirect3DDevice9* device, const D3DXVECTOR3& position,
                     const D3DXQUATERNION& orientation);

// A material of diffuse colour r, g, b and alpha 0, nothing else: the
// program's white and red are (1, 1, 1) and (1, 0, 0).
D3DMATERIAL9 DiffuseMaterial(float r, float g, float b);
// The same with an ambient colour.
D3DMATERIAL9 AmbientMaterial(float r, float g, float b, float ambientR, float ambientG,
                             float ambientB);

// A colour from the vertex's normal: a sphere shows every hue.
D3DCOLOR NormalColour(const MeshVertex& vertex);

// The rotation of `angle` radians about `axis`.
D3DXQUATERNION Turn(const D3DXVECTOR3& axis, float angle);

// Draws the mesh with rotation(orientation) · translation(position)
// multiplied onto the current world matrix, then puts that matrix back.
void DrawAtPose(IDirect3DDevice9* device, const SceneMesh& mesh, const D3DXVECTOR3& position,
                const D3DXQUATERNION& orientation);
// The same without a turn.
void DrawAt(IDirect3DDevice9* device, const SceneMesh& mesh, const D3DXVECTOR3& position);
