// The mesh text format read the plain way: fgets, sscanf and fscanf on a
// text-mode stream, step by step as the format describes, with the same
// refusals of malformed files as the program's reader. The program's fast
// reader must give exactly what this one gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

struct StdioMesh
{
    int position = 0;
    int normal = 0;
    int color = 0;
    int textures = 0;
    int floatCount = 0;
    std::vector<float> vertices;
    std::vector<uint16_t> indices16;
    std::vector<uint32_t> indices32;
    int indexSize = 0;
    int vertexCount = 0;
    int indexCount = 0;
};

// Reads the stream to its end into `mesh`; false when the file is malformed.
// `fileSize` is the size of the file, the bound for the counts it claims.
bool StdioReadMesh(FILE* stream, size_t fileSize, StdioMesh& mesh);

// Reads a file's bytes with the plain stdio reading, as a stream in Windows'
// text mode gives them: each CR LF pair as one LF. False when they are
// malformed.
bool StdioReadBytes(std::string_view bytes, StdioMesh& mesh);

// Reads the file with the plain stdio reading; false when it is malformed
// or cannot be read.
bool StdioReadFile(const std::string& path, StdioMesh& mesh);
