#include "errors.h"

#include <compat/physx.h>

#include <cstdarg>
#include <cstdio>

namespace compat::physx
{

namespace
{
// A fixed buffer, so that reporting never allocates.
char lastError[512];
} // namespace

void ReportError(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(lastError, sizeof lastError, format, arguments);
    va_end(arguments);
    std::fprintf(stderr, "physx: %s\n", lastError);
}

std::string LastError()
{
    return lastError;
}

void ClearLastError()
{
    lastError[0] = '\0';
}

} // namespace compat::physx
