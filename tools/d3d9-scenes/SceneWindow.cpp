#include "SceneWindow.h"

namespace
{

const wchar_t* const kClassName = L"D3d9Scenes";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

SceneWindow::~SceneWindow()
{
    if (d3d_ != nullptr)
        d3d_->Release();
    if (window_ != nullptr)
        DestroyWindow(window_);
}

std::string SceneWindow::Open()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    if (RegisterClassExW(&wc) == 0)
        return "cannot register the window class";
    window_ = CreateWindowExW(0, kClassName, L"d3d9-scenes", WS_POPUP | WS_VISIBLE, 0, 0,
                              kSceneWidth, kSceneHeight, nullptr, nullptr, wc.hInstance, nullptr);
    if (window_ == nullptr)
        return "cannot create the window (is there a display?)";
    PumpMessages();

    d3d_ = Direct3DCreate9(D3D_SDK_VERSION);
    if (d3d_ == nullptr)
        return "Direct3DCreate9 failed";
    return {};
}

std::string SceneWindow::CreateDevice(IDirect3DDevice9*& device)
{
    device = nullptr;
    D3DPRESENT_PARAMETERS pp = {};
    pp.BackBufferWidth = kSceneWidth;
    pp.BackBufferHeight = kSceneHeight;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferCount = 1;
    pp.MultiSampleType = D3DMULTISAMPLE_NONE;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.hDeviceWindow = window_;
    pp.Windowed = TRUE;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D24S8;
    pp.Flags = D3DPRESENTFLAG_DISCARD_DEPTHSTENCIL;
    pp.PresentationInterval = D3DPRESENT_INTERVAL_IMMEDIATE;
    if (d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_,
                           D3DCREATE_HARDWARE_VERTEXPROCESSING, &pp, &device) != D3D_OK)
        return "CreateDevice failed (windowed, X8R8G8B8 back buffer, D24S8 depth)";
    return {};
}

void SceneWindow::PumpMessages()
{
    MSG msg = {};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
