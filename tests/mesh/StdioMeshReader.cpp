#include "StdioMeshReader.h"

#include "ByteStream.h"
#include "MeshTestSupport.h"

#include <cstring>

namespace
{
// The bytes as Windows' text mode reads them: each CR LF pair as one LF.
std::string TextModeBytes(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n')
            text += bytes[i];
    return text;
}

unsigned long long ExactFloatCount(const StdioMesh& m)
{
    return static_cast<unsigned long long>(m.position) + 3ull * static_cast<unsigned>(m.normal) +
           static_cast<unsigned>(m.color) + 2ull * static_cast<unsigned>(m.textures);
}

class StdioReader
{
public:
    StdioReader(FILE* file, size_t fileSize, StdioMesh& mesh)
        : m_file(file), m_fileSize(fileSize), m(mesh)
    {
    }

    bool Read()
    {
        while (ReadLine())
        {
            if (WordIs("vertices"))
            {
                if (!ReadVertices())
                    return false;
            }
            else if (WordIs("indices"))
            {
                if (!ReadIndices())
                    return false;
            }
        }
        return m.position != 0 && ListsMatchCounts();
    }

private:
    bool ReadLine()
    {
        if (!fgets(m_line, sizeof(m_line), m_file))
            return false;
        m_word[0] = '\0';
        sscanf(m_line, "%s", m_word);
        return true;
    }

    bool WordIs(const char* keyword) const { return strcmp(m_word, keyword) == 0; }

    // The number after the line's first word; false when there is none.
    bool ScanLine(long& value) { return sscanf(m_line, "%s%ld", m_word, &value) == 2; }

    bool ScanCount(int& count)
    {
        long value = 0;
        if (!ScanLine(value) || value < 0 || static_cast<unsigned long>(value) > m_fileSize)
            return false;
        count = static_cast<int>(value);
        return true;
    }

    bool ReadVertices()
    {
        while (ReadLine())
        {
            if (strcmp(m_line, "\n") == 0)
                break;
            if (WordIs("format"))
            {
                if (!ReadVertexFormat())
                    return false;
            }
            else if (WordIs("count"))
            {
                if (!ScanCount(m.vertexCount) || !ReadVertexData())
                    return false;
            }
        }
        return true;
    }

    // Position 3; at most one normal, colour slot and texture pair.
    bool ReadVertexFormat()
    {
        while (ReadLine())
        {
            if (WordIs("}"))
                break;
            long value = 0;
            const bool entry =
                WordIs("position") || WordIs("normal") || WordIs("color") || WordIs("textures");
            if (!entry)
                continue;
            if (!ScanLine(value))
                return false;
            if (WordIs("position") && value != 3)
                return false;
            if (!WordIs("position") && value != 0 && value != 1)
                return false;
            int& field = WordIs("position") ? m.position
                         : WordIs("normal") ? m.normal
                         : WordIs("color")  ? m.color
                                            : m.textures;
            field = static_cast<int>(value);
        }
        return true;
    }

    bool ReadVertexData()
    {
        if (m.position == 0)
            return false;
        const unsigned long long floatCount = ExactFloatCount(m);
        m.floatCount = static_cast<int>(static_cast<unsigned>(floatCount));
        if (static_cast<unsigned long long>(m.vertexCount) > m_fileSize / floatCount)
            return false;
        m.vertices.resize(static_cast<size_t>(m.vertexCount * floatCount));
        for (size_t i = 0; i < m.vertices.size(); ++i)
            if (fscanf(m_file, "%f", &m.vertices[i]) != 1)
                return false;
        return true;
    }

    bool ReadIndices()
    {
        while (ReadLine())
        {
            if (strcmp(m_line, "\n") == 0)
                break;
            if (WordIs("format"))
            {
                if (!ReadIndexFormat())
                    return false;
            }
            else if (WordIs("count"))
            {
                if (!ScanCount(m.indexCount) || !ReadIndexData())
                    return false;
            }
        }
        return true;
    }

    bool ReadIndexFormat()
    {
        while (ReadLine())
        {
            if (WordIs("}"))
                break;
            if (WordIs("size"))
            {
                long size = 0;
                if (!ScanLine(size) || (size != 0 && size != 16 && size != 32))
                    return false;
                m.indexSize = static_cast<int>(size);
            }
        }
        return true;
    }

    bool ReadIndexData()
    {
        int index = 0;
        if (m.indexSize == 16)
        {
            m.indices16.resize(static_cast<size_t>(m.indexCount));
            for (size_t i = 0; i < m.indices16.size(); ++i)
            {
                if (fscanf(m_file, "%d", &index) != 1)
                    return false;
                m.indices16[i] = static_cast<uint16_t>(index);
            }
        }
        else if (m.indexSize == 32)
        {
            m.indices32.resize(static_cast<size_t>(m.indexCount));
            for (size_t i = 0; i < m.indices32.size(); ++i)
            {
                if (fscanf(m_file, "%d", &index) != 1)
                    return false;
                m.indices32[i] = static_cast<uint32_t>(index);
            }
        }
        return true;
    }

    bool ListsMatchCounts() const
    {
        if (m.vertices.size() != static_cast<size_t>(m.vertexCount) * ExactFloatCount(m))
            return false;
        if (m.indexSize == 16)
            return m.indices16.size() == static_cast<size_t>(m.indexCount);
        if (m.indexSize == 32)
            return m.indices32.size() == static_cast<size_t>(m.indexCount);
        return true;
    }

    FILE* m_file;
    size_t m_fileSize;
    StdioMesh& m;
    char m_line[260];
    char m_word[260];
};
} // namespace

bool StdioReadMesh(FILE* stream, size_t fileSize, StdioMesh& mesh)
{
    mesh = StdioMesh();
    if (fileSize == 0)
        return false;
    StdioReader reader(stream, fileSize, mesh);
    if (!reader.Read())
    {
        mesh = StdioMesh();
        return false;
    }
    return true;
}

bool StdioReadBytes(std::string_view bytes, StdioMesh& mesh)
{
    // One temporary file serves every reading.
    static ByteStream stream;
    return StdioReadMesh(stream.Read(TextModeBytes(bytes)), bytes.size(), mesh);
}

bool StdioReadFile(const std::string& path, StdioMesh& mesh)
{
    // A file that cannot be read gives no bytes, which no reading accepts.
    return StdioReadBytes(ReadBytes(path), mesh);
}
