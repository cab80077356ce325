#include "Frames.h"

#include "app/App.h"
#include "app/FrameTimer.h"
#include "platform/Graphics.h"
#include "platform/TextFont.h"
#include "platform/Window.h"
#include "world/World.h"

#include <compat/win32.h>

#include <cstdio>

namespace bench
{

Summary MeasureFrames(int count)
{
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(count));
    for (int frame = 0; frame < count; ++frame)
    {
        compat::win32::AdvanceVirtualClock(kFrameTicks);
        const auto start = Clock::now();
        AppFrame();
        times.push_back(MillisecondsSince(start));
    }
    return Summarise(times);
}

FrameSplit MeasureFrameSplit(int count)
{
    std::vector<double> update, drawing, present;
    IDirect3DDevice9* device = CGraphics::GetDevice();
    for (int frame = 0; frame < count; ++frame)
    {
        compat::win32::AdvanceVirtualClock(kFrameTicks);
        // The calls of AppFrame (app/App.cpp), in its order.
        auto start = Clock::now();
        g_frameTimer->Update(false);
        g_world->Update(g_frameTimer->GetElapsed());
        update.push_back(MillisecondsSince(start));

        start = Clock::now();
        device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0xFF9B9BFF,
                      1.0f, 0);
        device->BeginScene();
        char text[200];
        std::snprintf(text, sizeof(text), "%s",
                      "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - "
                      "A, D");
        g_textFont->Draw(text, 0, 0, 600, 400, 0xFF00FFFF);
        std::snprintf(text, sizeof(text), "%s", "Exit - 'ESC'\nReset - 'R'\nPush - 'P'");
        g_textFont->Draw(text, 100, 0, 600, 200, 0xFFFF0000);
        device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
        device->SetRenderState(D3DRS_LIGHTING, TRUE);
        device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
        g_world->Render(g_graphics);
        device->SetRenderState(D3DRS_LIGHTING, FALSE);
        device->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
        device->SetTexture(0, nullptr);
        device->EndScene();
        drawing.push_back(MillisecondsSince(start));

        start = Clock::now();
        device->Present(nullptr, nullptr, g_window->GetHandle(), nullptr);
        present.push_back(MillisecondsSince(start));
    }
    return {Summarise(update), Summarise(drawing), Summarise(present)};
}

} // namespace bench
