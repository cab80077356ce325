#include "MeshReadingDifference.h"

#include "render/MeshFile.h"

#include <bit>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace
{
template <typename T>
std::string CompareList(const char* name, const T* values, size_t count,
                        const std::vector<T>& expected)
{
    if (count != expected.size())
        return std::string(name) + " length " + std::to_string(count) + " instead of " +
               std::to_string(expected.size());
    for (size_t i = 0; i < count; ++i)
    {
        bool same = false;
        if constexpr (std::is_same_v<T, float>)
            same = std::bit_cast<uint32_t>(values[i]) == std::bit_cast<uint32_t>(expected[i]);
        else
            same = values[i] == expected[i];
        if (!same)
            return std::string(name) + "[" + std::to_string(i) + "] is " +
                   std::to_string(values[i]) + " instead of " + std::to_string(expected[i]);
    }
    return "";
}
} // namespace

std::string FirstDifference(const CMeshFile& meshFile, const StdioMesh& mesh)
{
    const MeshFormat format = meshFile.GetFormat();
    const std::pair<const char*, std::pair<int, int>> fields[] = {
        {"position", {format.position, mesh.position}},
        {"normal", {format.normal, mesh.normal}},
        {"color", {format.color, mesh.color}},
        {"textures", {format.textures, mesh.textures}},
        {"float count", {format.floatCount, mesh.floatCount}},
        {"index size", {meshFile.GetIndexSize(), mesh.indexSize}},
        {"vertex count", {meshFile.GetVertexCount(), mesh.vertexCount}},
        {"index count", {meshFile.GetIndexCount(), mesh.indexCount}},
    };
    for (const auto& [name, values] : fields)
        if (values.first != values.second)
            return std::string(name) + " is " + std::to_string(values.first) + " instead of " +
                   std::to_string(values.second);
    std::string difference = CompareList("vertex value", meshFile.GetVertices(),
                                         meshFile.GetVertexValueCount(), mesh.vertices);
    if (difference.empty())
        difference = CompareList("16-bit index", meshFile.GetIndices16(),
                                 meshFile.GetIndex16Count(), mesh.indices16);
    if (difference.empty())
        difference = CompareList("32-bit index", meshFile.GetIndices32(),
                                 meshFile.GetIndex32Count(), mesh.indices32);
    return difference;
}
