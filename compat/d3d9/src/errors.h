// Failing a call: the one-line reason becomes LastError(), and a reason the
// program caused (a bad argument, a call in the wrong state) is written to
// stderr the first time it occurs. A fault that a test configured is only
// kept, not written. Neither allocates, so a frame loop that keeps making the
// same bad call stays allocation-free.
#pragma once

#include <windows.h>

namespace compat::d3d9
{

// Returns hr. `format` is printf-style and names the method first.
__attribute__((format(printf, 2, 3))) HRESULT Fail(HRESULT hr, const char* format, ...);
__attribute__((format(printf, 2, 3))) HRESULT Fault(HRESULT hr, const char* format, ...);

// Forgets the last reason and which reasons were written.
void ClearLastError();

} // namespace compat::d3d9
