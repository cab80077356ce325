// The fixture of the OpenGL backend's tests: a window of the Win32 stand-in
// (offscreen driver unless the test run chose another), a device on the
// OpenGL backend in it, and what the tests look at: the presented image,
// read back, and the window's own pixels.
#pragma once

#include <compat/d3d9.h>
#include <compat/win32.h>
#include <d3d9.h>
#include <d3dx9.h>

#include <gtest/gtest.h>

#include <Image.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gl_test
{

// What the window's own framebuffer is made with. WithDepthStencil lets a
// back buffer of the window's size be drawn straight into the window;
// Plain (SDL's defaults: no stencil) makes the device draw off screen and
// copy each frame into the window.
enum class WindowKind
{
    WithDepthStencil,
    Plain,
};

using picture::Image;
using picture::Rgb;
using picture::ToRgb;

// The pixels of `image` whose colour is within `tolerance` of `colour` in
// every channel.
int Count(const Image& image, Rgb colour, int tolerance = 0);
// The smallest rectangle holding every such pixel (within `region`, when
// given); empty (right <= left) when there is none.
RECT Bounds(const Image& image, Rgb colour, int tolerance = 0);
RECT Bounds(const Image& image, Rgb colour, int tolerance, RECT region);

// The presented image of the device, read back.
Image PresentedImage(IDirect3DDevice9* device);

// What a window shows: its own framebuffer's pixels, read through the OpenGL
// context current on it (the device's, after Present).
Image ReadWindowPixels(HWND window);

// Whether this run of the suite draws through OpenGL ES as the web page does
// (ZARV_GL_TESTS_ON_ES=1 in its environment).
bool OnOpenGlEs();

inline constexpr D3DCOLOR kSky = 0xFF9B9BFF;
inline constexpr Rgb kSkyRgb{155, 155, 255};

class GlTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A visible, undecorated window with a client area of width × height.
    HWND MakeWindow(int width, int height, WindowKind kind = WindowKind::WithDepthStencil);
    // A device on the OpenGL backend in `window` with a back buffer of
    // width × height (the window's size when 0), D24S8 depth, no vsync.
    IDirect3DDevice9* MakeDevice(HWND window, UINT width = 0, UINT height = 0,
                                 D3DFORMAT depth = D3DFMT_D24S8);
    // A window and a device of the same size.
    IDirect3DDevice9* MakeWindowAndDevice(int width, int height,
                                          WindowKind kind = WindowKind::WithDepthStencil);

    // Presents and reads the presented image back.
    Image PresentAndRead();
    Image ReadPresented();
    // What the window shows: its own framebuffer's pixels, read through the
    // device's OpenGL context (which is current after Present).
    Image ReadWindow();

    // Clears to the sky colour, depth 1, and begins a scene.
    void BeginFrame(D3DCOLOR colour = kSky);

    // A vertex buffer holding `bytes`, unlocked.
    IDirect3DVertexBuffer9* MakeVertices(const void* bytes, UINT size, DWORD fvf);
    IDirect3DIndexBuffer9* MakeIndices(const void* bytes, UINT size, D3DFORMAT format);

    // Everything made through the helpers is released in TearDown.
    HWND window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    std::vector<IUnknown*> resources_;
};

// Position and diffuse colour.
struct ColourVertex
{
    float x, y, z;
    D3DCOLOR colour;
};
inline constexpr DWORD kColourFvf = D3DFVF_XYZ | D3DFVF_DIFFUSE;

// Position and normal, as the program's meshes.
struct NormalVertex
{
    float x, y, z;
    float nx, ny, nz;
};
inline constexpr DWORD kNormalFvf = D3DFVF_XYZ | D3DFVF_NORMAL;

} // namespace gl_test
