// What the scenes set up as the program does: its sky colour, projection,
// light, ambient colour and materials, a view from an eye or from a camera
// pose, and a mesh drawn at a pose through the world matrix.
#pragma once

#include "SceneMesh.h"

#include <d3d9.h>
#include <d3dx9.h>

inline constexpr D3DCOLOR kSky = 0xFF9B9BFF;
inline constexpr D3DCOLOR kProgramAmbient = 0xFF7F7F7F;

// Clears target, depth and stencil (to `colour`, 1 and 0) and begins the scene.
void BeginFrame(IDirect3DDevice9* device, D3DCOLOR colour = kSky);

// D3DXMatrixPerspectiveFovLH(pi / 4, back buffer aspect, 0.5, 1000).
void SetProgramProjection(IDirect3DDevice9* device);

// The view most scenes share: the program's projection, from (0, 1.5, 6)
// towards the origin, so that faces turned to the camera face the light.
// Looking along -z, it sees +x on the left.
void SetFrontView(IDirect3DDevice9* device);

// D3DXMatrixLookAtLH from `eye` towards `at`, +y up.
void SetView(IDirect3DDevice9* device, const D3DXVECTOR3& eye, const D3DXVECTOR3& at);

// The view of a camera at `position` turned by `orientation`, looking along
// its own +z with its own +y up (the rows of its rotation matrix).
void SetViewFromPose(IDirect3DDevice9* device, const D3DXVECTOR3& position,
                     const D3DXQUATERNION& orientation);

// Light 0: directional, white, shining along (0, 0, -1), range 1000; enabled;
// and the ambient render state 0xFF7F7F7F.
void SetProgramLight(IDirect3DDevice9* device);

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
