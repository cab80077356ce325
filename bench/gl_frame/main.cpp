// Frame times on the OpenGL stand-in against what llvmpipe can do at best,
// each on whatever display SDL opens (X11 under Xvfb, or
// SDL_VIDEODRIVER=offscreen), at the program's back buffer size 1870×1030:
//
//   gl_frame_bench clear-present   a bare window: clear and swap
//   gl_frame_bench scene           a bare window: the seven meshes, one
//                                  simple lit shader, swap (SceneFloor.h)
//   gl_frame_bench program         the program's AppFrame on a 1920×1080
//                                  screen, and where its time goes
//
// Every frame ends with glFinish, so that a time is that of drawing the
// frame and not only of queuing it (on the offscreen driver a swap waits for
// nothing). Each scenario runs in a process of its own (SDL cannot always
// open X11 again in a process that closed it); run.sh runs them all.
#include "BareGl.h"
#include "Measure.h"
#include "SceneFloor.h"

#include "app/App.h"
#include "app/FrameTimer.h"
#include "opengl/gl_statistics.h"
#include "platform/Graphics.h"
#include "platform/TextFont.h"
#include "platform/Window.h"
#include "world/World.h"

#include <compat/d3d9.h>
#include <compat/dinput.h>
#include <compat/win32.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace
{

constexpr int kWidth = 1870;
constexpr int kHeight = 1030;
constexpr int kWarmUp = 30;

// Waits until the current context has drawn everything asked of it.
void Finish()
{
    reinterpret_cast<PFNGLFINISHPROC>(SDL_GL_GetProcAddress("glFinish"))();
}

bench::Summary TimeFrames(int frames, const std::function<void()>& frame)
{
    for (int i = 0; i < kWarmUp; ++i)
    {
        frame();
        Finish();
    }
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i)
    {
        const auto start = bench::Clock::now();
        frame();
        Finish();
        times.push_back(bench::MillisecondsSince(start));
    }
    return bench::Summarise(times);
}

void Report(const char* what, const bench::Summary& summary)
{
    std::printf("%-14s %-9s median %6.2f ms  p95 %6.2f ms  (%5.1f fps)\n", what,
                SDL_GetCurrentVideoDriver(), summary.median, summary.p95, 1000.0 / summary.median);
}

int ClearPresent(int frames)
{
    bench::BareGlWindow window;
    std::string error;
    if (!window.Open(kWidth, kHeight, error))
    {
        std::fprintf(stderr, "gl_frame_bench: %s\n", error.c_str());
        return 1;
    }
    const bench::BareGlFunctions& gl = window.Gl();
    // Two shades of the sky by turns: a clear to the colour the window
    // already has could be skipped, and would time nothing.
    bool shade = false;
    Report(
        "clear-present",
        TimeFrames(frames,
                   [&]
                   {
                       shade = !shade;
                       gl.ClearColor(155 / 255.0f, shade ? 155 / 255.0f : 154 / 255.0f, 1.0f, 1.0f);
                       gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
                       window.Swap();
                   }));
    return 0;
}

int Scene(int frames)
{
    bench::BareGlWindow window;
    bench::SceneFloor scene;
    std::string error;
    if (!window.Open(kWidth, kHeight, error) || !scene.Init(window, kWidth, kHeight, error))
    {
        std::fprintf(stderr, "gl_frame_bench: %s\n", error.c_str());
        return 1;
    }
    Report("scene", TimeFrames(frames,
                               [&]
                               {
                                   scene.Draw();
                                   window.Swap();
                               }));
    return 0;
}

// The program's frame in pieces, in AppFrame's order (app/App.cpp).
enum Piece
{
    kUpdate,
    kClear,
    kFirstText,
    kSecondText,
    kMeshes,
    kPresent,
    kPieces
};
const char* const kPieceNames[kPieces] = {"update",      "clear",  "first text",
                                          "second text", "meshes", "Present"};

void RunPiece(Piece piece)
{
    IDirect3DDevice9* device = CGraphics::GetDevice();
    switch (piece)
    {
    case kUpdate:
        g_frameTimer->Update(false);
        g_world->Update(g_frameTimer->GetElapsed());
        break;
    case kClear:
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0xFF9B9BFF,
                      1.0f, 0);
        device->BeginScene();
        break;
    case kFirstText:
        g_textFont->Draw(
            "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D", 0, 0,
            600, 400, 0xFF00FFFF);
        break;
    case kSecondText:
        g_textFont->Draw("Exit - 'ESC'\nReset - 'R'\nPush - 'P'", 100, 0, 600, 200, 0xFFFF0000);
        break;
    case kMeshes:
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device->SetRenderState(D3DRS_LIGHTING, TRUE);
        device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
        g_world->Render(g_graphics);
        device->SetRenderState(D3DRS_LIGHTING, FALSE);
        device->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
        device->SetTexture(0, nullptr);
        device->EndScene();
        break;
    case kPresent:
        device->Present(nullptr, nullptr, g_window->GetHandle(), nullptr);
        break;
    case kPieces:
        break;
    }
}

