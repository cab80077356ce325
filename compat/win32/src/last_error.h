// The calling thread's last error: the Win32 code that GetLastError answers,
// and the one-line reason that FormatMessageA gives for it.
#pragma once

#include <windows.h>

#include <string>

namespace compat::win32
{

// Records a failure: its code and a one-line reason naming what went wrong.
void Fail(DWORD code, std::string reason);

// Forgets the last failure (ResetForTests).
void ClearLastError();

} // namespace compat::win32
