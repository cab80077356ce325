// The window the scenes draw in, borderless and of the back buffer's size
// (so nothing is stretched), and the devices they draw with, one a scene so
// that each starts from Direct3D's default states: windowed as the program
// makes its own, an X8R8G8B8 back buffer, an automatic D24S8 depth-stencil
// buffer, a discarded swap chain, no vsync.
#pragma once

#include <d3d9.h>

#include <string>

// The back buffer's size. Powers of two, so that the raster scene's
// coordinates land on exact pixel positions (see RasterScenes.cpp).
inline constexpr int kSceneWidth = 512;
inline constexpr int kSceneHeight = 256;

class SceneWindow
{
public:
    SceneWindow() = default;
    ~SceneWindow();
    SceneWindow(const SceneWindow&) = delete;
    SceneWindow& operator=(const SceneWindow&) = delete;

    // Makes the window and the Direct3D object; "" on success, else why not.
    std::string Open();

    // A new device in the window (the caller releases it); "" on success,
    // else why not.
    std::string CreateDevice(IDirect3DDevice9*& device);

    // Handles the window's pending messages.
    void PumpMessages();

private:
    HWND window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
};
