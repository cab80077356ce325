#include "render/MeshFile.h"

#include "render/FilePath.h"
#include "render/MeshTextReader.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <string>

namespace
{
// Files larger than this are refused: the program's art is a few hundred
// kilobytes, and the bound keeps every size derived from a file well inside
// 32 bits.
const size_t kMaxFileSize = 256u << 20;

} // namespace

MeshFormat::MeshFormat() : position(0), normal(0), color(0), textures(0), floatCount(0) {}

unsigned int MeshFormat::GetFloatCount()
{
    // Unsigned arithmetic: entries a file sets at random cannot overflow.
    const unsigned int count =
        static_cast<unsigned int>(position) + 3u * static_cast<unsigned int>(normal) +
        static_cast<unsigned int>(color) + 2u * static_cast<unsigned int>(textures);
    floatCount = static_cast<int>(count);
    return count;
}

unsigned int MeshFormat::GetStride(unsigned int k)
{
    return k * GetFloatCount();
}

CMeshFile::CMeshFile()
    : m_file(nullptr), m_indexSize(0), m_vertexCount(0), m_indexCount(0), m_loaded(false)
{
}

CMeshFile::~CMeshFile()
{
    if (m_file)
    {
        fclose(m_file);
        m_file = nullptr;
    }
}

void CMeshFile::Clear()
{
    m_format = MeshFormat();
    // Swapping with empty lists gives their memory back.
    std::vector<float>().swap(m_vertices);
    std::vector<unsigned short>().swap(m_indices16);
    std::vector<unsigned int>().swap(m_indices32);
    m_indexSize = 0;
    m_vertexCount = 0;
    m_indexCount = 0;
    m_loaded = false;
    m_error.clear();
}

bool CMeshFile::Fail(const std::string& name, int line, const char* reason)
{
    Clear();
    m_error = name;
    if (line > 0)
        m_error += ", line " + std::to_string(line);
    m_error += ": ";
    m_error += reason;
    // One line, whatever the name holds.
    for (char& c : m_error)
        if (static_cast<unsigned char>(c) < ' ')
            c = '?';
    return false;
}

bool CMeshFile::Fail(const std::string& name, const char* reason)
{
    return Fail(name, 0, reason);
}

bool CMeshFile::Load(const char* path)
{
    Clear();
    const std::string filePath = ToFilePath(path);
    // Failures name the file as the user can find it.
    const std::string name = DescribeFilePath(path);
    char reason[160];

    // Only regular files: a folder or a device would fail or never end.
    struct stat info;
    if (stat(filePath.c_str(), &info) != 0)
    {
        snprintf(reason, sizeof(reason), "cannot open (%s)", strerror(errno));
        return Fail(name, reason);
    }
    if (S_ISDIR(info.st_mode))
        return Fail(name, "cannot open (it is a folder)");
    if (!S_ISREG(info.st_mode))
        return Fail(name, "cannot open (it is not a regular file)");
    if (static_cast<unsigned long long>(info.st_size) > kMaxFileSize)
        return Fail(name, "the file is larger than the 256 MiB a mesh file may have");

    m_file = fopen(filePath.c_str(), "rb");
    if (!m_file)
    {
        snprintf(reason, sizeof(reason), "cannot open (%s)", strerror(errno));
        return Fail(name, reason);
    }
    // Room for the bytes only: filling it first would cost as much again.
    const size_t size = static_cast<size_t>(info.st_size);
    std::unique_ptr<char[]> text(new (std::nothrow) char[size + 1]);
    if (!text)
    {
        fclose(m_file);
        m_file = nullptr;
        return Fail(name, "cannot read (out of memory)");
    }
    const size_t length = fread(text.get(), 1, size, m_file);
    const bool failed = ferror(m_file) != 0;
    const int error = errno;
    fclose(m_file);
    m_file = nullptr;
    if (failed)
    {
        snprintf(reason, sizeof(reason), "cannot read (%s)", strerror(error));
        return Fail(name, reason);
    }
    return Parse(name, text.get(), length, length);
}

bool CMeshFile::LoadFromMemory(const char* name, const char* bytes, size_t size)
{
    Clear();
    if (size > kMaxFileSize)
        return Fail(name, "the file is larger than the 256 MiB a mesh file may have");
    std::vector<char> text(bytes, bytes + size);
    return Parse(name, text.data(), size, size);
}

bool CMeshFile::Parse(const std::string& name, char* text, size_t length, size_t fileSize)
{
    if (fileSize == 0)
        return Fail(name, "the file is empty");
    length = ToTextMode(text, length);
    CMeshTextReader reader(text, length, fileSize);
    if (!reader.Read(*this))
        return Fail(name, reader.GetLine(), reader.GetReason());
    m_loaded = true;
    return true;
}

void CMeshFile::SetVertices(const MeshFormat& format, const float* values, int vertexCount)
{
    Clear();
    m_format = format;
    const bool valid =
        format.position >= 0 && format.normal >= 0 && format.color >= 0 && format.textures >= 0;
    if (valid && vertexCount > 0 && values)
    {
        m_vertexCount = vertexCount;
        m_vertices.assign(values,
                          values + static_cast<size_t>(vertexCount) * m_format.GetFloatCount());
    }
    else
        m_format.GetFloatCount();
    m_loaded = true;
}

MeshFormat CMeshFile::GetFormat() const
{
    return m_format;
}

int CMeshFile::GetVertexCount() const
{
    return m_vertexCount;
}

int CMeshFile::GetIndexCount() const
{
    return m_indexCount;
}

int CMeshFile::GetIndexSize() const
{
    return m_indexSize;
}

const float* CMeshFile::GetVertices() const
{
    return m_vertices.data();
}

const unsigned short* CMeshFile::GetIndices16() const
{
    return m_indices16.data();
}

const unsigned int* CMeshFile::GetIndices32() const
{
    return m_indices32.data();
}

size_t CMeshFile::GetVertexValueCount() const
{
    return m_vertices.size();
}

size_t CMeshFile::GetIndex16Count() const
{
    return m_indices16.size();
}

size_t CMeshFile::GetIndex32Count() const
{
    return m_indices32.size();
}

bool CMeshFile::IsLoaded() const
{
    return m_loaded;
}

const char* CMeshFile::GetError() const
{
    return m_error.c_str();
}

CMeshFile* LoadMeshFile(const char* path)
{
    CMeshFile* meshFile = new (std::nothrow) CMeshFile();
    if (meshFile)
        meshFile->Load(path);
    return meshFile;
}
