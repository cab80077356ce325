#include "GlTest.h"

#include <SDL.h>

#include <GL/glcorearb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <ostream>

namespace gl_test
{
namespace
{

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int Count(const Image& image, Rgb colour, int tolerance)
{
    return image.Count(image.Whole(),
                       [&](Rgb pixel) { return !picture::Differ(pixel, colour, tolerance); });
}

RECT Bounds(const Image& image, Rgb colour, int tolerance)
{
    return Bounds(image, colour, tolerance, RECT{0, 0, image.width, image.height});
}

RECT Bounds(const Image& image, Rgb colour, int tolerance, RECT region)
{
    RECT r{image.width, image.height, 0, 0};
    const picture::Region inside =
        image.Clip({region.left, region.top, region.right, region.bottom});
    for (int y = inside.top; y < inside.bottom; ++y)
        for (int x = inside.left; x < inside.right; ++x)
            if (!picture::Differ(image.At(x, y), colour, tolerance))
            {
                r.left = std::min<LONG>(r.left, x);
                r.top = std::min<LONG>(r.top, y);
                r.right = std::max<LONG>(r.right, x + 1);
                r.bottom = std::max<LONG>(r.bottom, y + 1);
            }
    return r;
}

bool OnOpenGlEs()
{
    const char* es = std::getenv("ZARV_GL_TESTS_ON_ES");
    return es != nullptr && std::strcmp(es, "1") == 0;
}

void GlTest::SetUp()
{
    // Offscreen unless the test run chose a driver (the X11 tests do).
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    compat::win32::ResetForTests();
    compat::d3d9::ResetForTests();
    compat::d3d9::SetBackend(compat::d3d9::Backend::OpenGL);
    // The whole suite runs once more on OpenGL ES, the web page's drawing.
    compat::d3d9::UseOpenGlEs(OnOpenGlEs());
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"GlTest";
    ASSERT_NE(RegisterClassExW(&wc), 0);
}

void GlTest::TearDown()
{
    for (auto it = resources_.rbegin(); it != resources_.rend(); ++it)
        (*it)->Release();
    resources_.clear();
    if (device_ != nullptr)
    {
        EXPECT_EQ(device_->Release(), 0u);
    }
    if (d3d_ != nullptr)
        d3d_->Release();
    device_ = nullptr;
    d3d_ = nullptr;
    compat::d3d9::ResetForTests();
    compat::win32::ResetForTests();
}

HWND GlTest::MakeWindow(int width, int height, WindowKind kind)
{
    // The window's framebuffer takes the OpenGL attributes in force when
    // SDL makes it; SDL must be running to be told them.
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0)
    {
        EXPECT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    const bool depthStencil = kind == WindowKind::WithDepthStencil;
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthStencil ? 24 : 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, depthStencil ? 8 : 0);
    window_ = CreateWindowExW(0, L"GlTest", L"gl test", WS_POPUP | WS_VISIBLE, 0, 0, width, height,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(window_, nullptr);
    return window_;
}

IDirect3DDevice9* GlTest::MakeDevice(HWND window, UINT width, UINT height, D3DFORMAT depth)
{
    if (d3d_ == nullptr)
        d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = width;
    pp.BackBufferHeight = height;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = window;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = depth;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    EXPECT_EQ(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window,
                                 D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device_),
              D3D_OK)
        << compat::d3d9::LastError();
    return device_;
}

IDirect3DDevice9* GlTest::MakeWindowAndDevice(int width, int height, WindowKind kind)
{
    return MakeDevice(MakeWindow(width, height, kind));
}

Image GlTest::PresentAndRead()
{
    EXPECT_EQ(device_->Present(nullptr, nullptr, nullptr, nullptr), D3D_OK)
        << compat::d3d9::LastError();
    return ReadPresented();
}

Image PresentedImage(IDirect3DDevice9* device)
{
    compat::d3d9::Image image;
    EXPECT_EQ(compat::d3d9::ReadPresentedImage(device, image), D3D_OK);
    return Image{static_cast<int>(image.width), static_cast<int>(image.height),
                 std::move(image.pixels)};
}

Image GlTest::ReadPresented()
{
    return PresentedImage(device_);
}

Image GlTest::ReadWindow()
{
    return ReadWindowPixels(window_);
}

Image ReadWindowPixels(HWND window)
{
    using ReadPixels = void (*)(GLint, GLint, GLsizei, GLsizei, GLenum, GLenum, void*);
    using BindFramebuffer = void (*)(GLenum, GLuint);
    using GetIntegerv = void (*)(GLenum, GLint*);
    const auto read = reinterpret_cast<ReadPixels>(SDL_GL_GetProcAddress("glReadPixels"));
    const auto bind = reinterpret_cast<BindFramebuffer>(SDL_GL_GetProcAddress("glBindFramebuffer"));
    const auto get = reinterpret_cast<GetIntegerv>(SDL_GL_GetProcAddress("glGetIntegerv"));
    Image shown;
    SDL_GL_GetDrawableSize(compat::win32::SdlWindowOf(window), &shown.width, &shown.height);
    shown.pixels.resize(static_cast<std::size_t>(shown.width) * shown.height);
    // Put the device's read binding back as it was, so that the device never
    // sees the change.
    GLint was = 0;
    get(GL_READ_FRAMEBUFFER_BINDING, &was);
    bind(GL_READ_FRAMEBUFFER, 0);
    using GetString = const GLubyte* (*)(GLenum);
    const auto version = reinterpret_cast<const char*>(
        reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"))(GL_VERSION));
    const bool es = version != nullptr && std::strncmp(version, "OpenGL ES", 9) == 0;
    if (!es)
        read(0, 0, shown.width, shown.height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
             shown.pixels.data());
    else
    {
        // OpenGL ES reads R, G, B, A bytes: red and blue change places.
        read(0, 0, shown.width, shown.height, GL_RGBA, GL_UNSIGNED_BYTE, shown.pixels.data());
        for (uint32_t& p : shown.pixels)
            p = (p & 0xff00ff00u) | ((p & 0xffu) << 16) | ((p >> 16) & 0xffu);
    }
    bind(GL_READ_FRAMEBUFFER, static_cast<GLuint>(was));
    // What a window shows is opaque, whatever alpha its framebuffer keeps.
    for (uint32_t& p : shown.pixels)
        p |= 0xff000000u;
    std::vector<uint32_t> flipped(shown.pixels.size());
    for (int y = 0; y < shown.height; ++y)
        std::memcpy(&flipped[static_cast<std::size_t>(y) * shown.width],
                    &shown.pixels[static_cast<std::size_t>(shown.height - 1 - y) * shown.width],
                    shown.width * sizeof(uint32_t));
    shown.pixels = std::move(flipped);
    return shown;
}

void GlTest::BeginFrame(D3DCOLOR colour)
{
    ASSERT_EQ(device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL,
                             colour, 1.0f, 0),
              D3D_OK);
    ASSERT_EQ(device_->BeginScene(), D3D_OK);
}

IDirect3DVertexBuffer9* GlTest::MakeVertices(const void* bytes, UINT size, DWORD fvf)
{
    IDirect3DVertexBuffer9* vb = nullptr;
    EXPECT_EQ(
        device_->CreateVertexBuffer(size, D3DUSAGE_WRITEONLY, fvf, D3DPOOL_MANAGED, &vb, nullptr),
        D3D_OK);
    void* data = nullptr;
    EXPECT_EQ(vb->Lock(0, 0, &data, 0), D3D_OK);
    std::memcpy(data, bytes, size);
    EXPECT_EQ(vb->Unlock(), D3D_OK);
    resources_.push_back(vb);
    return vb;
}

IDirect3DIndexBuffer9* GlTest::MakeIndices(const void* bytes, UINT size, D3DFORMAT format)
{
    IDirect3DIndexBuffer9* ib = nullptr;
    EXPECT_EQ(
        device_->CreateIndexBuffer(size, D3DUSAGE_WRITEONLY, format, D3DPOOL_MANAGED, &ib, nullptr),
        D3D_OK);
    void* data = nullptr;
    EXPECT_EQ(ib->Lock(0, 0, &data, 0), D3D_OK);
    std::memcpy(data, bytes, size);
    EXPECT_EQ(ib->Unlock(), D3D_OK);
    resources_.push_back(ib);
    return ib;
}

} // namespace gl_test
