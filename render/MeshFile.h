// The mesh text file: the vertex layout it describes (MeshFormat), its parsed
// contents (CMeshFile), the reader and the export writer.
//
// The reader is the program's only door for outside data. It reads the file
// into memory once and parses it there with the C library's reading rules
// (line reads of at most 259 characters, first words, numbers read as "%f"
// and "%d" straight from the text), and it refuses a malformed file with a
// one-line reason instead of trusting what the file claims.
#pragma once

#include <d3d9.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

// The vertex layout of the file's vertex format block.
struct MeshFormat
{
    int position;   // floats of the vertex position
    int normal;     // normals, 3 floats each
    int color;      // colour slots, one 32-bit slot each
    int textures;   // texture-coordinate pairs, 2 floats each
    int floatCount; // cached by the last GetFloatCount()

    MeshFormat();

    // position + 3 × normal + color + 2 × textures; also caches it.
    unsigned int GetFloatCount();
    // k × the float count: the byte stride of a vertex for k = 4.
    unsigned int GetStride(unsigned int k);
};

class CMeshFile
{
public:
    CMeshFile();
    ~CMeshFile();

    // Reads the file (backslashes in the path are folder separators). False
    // when it cannot be opened or read, or is malformed: the object is then
    // empty and GetError() says why.
    bool Load(const char* path);
    // Reads a file's bytes already in memory; `name` stands for the file in
    // the reason of a failure.
    bool LoadFromMemory(const char* name, const char* bytes, size_t size);
    // Replaces the contents with `vertexCount` vertices of `format` taken
    // from `values`, and no index list: a mesh made in memory, for the
    // export writer.
    void SetVertices(const MeshFormat& format, const float* values, int vertexCount);

    MeshFormat GetFormat() const;
    int GetVertexCount() const;
    int GetIndexCount() const;
    int GetIndexSize() const;
    const float* GetVertices() const;
    const unsigned short* GetIndices16() const;
    const unsigned int* GetIndices32() const;
    // The lengths of the three lists as read.
    size_t GetVertexValueCount() const;
    size_t GetIndex16Count() const;
    size_t GetIndex32Count() const;

    // Whether the last Load succeeded, and if not, the one-line reason:
    // "<file>, line <n>: <what is wrong>", the file named as the user can
    // open it (see DescribeFilePath) and the line where the reader stopped
    // (left out when no line is to blame); empty after a success.
    bool IsLoaded() const;
    const char* GetError() const;

    // The device buffers of the mesh, filled with its data in one lock each;
    // null when the device refuses.
    IDirect3DVertexBuffer9* CreateVertexBuffer(IDirect3DDevice9* device, DWORD fvf);
    IDirect3DIndexBuffer9* CreateIndexBuffer(IDirect3DDevice9* device);

private:
    friend class CMeshTextReader;

    void Clear();
    bool Parse(const std::string& name, char* text, size_t length, size_t fileSize);
    // Empties the object and keeps "<name>[, line <line>]: <reason>".
    bool Fail(const std::string& name, int line, const char* reason);
    bool Fail(const std::string& name, const char* reason);

    FILE* m_file; // open only while the file is read
    MeshFormat m_format;
    std::vector<float> m_vertices;
    std::vector<unsigned short> m_indices16;
    std::vector<unsigned int> m_indices32;
    int m_indexSize; // 16 or 32: which index list is filled; 0: none
    int m_vertexCount;
    int m_indexCount;
    bool m_loaded;
    std::string m_error;
};

// Creates a CMeshFile and loads the file into it; returns the object whether
// or not the file could be read (null only when memory runs out).
CMeshFile* LoadMeshFile(const char* path);

// Writes the mesh's vertices, read as a plain triangle list, as an indexed
// mesh with equal vertices welded, in the canonical layout; the first three
// values of each vertex are scaled. Writes nothing if the file cannot be
// created.
void SaveMeshFile(CMeshFile* meshFile, const char* path, float scaleX, float scaleY, float scaleZ);
