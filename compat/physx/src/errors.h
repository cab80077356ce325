// Error lines of the stand-in: one line on stderr per refused call, the last
// one kept for tests.
#pragma once

namespace compat::physx
{

// Writes "physx: " and the formatted message as one line on stderr.
void ReportError(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace compat::physx
