#include "app/App.h"

#include "app/DeviceSetUp.h"
#include "app/FrameTimer.h"
#include "platform/Graphics.h"
#include "platform/SafeDelete.h"
#include "platform/TextFont.h"
#include "platform/Window.h"
#include "world/World.h"

#include <cstdio>
#include <new>

CWindow* g_window = nullptr;
CGraphics* g_graphics = nullptr;
CWorld* g_world = nullptr;
CTextFont* g_textFont = nullptr;
CFrameTimer* g_frameTimer = nullptr;

namespace
{
// Writes "what: reason" for a start-up failure, the reason being the
// system's text for the last error when there is one.
void ReportFailure(const char* what)
{
    char reason[256] = "";
    const DWORD error = GetLastError();
    if (error != ERROR_SUCCESS)
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, reason, sizeof(reason), nullptr);
    if (reason[0])
        std::fprintf(stderr, "%s: %s\n", what, reason);
    else
        std::fprintf(stderr, "%s\n", what);
}

// Shows the error box; its text also goes to stderr.
void ShowError(const wchar_t* text)
{
    MessageBoxW(g_window ? g_window->GetHandle() : nullptr, text, L"Error", MB_OK);
}

} // namespace

bool AppInit()
{
    WindowParam windowParam = DefaultWindowParam();
    DeviceParam deviceParam = DefaultDeviceParam();

    SetLastError(ERROR_SUCCESS);
    deviceParam.width = windowParam.width =
        static_cast<unsigned int>(GetSystemMetrics(SM_CXSCREEN) - 50);
    deviceParam.height = windowParam.height =
        static_cast<unsigned int>(GetSystemMetrics(SM_CYSCREEN) - 50);

    g_window = new (std::nothrow) CWindow();
    if (!g_window || !g_window->Create(L"Zarv", &windowParam, WndProc))
    {
        ReportFailure("Can't create the main window");
        return false;
    }

    g_graphics = new (std::nothrow) CGraphics();
    if (!g_graphics)
    {
        ShowError(L"Can't create Direct3D9 object");
        return false;
    }
    if (!g_graphics->Create(g_window->GetHandle(), &deviceParam))
    {
        ShowError(L"Can't init display mode");
        return false;
    }

    AppSetUpDevice(CGraphics::GetDevice(), deviceParam.width, deviceParam.height);

    g_world = new (std::nothrow) CWorld();
    if (!g_world)
    {
        ReportFailure("Can't create the world");
        return false;
    }
    if (!g_world->Init(g_window->GetHandle()))
        return false; // the world has said what failed

    g_textFont = new (std::nothrow) CTextFont();
    if (!g_textFont || !g_textFont->Create(10, 10, L"Areal"))
    {
        ReportFailure("Can't create the text font");
        return false;
    }

    g_frameTimer = new (std::nothrow) CFrameTimer();
    if (!g_frameTimer)
    {
        ReportFailure("Can't create the frame timer");
        return false;
    }
    g_frameTimer->Start();
    return true;
}

bool AppFrame()
{
    g_frameTimer->Update(false);
    const float dt = g_frameTimer->GetElapsed();
    const bool result = g_world->Update(dt);

    IDirect3DDevice9* device = CGraphics::GetDevice();
    device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER | D3DCLEAR_STENCIL, 0xFF9B9BFF,
                  1.0f, 0);
    device->BeginScene();

    char text[200];
    sprintf_s(text, 200,
              "Camera:\n choose - F1, F2, F3\n Up/Dw - S, X\n Left/Right - Z, C\n Roll - A, D");
    g_textFont->Draw(text, 0, 0, 600, 400, 0xFF00FFFF);
    sprintf_s(text, 200, "Exit - 'ESC'\nReset - 'R'\nPush - 'P'");
    g_textFont->Draw(text, 100, 0, 600, 200, 0xFFFF0000);

    device->SetRenderState(D3DRS_CULLMODE, D3DCULL_NONE);
    device->SetRenderState(D3DRS_LIGHTING, TRUE);
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_SOLID);
    g_world->Render(g_graphics);
    device->SetRenderState(D3DRS_LIGHTING, FALSE);
    device->SetRenderState(D3DRS_FILLMODE, D3DFILL_WIREFRAME);
    device->SetTexture(0, nullptr);
    device->EndScene();
    device->Present(nullptr, nullptr, g_window->GetHandle(), nullptr);
    return result;
}

void AppRelease()
{
    SafeDelete(g_frameTimer);
    SafeDelete(g_textFont);
    SafeDelete(g_world);
    SafeDelete(g_graphics);
    SafeDelete(g_window);
}

bool AppPumpMessage()
{
    MSG msg = {};
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return msg.message != WM_QUIT;
}

void AppRun()
{
    bool messagesGoOn = true;
    while (messagesGoOn)
    {
        messagesGoOn = AppPumpMessage();
        if (!AppFrame())
            break;
    }
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nShowCmd)
{
    (void)hInstance;
    (void)hPrevInstance;
    (void)lpCmdLine;
    (void)nShowCmd;

    // A start-up failure ends the program with status 1 (its reason is on
    // stderr); a normal end, by Esc or by closing the window, with 0.
    if (!AppInit())
    {
        // What start-up made goes before the end, as after a normal run: a
        // device still alive as the process ends can take it down on its way
        // out (Wine's OpenGL threads), ending it with a crash, not status 1.
        AppRelease();
        return 1;
    }

    AppRun();
    AppRelease();
    return 0;
}
