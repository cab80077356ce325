#include "Export.h"

#include "render/MeshFile.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace yak52
{

std::string WriteMeshFile(const TriangleList& part, const std::string& path)
{
    std::vector<float> values;
    values.reserve(part.Vertices().size() * 6);
    for (const Vertex& v : part.Vertices())
        for (double value :
             {v.position.x, v.position.y, v.position.z, v.normal.x, v.normal.y, v.normal.z})
            values.push_back(static_cast<float>(value));

    MeshFormat format;
    format.position = 3;
    format.normal = 1;
    format.color = 0;
    format.textures = 0;
    CMeshFile meshFile;
    meshFile.SetVertices(format, values.data(), static_cast<int>(part.Vertices().size()));

    // The writer says nothing when it cannot create the file: remove any old
    // copy first, so that a missing file afterwards means the write failed.
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error)
        return path + ": cannot replace the old file (" + error.message() + ")";
    SaveMeshFile(&meshFile, path.c_str(), 1.0f, 1.0f, 1.0f);
    if (!std::filesystem::exists(path, error) || std::filesystem::file_size(path, error) == 0)
        return path + ": cannot be written";
    return {};
}

} // namespace yak52
