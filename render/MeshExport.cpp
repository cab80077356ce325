// The export writer: a mesh's vertices, read as a plain triangle list, become
// an indexed mesh with equal vertices welded, written in the canonical
// layout.
#include "render/MeshFile.h"

#include "render/VertexWelder.h"

#include <string>
#include <vector>

void SaveMeshFile(CMeshFile* meshFile, const char* path, float scaleX, float scaleY, float scaleZ)
{
    if (!meshFile || !path)
        return;

    MeshFormat format = meshFile->GetFormat();
    const unsigned int floatCount = format.GetFloatCount();
    // Only whole vertices of the data are welded.
    unsigned int vertexCount =
        meshFile->GetVertexCount() > 0 ? static_cast<unsigned int>(meshFile->GetVertexCount()) : 0;
    if (floatCount != 0 && vertexCount > meshFile->GetVertexValueCount() / floatCount)
        vertexCount = static_cast<unsigned int>(meshFile->GetVertexValueCount() / floatCount);

    std::vector<float> unique;
    std::vector<unsigned int> indices;
    const unsigned int uniqueCount =
        WeldVertices(meshFile->GetVertices(), vertexCount, floatCount, unique, indices);

    std::string filePath(path);
    for (char& c : filePath)
        if (c == '\\')
            c = '/';
    std::vector<char> buffer(1 << 16);
    FILE* file = fopen(filePath.c_str(), "w");
    if (!file)
        return;
    setvbuf(file, buffer.data(), _IOFBF, buffer.size());

    fprintf(file, "vertices\n{\n\tformat\n\t{\n");
    fprintf(file, "\t\tposition\t %d\n", 3);
    fprintf(file, "\t\tnormal\t\t %d\n", 1);
    fprintf(file, "\t\tcolor\t\t %d\n", 0);
    fprintf(file, "\t\ttextures\t %d\n", 0);
    fprintf(file, "\t}\n");
    fprintf(file, "\tcount %d\n", static_cast<int>(uniqueCount));
    const float scale[3] = {scaleX, scaleY, scaleZ};
    for (unsigned int v = 0; v < uniqueCount; ++v)
    {
        const float* vertex = unique.data() + static_cast<size_t>(v) * floatCount;
        for (unsigned int i = 0; i < floatCount; ++i)
            fprintf(file, "\t%f", i < 3 ? vertex[i] * scale[i] : vertex[i]);
        fprintf(file, "\n");
    }
    fprintf(file, "}\n");
    fprintf(file, "indices\n{\n\tformat\n\t{\n");
    fprintf(file, "\t\tsize\t %d\n", 32);
    fprintf(file, "\t}\n");
    fprintf(file, "\tcount %d\n", static_cast<int>(indices.size()));
    for (unsigned int index : indices)
        fprintf(file, "\t%d\n", static_cast<int>(index));
    fprintf(file, "}\n");
    fclose(file);
}
