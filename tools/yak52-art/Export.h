// Writing a generated part as a mesh file through the program's own export
// writer, which welds equal vertices and writes the canonical layout.
#pragma once

#include "geometry/TriangleList.h"

#include <string>

namespace yak52
{

// Writes `part` to `path` (format: position and one normal per vertex, scale
// 1). Returns an empty string on success, else a one-line reason.
std::string WriteMeshFile(const TriangleList& part, const std::string& path);

} // namespace yak52
