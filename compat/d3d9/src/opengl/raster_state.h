// The OpenGL depth, cull, fill and blend state that a device's render states
// ask for, by Direct3D 9's rules.
#pragma once

#include "device_state.h"
#include "opengl/gl_state.h"

namespace compat::d3d9::opengl
{

// Depth test (less-or-equal by default) only when the device has an
// automatic depth buffer and D3DRS_ZENABLE; D3DCULL_CW / _CCW cull the faces
// that wind that way on screen, Direct3D's front faces being clockwise.
// `yDown`: OpenGL's window y runs down from the top (glClipControl with
// GL_UPPER_LEFT), which turns its sense of winding over.
RasterState RasterStateOf(const DeviceState& state, bool yDown);

// The state fonts draw with: solid, blended by the text's alpha, no depth
// test or write, no culling.
RasterState SpriteRasterState();

} // namespace compat::d3d9::opengl
