// The process entry point: hands over to the program's WinMain.
#include <windows.h>

int main()
{
    return WinMain(GetModuleHandleW(nullptr), nullptr, nullptr, 0);
}
