#include "platform/Window.h"

namespace
{
const wchar_t* const kClassName = L"CWindow";
const DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
} // namespace

WindowParam DefaultWindowParam()
{
    WindowParam param;
    param.width = static_cast<unsigned int>(GetSystemMetrics(SM_CXSCREEN) / 2);
    param.height = static_cast<unsigned int>(GetSystemMetrics(SM_CYSCREEN) / 2);
    param.decorated = true;
    param.border = true;
    param.caption = true;
    return param;
}

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
    {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

CWindow::CWindow() : m_handle(nullptr) {}

CWindow::~CWindow() {}

HWND CWindow::Create(const wchar_t* windowName, const WindowParam* param, WNDPROC wndProc)
{
    const WindowParam defaults = param ? *param : DefaultWindowParam();
    if (!wndProc)
        wndProc = WndProc;

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(WNDCLASSEXW);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = wndProc;
    wc.cbClsExtra = 0;
    wc.cbWndExtra = 0;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszMenuName = nullptr;
    wc.lpszClassName = kClassName;
    wc.hIconSm = LoadIconW(nullptr, IDI_APPLICATION);
    if (!RegisterClassExW(&wc))
        return nullptr;

    // right and bottom carry the width and the height, not coordinates.
    RECT rect;
    rect.left = GetSystemMetrics(SM_CXSCREEN) / 2 - static_cast<LONG>(defaults.width / 2);
    rect.top = GetSystemMetrics(SM_CYSCREEN) / 2 - static_cast<LONG>(defaults.height / 2);
    rect.right = static_cast<LONG>(defaults.width);
    rect.bottom = static_cast<LONG>(defaults.height);

    DWORD style = WS_POPUP | WS_VISIBLE;
    if (defaults.decorated)
    {
        if (defaults.caption)
            style |= WS_CAPTION;
        if (defaults.border)
            style |= WS_BORDER;
        AdjustWindowRectEx(&rect, style, FALSE, kExStyle);
    }

    m_handle = CreateWindowExW(kExStyle, kClassName, windowName, style, rect.left, rect.top,
                               rect.right, rect.bottom, nullptr, nullptr, wc.hInstance, nullptr);
    return m_handle;
}

HWND CWindow::GetHandle() const
{
    return m_handle;
}
