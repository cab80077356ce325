// window_probe.exe: a Windows console program run under Wine beside zarv.exe, in the same Wine
// prefix: finds the top-level window of class "CWindow" captioned "Zarv" and
// prints its outer and client rectangles in screen coordinates as Win32 has
// them (the X server knows neither the class nor, with no window manager,
// the frame):
//   class CWindow
//   window LEFT TOP RIGHT BOTTOM
//   client LEFT TOP RIGHT BOTTOM
// Exits with 1, saying so, when there is no such window.
#include <windows.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>

int main()
{
    _setmode(_fileno(stdout), _O_BINARY); // lines end with "\n", as the test's own do
    const HWND window = FindWindowW(L"CWindow", L"Zarv");
    if (window == nullptr)
    {
        std::fprintf(stderr, "window_probe: no window of class CWindow captioned Zarv\n");
        return 1;
    }
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    std::printf("class %ls\n", className);
    std::printf("window %ld %ld %ld %ld\n", outer.left, outer.top, outer.right, outer.bottom);
    std::printf("client %ld %ld %ld %ld\n", corner.x, corner.y, corner.x + client.right,
                corner.y + client.bottom);
    return 0;
}
