// The mesh text format read the plain way: fgets, sscanf and fscanf on a
// text-mode stream, step by step as the format describes, with the same
// refusals of malformed files as the program's reader. The program's fast
// reader must give exactly what this one gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
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

// Wraps a binary stream (and takes it over) in one that reads as Windows'
// text mode does: each CR LF pair comes out as one LF.
FILE* OpenTextStream(FILE* binary);
// Opens a file as a text-mode stream; null when it cannot be opened.
FILE* OpenTextFile(const char* path);

// Reads the stream to its end into `mesh`; false when the file is malformed.
// `fileSize` is the size of the file, the bound for the counts it claims.
bool StdioReadMesh(FILE* stream, size_t fileSize, StdioMesh& mesh);

// Reads the file with the plain stdio reading; false when it is malformed
// or cannot be read.
bool StdioReadFile(const std::string& path, StdioMesh& mesh);
