#include "opengl/raster_state.h"

namespace compat::d3d9::opengl
{
namespace
{

GLenum CompareFunction(DWORD function)
{
    // D3DCMP_NEVER .. D3DCMP_ALWAYS run in OpenGL's order, GL_NEVER .. GL_ALWAYS.
    if (function < D3DCMP_NEVER || function > D3DCMP_ALWAYS)
        return GL_LEQUAL;
    return GL_NEVER + (function - D3DCMP_NEVER);
}

GLenum BlendFactor(DWORD blend, GLenum otherwise)
{
    switch (blend)
    {
    case D3DBLEND_ZERO:
        return GL_ZERO;
    case D3DBLEND_ONE:
        return GL_ONE;
    case D3DBLEND_SRCCOLOR:
        return GL_SRC_COLOR;
    case D3DBLEND_INVSRCCOLOR:
        return GL_ONE_MINUS_SRC_COLOR;
    case D3DBLEND_SRCALPHA:
        return GL_SRC_ALPHA;
    case D3DBLEND_INVSRCALPHA:
        return GL_ONE_MINUS_SRC_ALPHA;
    case D3DBLEND_DESTALPHA:
        return GL_DST_ALPHA;
    case D3DBLEND_INVDESTALPHA:
        return GL_ONE_MINUS_DST_ALPHA;
    case D3DBLEND_DESTCOLOR:
        return GL_DST_COLOR;
    case D3DBLEND_INVDESTCOLOR:
        return GL_ONE_MINUS_DST_COLOR;
    default:
        return otherwise;
    }
}

GLenum PolygonMode(DWORD fill)
{
    switch (fill)
    {
    case D3DFILL_POINT:
        return GL_POINT;
    case D3DFILL_WIREFRAME:
        return GL_LINE;
    default:
        return GL_FILL;
    }
}

} // namespace

RasterState RasterStateOf(const DeviceState& state, bool yDown)
{
    RasterState r;
    const bool depthBuffer = state.presentParameters.EnableAutoDepthStencil != FALSE;
    r.depthTest = depthBuffer && state.RenderState(D3DRS_ZENABLE) != D3DZB_FALSE;
    r.depthWrite = r.depthTest && state.RenderState(D3DRS_ZWRITEENABLE) != FALSE;
    r.depthFunc = CompareFunction(state.RenderState(D3DRS_ZFUNC));

    // OpenGL decides the winding in window coordinates. With y up, as by
    // default, its clockwise is clockwise on screen; with y down it is
    // counter-clockwise on screen. Culling back faces with the front face set
    // to the winding that is kept culls the other.
    const GLenum clockwiseOnScreen = yDown ? GL_CCW : GL_CW;
    const GLenum counterClockwiseOnScreen = yDown ? GL_CW : GL_CCW;
    switch (state.RenderState(D3DRS_CULLMODE))
    {
    case D3DCULL_CW: // cull clockwise: keep counter-clockwise
        r.cull = true;
        r.frontFace = counterClockwiseOnScreen;
        break;
    case D3DCULL_CCW: // cull counter-clockwise: keep clockwise
        r.cull = true;
        r.frontFace = clockwiseOnScreen;
        break;
    default:
        r.cull = false;
        break;
    }
    r.polygonMode = PolygonMode(state.RenderState(D3DRS_FILLMODE));
    r.blend = state.RenderState(D3DRS_ALPHABLENDENABLE) != FALSE;
    r.blendSource = BlendFactor(state.RenderState(D3DRS_SRCBLEND), GL_ONE);
    r.blendDestination = BlendFactor(state.RenderState(D3DRS_DESTBLEND), GL_ZERO);
    const DWORD mask = state.RenderState(D3DRS_COLORWRITEENABLE);
    // D3DCOLORWRITEENABLE_RED, _GREEN, _BLUE, _ALPHA are bits 0..3, as ours.
    r.colourMask = static_cast<uint8_t>(mask & 0xf);
    return r;
}

RasterState SpriteRasterState()
{
    RasterState r;
    r.depthTest = false;
    r.depthWrite = false;
    r.cull = false;
    r.polygonMode = GL_FILL;
    r.blend = true;
    r.blendSource = GL_SRC_ALPHA;
    r.blendDestination = GL_ONE_MINUS_SRC_ALPHA;
    r.colourMask = 0xf;
    return r;
}

} // namespace compat::d3d9::opengl
