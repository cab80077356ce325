#include "StdioMeshReader.h"

#include <cstring>

namespace
{
ssize_t ReadText(void* cookie, char* buffer, size_t size)
{
    FILE* binary = static_cast<FILE*>(cookie);
    size_t length = 0;
    while (length < size)
    {
        int c = getc(binary);
        if (c == EOF)
            break;
        if (c == '\r')
        {
            const int next = getc(binary);
            if (next == '\n')
                c = '\n';
            else if (next != EOF)
                ungetc(next, binary);
        }
        buffer[length++] = static_cast<char>(c);
    }
    return static_cast<ssize_t>(length);
}

int CloseText(void* cookie)
{
    return fclose(static_cast<FILE*>(cookie));
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
        return FormatIsSound() && IndexSizeIsSound() && ListsMatchCounts();
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

    void ScanLine(int& value) { sscanf(m_line, "%s%d", m_word, &value); }

    bool ReadVertices()
    {
        while (ReadLine())
        {
            if (strcmp(m_line, "\n") == 0)
                break;
            if (WordIs("format"))
                ReadVertexFormat();
            else if (WordIs("count"))
            {
                ScanLine(m.vertexCount);
                if (!ReadVertexData())
                    return false;
            }
        }
        return true;
    }

    void ReadVertexFormat()
    {
        while (ReadLine())
        {
            if (WordIs("}"))
                break;
            if (WordIs("position"))
                ScanLine(m.position);
            else if (WordIs("normal"))
                ScanLine(m.normal);
            else if (WordIs("color"))
                ScanLine(m.color);
            else if (WordIs("textures"))
                ScanLine(m.textures);
        }
    }

    bool ReadVertexData()
    {
        if (m.vertexCount < 0 || !FormatIsSound())
            return false;
        const unsigned long long floatCount = ExactFloatCount(m);
        m.floatCount = static_cast<int>(static_cast<unsigned>(floatCount));
        if (static_cast<unsigned long long>(m.vertexCount) > m_fileSize / floatCount)
            return false;
        m.vertices.resize(static_cast<size_t>(m.vertexCount * floatCount));
        for (size_t i = 0; i < m.vertices.size(); ++i)
            if (fscanf(m_file, "%f", &m.vertices[i]) != 1)
                break;
        return true;
    }

    bool ReadIndices()
    {
        while (ReadLine())
        {
            if (strcmp(m_line, "\n") == 0)
                break;
            if (WordIs("format"))
                ReadIndexFormat();
            else if (WordIs("count"))
            {
                ScanLine(m.indexCount);
                if (!ReadIndexData())
                    return false;
            }
        }
        return true;
    }

    void ReadIndexFormat()
    {
        while (ReadLine())
        {
            if (WordIs("}"))
                break;
            if (WordIs("size"))
                ScanLine(m.indexSize);
        }
    }

    bool ReadIndexData()
    {
        if (m.indexCount < 0 || !IndexSizeIsSound())
            return false;
        if (m.indexSize != 0 && static_cast<size_t>(m.indexCount) > m_fileSize)
            return false;
        int index = 0;
        if (m.indexSize == 16)
        {
            m.indices16.resize(static_cast<size_t>(m.indexCount));
            for (size_t i = 0; i < m.indices16.size(); ++i)
            {
                if (fscanf(m_file, "%d", &index) != 1)
                    break;
                m.indices16[i] = static_cast<uint16_t>(index);
            }
        }
        else if (m.indexSize == 32)
        {
            m.indices32.resize(static_cast<size_t>(m.indexCount));
            for (size_t i = 0; i < m.indices32.size(); ++i)
            {
                if (fscanf(m_file, "%d", &index) != 1)
                    break;
                m.indices32[i] = static_cast<uint32_t>(index);
            }
        }
        return true;
    }

    bool FormatIsSound() const
    {
        return m.position > 0 && m.normal >= 0 && m.color >= 0 && m.textures >= 0;
    }

    bool IndexSizeIsSound() const
    {
        return m.indexSize == 0 || m.indexSize == 16 || m.indexSize == 32;
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

FILE* OpenTextStream(FILE* binary)
{
    if (!binary)
        return nullptr;
    const cookie_io_functions_t functions = {ReadText, nullptr, nullptr, CloseText};
    FILE* text = fopencookie(binary, "r", functions);
    if (!text)
        fclose(binary);
    return text;
}

FILE* OpenTextFile(const char* path)
{
    return OpenTextStream(fopen(path, "rb"));
}

bool StdioReadMesh(FILE* stream, size_t fileSize, StdioMesh& mesh)
{
    mesh = StdioMesh();
    StdioReader reader(stream, fileSize, mesh);
    if (!reader.Read())
    {
        mesh = StdioMesh();
        return false;
    }
    return true;
}
