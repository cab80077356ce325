// The aircraft at rest as the program draws it, for the pictures of the
// model: an offscreen window and OpenGL device, the world's meshes loaded
// from an art folder, and one frame of the airframe, wheels and struts at
// their start places (the program's draw order and materials) seen from a
// chosen eye.
#pragma once

#include "platform/Graphics.h"
#include "platform/Window.h"
#include "world/World.h"

#include <compat/d3d9.h>

#include <Image.h>

#include <memory>
#include <string>

namespace yak52_picture
{

struct View
{
    D3DXVECTOR3 eye;
    D3DXVECTOR3 at;
    D3DXVECTOR3 up;
};

class AircraftScene
{
public:
    AircraftScene() = default;
    AircraftScene(const AircraftScene&) = delete;
    AircraftScene& operator=(const AircraftScene&) = delete;

    // Opens a width × height window on SDL's offscreen driver with an OpenGL
    // device set up as at the program's start-up, and loads the fifteen
    // meshes from `artFolder`. Returns "" or a one-line reason.
    std::string Open(unsigned width, unsigned height, const std::string& artFolder);

    IDirect3DDevice9* Device() const { return CGraphics::GetDevice(); }

    // Draws one frame on a background of `clear` (0xAARRGGBB) and reads
    // back what was presented. Returns "" or a one-line reason.
    std::string Draw(const View& view, D3DCOLOR clear, picture::Image& image);

private:
    CWindow m_window;
    CGraphics m_graphics;
    std::unique_ptr<CWorld> m_world;
};

} // namespace yak52_picture
