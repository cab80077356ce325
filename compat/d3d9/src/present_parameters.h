// Checks the presentation parameters given to CreateDevice and Reset, and
// fills in what Direct3D fills in: a zero back-buffer size in a window
// becomes the window's client size, zero back buffers become one, an unknown
// windowed back-buffer format becomes the desktop's.
#pragma once

#include <d3d9.h>

namespace compat::d3d9
{

// D3D_OK and the completed parameters in `out`, or the failure (already
// reported under `method`'s name).
HRESULT CompletePresentParameters(const char* method, const D3DPRESENT_PARAMETERS& in,
                                  HWND focusWindow, D3DPRESENT_PARAMETERS& out);

} // namespace compat::d3d9
