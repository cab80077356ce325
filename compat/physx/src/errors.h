// Error lines of the stand-in: one line on stderr per refused call, the last
// one kept for tests.
#pragma once

// The format checks of printf-like functions: C99's printf, which mingw-w64
// names gnu_printf (the Windows build compiles with __USE_MINGW_ANSI_STDIO).
#ifdef __MINGW_PRINTF_FORMAT
#define PHYSX_PRINTF_FORMAT __MINGW_PRINTF_FORMAT
#else
#define PHYSX_PRINTF_FORMAT printf
#endif

namespace compat::physx
{

// Writes "physx: " and the formatted message as one line on stderr.
void ReportError(const char* format, ...) __attribute__((format(PHYSX_PRINTF_FORMAT, 1, 2)));

} // namespace compat::physx
