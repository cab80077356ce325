// The program's frame at 1870×1030 on the OpenGL backend (clear, the two
// help texts, present), timed against the floor: a bare OpenGL window of the
// same size that only clears and presents. Each runs on whatever display
// SDL opens (X11 under Xvfb, or SDL_VIDEODRIVER=offscreen).
//
// Every frame ends with glFinish, so that the time is that of drawing the
// frame and not only of queuing it (on the offscreen driver a swap waits for
// nothing). "fps" is frames per second of wall-clock time.
//
// The counters: draws and state changes per help text (the first text of a
// frame, which follows the previous frame's state, and the second, which
// follows the first), and glyphs rasterised per frame.
//
// SDL cannot always open X11 again in a process that has closed it, so
// run.sh runs each benchmark in a process of its own.
#include "app/App.h"
#include "opengl/gl_statistics.h"
#include "platform/Graphics.h"
#include "text/glyph_atlas.h"

#include <compat/d3d9.h>
#include <compat/dinput.h>
#include <compat/win32.h>

#include <SDL.h>

#include <benchmark/benchmark.h>

#include <GL/glcorearb.h>

#include <cstring>

namespace
{

constexpr int kWidth = 1870;
constexpr int kHeight = 1030;

using compat::d3d9::opengl::GlStatistics;
using compat::d3d9::opengl::StatisticsOf;

// Waits until the current context has drawn everything asked of it. Looked
// up every time: the benchmarks stop and start SDL video, which may load
// OpenGL anew at another address.
void Finish()
{
    reinterpret_cast<PFNGLFINISHPROC>(SDL_GL_GetProcAddress("glFinish"))();
}

void Fresh()
{
    compat::win32::ResetForTests();
    compat::d3d9::ResetForTests();
    compat::dinput::ResetForTests();
    compat::win32::SetVirtualScreenSize(1920, 1080);
    compat::win32::UseVirtualClock(1'000'000);
    compat::dinput::UseScriptedKeyboard(true);
}

// The floor: SDL, one OpenGL 3.3 core context on a window with the depth and
// stencil the device asks for, glClear and a swap. The colour alternates
// between two shades of the sky: a clear to the colour the window already
// has can be skipped by the driver, and would time nothing.
void BM_ClearPresentFloor(benchmark::State& state)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    {
        state.SkipWithError(SDL_GetError());
        return;
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    SDL_Window* window =
        SDL_CreateWindow("floor", 25, 25, kWidth, kHeight, SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GLContext context = window != nullptr ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr)
    {
        state.SkipWithError(SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return;
    }
    SDL_GL_SetSwapInterval(0);
    const auto clearColour =
        reinterpret_cast<PFNGLCLEARCOLORPROC>(SDL_GL_GetProcAddress("glClearColor"));
    const auto clear = reinterpret_cast<PFNGLCLEARPROC>(SDL_GL_GetProcAddress("glClear"));
    bool shade = false;
    for (auto _ : state)
    {
        shade = !shade;
        clearColour(155 / 255.0f, shade ? 155 / 255.0f : 154 / 255.0f, 1.0f, 1.0f);
        clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        SDL_GL_SwapWindow(window);
        Finish();
    }
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel(SDL_GetCurrentVideoDriver());
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(BM_ClearPresentFloor)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

// The program itself: AppInit on a 1920×1080 screen, then AppFrame.
void BM_ProgramFrame(benchmark::State& state)
{
    Fresh();
    if (!AppInit())
    {
        state.SkipWithError("the program did not start");
        AppRelease();
        return;
    }
    IDirect3DDevice9* device = CGraphics::GetDevice();
    for (int i = 0; i < 3; ++i)
        AppFrame();
    GlStatistics before;
    if (!StatisticsOf(device, before))
    {
        state.SkipWithError("the device is not on the OpenGL backend");
        AppRelease();
        return;
    }
    const std::size_t rasterised = compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount();
    for (auto _ : state)
    {
        compat::win32::AdvanceVirtualClock(1'000'000 / 60);
        AppFrame();
        Finish();
    }
    GlStatistics after;
    StatisticsOf(device, after);
    const auto frames = static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["draws/frame"] =
        static_cast<double>(after.drawCalls - before.drawCalls) / frames;
    state.counters["stretched"] =
        static_cast<double>(after.stretchedFrames - before.stretchedFrames) / frames;
    state.counters["glyphs rasterised/frame"] =
        static_cast<double>(compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount() - rasterised) /
        frames;
    state.SetLabel(SDL_GetCurrentVideoDriver());
    AppRelease();
    Fresh();
}
BENCHMARK(BM_ProgramFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0)->UseRealTime();

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// The program's frame on a device whose window has the back buffer's size:
// arg 1 makes the window's framebuffer with depth 24 and stencil 8, so the
// frame is drawn straight into it; arg 0 leaves SDL's defaults (no
// stencil), so the frame is drawn off screen and copied.
void BM_DeviceFrame(benchmark::State& state)
{
    const bool direct = state.range(0) == 1;
    Fresh();
    compat::d3d9::SetBackend(compat::d3d9::Backend::OpenGL);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.lpszClassName = L"Bench";
    RegisterClassExW(&wc);
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, direct ? 24 : 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, direct ? 8 : 0);
    HWND window = CreateWindowExW(0, L"Bench", L"bench", WS_POPUP | WS_VISIBLE, 25, 25, kWidth,
                                  kHeight, nullptr, nullptr, nullptr, nullptr);
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    D3DPRESENT_PARAMETERS pp{};
    pp.BackBufferWidth = kWidth;
    pp.BackBufferHeight = kHeight;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = window;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    IDirect3DDevice9* device = nullptr;
    ID3DXFont* font = nullptr;
    if (window == nullptr || d3d == nullptr ||
        d3d->CreateDevice(0, D3DDEVTYPE_HAL, window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp,
                          &device) != D3D_OK ||
        D3DXCreateFontW(device, 10, 10, 20, 10, FALSE, 10, OUT_TT_ONLY_PRECIS, 10, 10, L"Areal",
                        &font) != D3D_OK)
    {
        state.SkipWithError(std::string(compat::d3d9::LastError()).c_str());
        return;
    }
    static const char kCamera[] =
        "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D";
    static const char kKeys[] = "Exit - 'ESC'\nReset - 'R'\nPush - 'P'";
    GlStatistics marks[3];
    auto frame = [&](bool measure)
    {
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0xFF9B9BFF,
                      1.0f, 0);
        device->BeginScene();
        RECT camera{0, 0, 600, 400};
        if (measure)
            StatisticsOf(device, marks[0]);
        font->DrawTextA(nullptr, kCamera, static_cast<INT>(std::strlen(kCamera)), &camera,
                        DT_CENTER, 0xFF00FFFF);
        if (measure)
            StatisticsOf(device, marks[1]);
        RECT keys{0, 100, 600, 300};
        font->DrawTextA(nullptr, kKeys, static_cast<INT>(std::strlen(kKeys)), &keys, DT_CENTER,
                        0xFFFF0000);
        if (measure)
            StatisticsOf(device, marks[2]);
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device->SetRenderState(D3DRS_LIGHTING, TRUE);
        device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
        device->SetRenderState(D3DRS_LIGHTING, FALSE);
        device->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
        device->SetTexture(0, nullptr);
        device->EndScene();
        device->Present(nullptr, nullptr, window, nullptr);
    };
    for (int i = 0; i < 3; ++i)
        frame(false);
    frame(true);
    const std::size_t rasterised = compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount();
    GlStatistics before;
    StatisticsOf(device, before);
    for (auto _ : state)
    {
        frame(false);
        Finish();
    }
    GlStatistics after;
    StatisticsOf(device, after);
    const auto frames = static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
    state.counters["text1 draws"] = static_cast<double>(marks[1].drawCalls - marks[0].drawCalls);
    state.counters["text1 state changes"] =
        static_cast<double>(marks[1].stateChanges - marks[0].stateChanges);
    state.counters["text2 draws"] = static_cast<double>(marks[2].drawCalls - marks[1].drawCalls);
    state.counters["text2 state changes"] =
        static_cast<double>(marks[2].stateChanges - marks[1].stateChanges);
    state.counters["direct"] =
        static_cast<double>(after.directFrames - before.directFrames) / frames;
    state.counters["glyphs rasterised/frame"] =
        static_cast<double>(compat::d3d9::text::GlyphAtlas::RasterisedGlyphCount() - rasterised) /
        frames;
    state.SetLabel(SDL_GetCurrentVideoDriver());
    font->Release();
    device->Release();
    d3d->Release();
    Fresh();
}
BENCHMARK(BM_DeviceFrame)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3.0)
    ->UseRealTime();

} // namespace
