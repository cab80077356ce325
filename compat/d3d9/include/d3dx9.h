// The D3DX 9 utility library: the math helpers and the font.
#pragma once

#include <d3d9.h>

#include <d3dx9core.h>
#include <d3dx9math.h>
