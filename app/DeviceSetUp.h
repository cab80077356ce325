// The device's start-up state: what the program sets on its device once,
// before the first frame. A file of its own, so that the tools that draw as
// the program does (the Direct3D scenes, the aircraft's pictures) take the
// same state from here.
#pragma once

#include <d3d9.h>

// Sets the world matrix (no turn), the view from (0, 2.5, -10) towards the
// origin, the projection (a quarter turn of view, the back buffer's
// width / height, depth 0.5 to 1000), light 0 (white, directional, shining
// along -z, enabled), the grey ambient colour and anisotropic filtering.
void AppSetUpDevice(IDirect3DDevice9* device, unsigned int width, unsigned int height);
