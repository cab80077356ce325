#include "errors.h"

#include <compat/d3d9.h>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <functional>

namespace compat::d3d9
{
namespace
{

std::array<char, 256> lastError{};

// Hashes of the reasons already written to stderr; when full, the oldest is
// forgotten, so a long run still writes each reason again now and then.
std::array<std::size_t, 64> written{};
std::size_t writtenCount = 0;

void Keep(const char* format, va_list args)
{
    const int n = std::vsnprintf(lastError.data(), lastError.size(), format, args);
    if (n < 0)
        lastError[0] = '\0';
}

void WriteOnce()
{
    const std::size_t hash = std::hash<std::string_view>{}(std::string_view(lastError.data()));
    const std::size_t kept = writtenCount < written.size() ? writtenCount : written.size();
    for (std::size_t i = 0; i < kept; ++i)
        if (written[i] == hash)
            return;
    written[writtenCount % written.size()] = hash;
    ++writtenCount;
    std::fprintf(stderr, "d3d9: %s\n", lastError.data());
}

} // namespace

HRESULT Fail(HRESULT hr, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Keep(format, args);
    va_end(args);
    WriteOnce();
    return hr;
}

HRESULT Fault(HRESULT hr, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    Keep(format, args);
    va_end(args);
    return hr;
}

void ClearLastError()
{
    lastError[0] = '\0';
    writtenCount = 0;
}

std::string_view LastError()
{
    return std::string_view(lastError.data());
}

} // namespace compat::d3d9
