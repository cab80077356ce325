// The program's mesh file reading compared with the plain stdio reading
// (StdioMeshReader.h), field for field: what the mesh tests and the mesh
// reader's fuzzer check.
#pragma once

#include "StdioMeshReader.h"

#include <string>

class CMeshFile;

// The first field in which the two readings differ, or an empty string when
// they agree field for field (floats compared bit for bit).
std::string FirstDifference(const CMeshFile& meshFile, const StdioMesh& mesh);
