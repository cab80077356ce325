// The reason behind the last failing DirectInput call (LastFailure). Reasons
// are string literals, so recording one never allocates.
#pragma once

#include <windows.h>

namespace compat::dinput
{

// Records the reason and returns the result, for `return Fail(...)`.
HRESULT Fail(HRESULT result, const char* reason);

void ClearFailure();

} // namespace compat::dinput
