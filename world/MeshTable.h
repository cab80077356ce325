// The aircraft's mesh files. CWorld::s_meshTable lists them in the order the
// world loads them, each with the member of the world its mesh goes into;
// the paths are the program's own, relative to its working folder and with
// Windows separators ("..\art\3d\yak_52\i_stokF.txt"). The tests and the art
// tools take the file names from the table.
#pragma once

#include "world/World.h"

#include <cstring>

struct MeshTableEntry
{
    CMesh* CWorld::*mesh;
    const char* path;
};

// The file's name alone: what follows the last backslash of its path.
inline const char* GetMeshFileName(const MeshTableEntry& entry)
{
    return std::strrchr(entry.path, '\\') + 1;
}
