// ID3DXFont on the OpenGL backend: the font's glyphs rasterised once, when
// the font is made, into an atlas texture; DrawTextA lays the text out into
// a fixed array of quads and draws them in one call.
#pragma once

#include "backend.h"

#include <memory>
#include <string>

namespace compat::d3d9::opengl
{

class GlBackend;

// Null with a one-line `whyNot` when no face or size fits `desc`, or the
// device's window is gone.
std::unique_ptr<FontBackend> MakeGlFont(GlBackend& backend, const FontDesc& desc,
                                        std::string& whyNot);

} // namespace compat::d3d9::opengl