// Where the frame's time goes: the update, the drawing calls, llvmpipe
// drawing what they queued, and Present (with what it still has to draw and
// copy), medians over `frames`.
void ProgramSplit(int frames)
{
    std::vector<double> update, calls, drawing, present;
    for (int frame = 0; frame < frames; ++frame)
    {
        compat::win32::AdvanceVirtualClock(1'000'000 / 60);
        auto start = bench::Clock::now();
        RunPiece(kUpdate);
        update.push_back(bench::MillisecondsSince(start));
        start = bench::Clock::now();
        for (Piece piece : {kClear, kFirstText, kSecondText, kMeshes})
            RunPiece(piece);
        calls.push_back(bench::MillisecondsSince(start));
        start = bench::Clock::now();
        Finish();
        drawing.push_back(bench::MillisecondsSince(start));
        start = bench::Clock::now();
        RunPiece(kPresent);
        Finish();
        present.push_back(bench::MillisecondsSince(start));
    }
    std::printf("  split (medians): update %.2f, drawing calls %.2f, llvmpipe drawing them %.2f, "
                "Present %.2f ms\n",
                bench::Summarise(update).median, bench::Summarise(calls).median,
                bench::Summarise(drawing).median, bench::Summarise(present).median);
}

// The first frame after start-up, piece by piece, each piece waited for: the
// driver compiles what a kind of draw needs the first time it meets it.
void FirstFrameSplit()
{
    compat::win32::AdvanceVirtualClock(1'000'000 / 60);
    std::printf("  first frame:");
    for (int piece = 0; piece < kPieces; ++piece)
    {
        const auto start = bench::Clock::now();
        RunPiece(static_cast<Piece>(piece));
        Finish();
        std::printf("%s %s %.1f", piece ? "," : "", kPieceNames[piece],
                    bench::MillisecondsSince(start));
    }
    std::printf(" ms\n");
}

int Program(int frames)
{
    // ZARV_BENCH_SCREEN=WxH sets another screen (the size of a page's canvas,
    // to compare with the page).
    int width = 1920;
    int height = 1080;
    if (const char* screen = std::getenv("ZARV_BENCH_SCREEN"))
        std::sscanf(screen, "%dx%d", &width, &height);
    compat::win32::SetVirtualScreenSize(width, height);
    compat::win32::UseVirtualClock(1'000'000);
    compat::d3d9::SetBackend(compat::d3d9::Backend::OpenGL);
    compat::dinput::UseScriptedKeyboard(true);
    if (!AppInit())
    {
        std::fprintf(stderr, "gl_frame_bench: the program did not start\n");
        AppRelease();
        return 1;
    }
    FirstFrameSplit();
    IDirect3DDevice9* device = CGraphics::GetDevice();
    compat::d3d9::opengl::GlStatistics before, after;
    if (!compat::d3d9::opengl::StatisticsOf(device, before))
    {
        std::fprintf(stderr, "gl_frame_bench: the device is not on the OpenGL backend\n");
        AppRelease();
        return 1;
    }
    // From the fifth simulated second on the aircraft has settled: the
    // picture the floors draw.
    for (int i = 0; i < 300; ++i)
    {
        compat::win32::AdvanceVirtualClock(1'000'000 / 60);
        AppFrame();
    }
    compat::d3d9::opengl::StatisticsOf(device, before);
    Report("program", TimeFrames(frames,
                                 [&]
                                 {
                                     compat::win32::AdvanceVirtualClock(1'000'000 / 60);
                                     AppFrame();
                                 }));
    compat::d3d9::opengl::StatisticsOf(device, after);
    const double n = frames + kWarmUp;
    std::printf("  per frame: %.1f draws, %.1f GL state changes, %.2f uploads, %.0f%% drawn "
                "straight into the window\n",
                double(after.drawCalls - before.drawCalls) / n,
                double(after.stateChanges - before.stateChanges) / n,
                double(after.uploads - before.uploads) / n,
                100.0 * double(after.directFrames - before.directFrames) / n);
    ProgramSplit(frames);
    AppRelease();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string scenario = argc > 1 ? argv[1] : "";
    int frames = 300;
    if (argc == 4 && std::strcmp(argv[2], "--frames") == 0)
        frames = std::atoi(argv[3]);
    if ((argc != 2 && argc != 4) || frames < 1 ||
        (scenario != "clear-present" && scenario != "scene" && scenario != "program"))
    {
        std::fprintf(
            stderr,
            "usage: gl_frame_bench clear-present|scene|program [--frames N (at least 1)]\n");
        return 2;
    }
    // The art is found from the build folder, as the program finds it.
    std::error_code error;
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe").parent_path(),
                                  error);
    setenv("ZARV_NO_MESSAGE_BOX", "1", 0);
    if (scenario == "clear-present")
        return ClearPresent(frames);
    if (scenario == "scene")
        return Scene(frames);
    return Program(frames);
}
