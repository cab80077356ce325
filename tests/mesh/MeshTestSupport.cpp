#include "MeshTestSupport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const
{
    const std::string path = m_path + "/" + name;
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string CanonicalText(const std::vector<float>& values, const std::vector<uint32_t>& indices,
                          size_t floatCount)
{
    std::string text;
    char item[64];
    auto add = [&](const char* format, auto value)
    {
        snprintf(item, sizeof(item), format, value);
        text += item;
    };
    text += "vertices\n{\n\tformat\n\t{\n";
    add("\t\tposition\t %d\n", 3);
    add("\t\tnormal\t\t %d\n", 1);
    add("\t\tcolor\t\t %d\n", 0);
    add("\t\ttextures\t %d\n", 0);
    text += "\t}\n";
    add("\tcount %d\n", static_cast<int>(values.size() / floatCount));
    for (size_t v = 0; v + floatCount <= values.size(); v += floatCount)
    {
        for (size_t i = 0; i < floatCount; ++i)
            add("\t%f", static_cast<double>(values[v + i]));
        text += "\n";
    }
    text += "}\n";
    text += "indices\n{\n\tformat\n\t{\n";
    add("\t\tsize\t %d\n", 32);
    text += "\t}\n";
    add("\tcount %d\n", static_cast<int>(indices.size()));
    for (uint32_t index : indices)
        add("\t%d\n", static_cast<int>(index));
    text += "}\n";
    return text;
}

void MakeCube(std::vector<float>& values, std::vector<uint32_t>& indices)
{
    values.clear();
    indices.clear();
    // Each face: its normal along one axis, four corners around it.
    for (int axis = 0; axis < 3; ++axis)
        for (int side = -1; side <= 1; side += 2)
        {
            const uint32_t first = static_cast<uint32_t>(values.size() / 6);
            const int u = (axis + 1) % 3;
            const int w = (axis + 2) % 3;
            const float corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
            for (const auto& corner : corners)
            {
                float vertex[6] = {};
                vertex[axis] = 0.5f * static_cast<float>(side);
                vertex[u] = 0.5f * corner[0];
                vertex[w] = 0.5f * corner[1];
                vertex[3 + axis] = static_cast<float>(side);
                values.insert(values.end(), vertex, vertex + 6);
            }
            for (uint32_t i : {0u, 1u, 2u, 0u, 2u, 3u})
                indices.push_back(first + i);
        }
}
