// The registry of window classes: a name (or its atom) and the window
// procedure that windows of the class get.
#pragma once

#include <windows.h>

#include <string>

namespace compat::win32
{

struct WindowClass
{
    std::wstring name;
    ATOM atom = 0;
    WNDPROC procedure = nullptr;
};

// The class a CreateWindowExW class argument names (a string or
// MAKEINTATOM(atom)); null when none is registered under it.
const WindowClass* FindWindowClass(LPCWSTR nameOrAtom);

// A readable form of a class argument for error texts.
std::string DescribeClassName(LPCWSTR nameOrAtom);

// Forgets every class (ResetForTests).
void UnregisterAllWindowClasses();

} // namespace compat::win32
