#include "render/MeshTextReader.h"

#include "render/MeshFile.h"
#include "render/ScanNumber.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace
{
// A line read takes at most this many characters (a 260-character buffer
// with its terminator).
const size_t kLineChars = 259;

// The format entries, exactly: the entries can be as large as an int, so the
// sum needs more than 32 bits.
unsigned long long ExactFloatCount(const MeshFormat& format)
{
    return static_cast<unsigned long long>(format.position) +
           3ull * static_cast<unsigned long long>(format.normal) +
           static_cast<unsigned long long>(format.color) +
           2ull * static_cast<unsigned long long>(format.textures);
}
} // namespace

size_t ToTextMode(char* text, size_t length)
{
    if (length == 0)
        return 0;
    char* const end = text + length;
    char* out = static_cast<char*>(memchr(text, '\r', length));
    if (!out)
        return length;
    for (const char* in = out; in != end; ++in)
    {
        if (*in == '\r' && in + 1 != end && in[1] == '\n')
            continue;
        *out++ = *in;
    }
    return static_cast<size_t>(out - text);
}

CMeshTextReader::CMeshTextReader(const char* text, size_t length, size_t fileSize)
    : m_pos(text), m_end(text + length), m_fileSize(fileSize), m_line(text), m_lineEnd(text),
      m_word(text), m_wordEnd(text), m_file(nullptr)
{
    m_reason[0] = '\0';
}

const char* CMeshTextReader::GetReason() const
{
    return m_reason;
}

bool CMeshTextReader::Fail(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(m_reason, sizeof(m_reason), format, args);
    va_end(args);
    return false;
}

// Reads the next line (up to and with its line feed, at most kLineChars
// characters) and takes its first word; false at end of file.
bool CMeshTextReader::ReadLine()
{
    if (m_pos == m_end)
        return false;
    const size_t left = static_cast<size_t>(m_end - m_pos);
    const size_t limit = left < kLineChars ? left : kLineChars;
    const char* lineFeed = static_cast<const char*>(memchr(m_pos, '\n', limit));
    const char* next = lineFeed ? lineFeed + 1 : m_pos + limit;
    const char* nul =
        static_cast<const char*>(memchr(m_pos, '\0', static_cast<size_t>(next - m_pos)));
    m_line = m_pos;
    m_lineEnd = nul ? nul : next;
    m_pos = next;

    const char* p = m_line;
    while (p != m_lineEnd && IsScanSpace(*p))
        ++p;
    m_word = p;
    while (p != m_lineEnd && !IsScanSpace(*p))
        ++p;
    m_wordEnd = p;
    return true;
}

bool CMeshTextReader::WordIs(const char* keyword) const
{
    const size_t length = strlen(keyword);
    return static_cast<size_t>(m_wordEnd - m_word) == length &&
           memcmp(m_word, keyword, length) == 0;
}

bool CMeshTextReader::LineIsLineFeed() const
{
    return m_lineEnd - m_line == 1 && *m_line == '\n';
}

// The "%s%d" scan of a keyword line: the number after the first word; a
// missing number leaves the value unchanged.
void CMeshTextReader::ScanLineInt(int& value) const
{
    const char* p = m_wordEnd;
    ScanInt(p, m_lineEnd, value);
}

bool CMeshTextReader::Read(CMeshFile& file)
{
    m_file = &file;
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
    return CheckFinal();
}

bool CMeshTextReader::ReadVertices()
{
    while (ReadLine())
    {
        if (LineIsLineFeed())
            break;
        if (WordIs("format"))
            ReadVertexFormat();
        else if (WordIs("count"))
        {
            ScanLineInt(m_file->m_vertexCount);
            if (!ReadVertexData())
                return false;
        }
    }
    return true;
}

void CMeshTextReader::ReadVertexFormat()
{
    MeshFormat& format = m_file->m_format;
    while (ReadLine())
    {
        if (WordIs("}"))
            break;
        if (WordIs("position"))
            ScanLineInt(format.position);
        else if (WordIs("normal"))
            ScanLineInt(format.normal);
        else if (WordIs("color"))
            ScanLineInt(format.color);
        else if (WordIs("textures"))
            ScanLineInt(format.textures);
    }
}

bool CMeshTextReader::CheckFormat()
{
    const MeshFormat& format = m_file->m_format;
    const char* names[] = {"position", "normal", "color", "textures"};
    const int entries[] = {format.position, format.normal, format.color, format.textures};
    for (int i = 0; i < 4; ++i)
        if (entries[i] < 0)
            return Fail("vertex format entry %s is %d, less than 0", names[i], entries[i]);
    if (format.position == 0)
        return Fail("vertex format has no position (position 0)");
    return true;
}

// Sizes the vertex data by the count just read and reads that many values,
// stopping at the first token that is no number.
bool CMeshTextReader::ReadVertexData()
{
    const int count = m_file->m_vertexCount;
    if (count < 0)
        return Fail("vertex count %d is negative", count);
    if (!CheckFormat())
        return false;
    const unsigned long long floatCount = ExactFloatCount(m_file->m_format);
    m_file->m_format.GetFloatCount();
    // Every value takes at least one character of the file.
    if (static_cast<unsigned long long>(count) > m_fileSize / floatCount)
        return Fail("vertex count %d is larger than the file can hold", count);

    std::vector<float>& vertices = m_file->m_vertices;
    vertices.resize(static_cast<size_t>(count) * static_cast<size_t>(floatCount));
    for (float& value : vertices)
        if (!ScanFloat(m_pos, m_end, value))
            break;
    return true;
}

bool CMeshTextReader::ReadIndices()
{
    while (ReadLine())
    {
        if (LineIsLineFeed())
            break;
        if (WordIs("format"))
            ReadIndexFormat();
        else if (WordIs("count"))
        {
            ScanLineInt(m_file->m_indexCount);
            if (!ReadIndexData())
                return false;
        }
    }
    return true;
}

void CMeshTextReader::ReadIndexFormat()
{
    while (ReadLine())
    {
        if (WordIs("}"))
            break;
        if (WordIs("size"))
            ScanLineInt(m_file->m_indexSize);
    }
}

bool CMeshTextReader::ReadIndexData()
{
    const int count = m_file->m_indexCount;
    const int size = m_file->m_indexSize;
    if (count < 0)
        return Fail("index count %d is negative", count);
    if (size != 0 && size != 16 && size != 32)
        return Fail("index size %d is not 0, 16 or 32", size);
    if (size == 0)
        return true;
    if (static_cast<size_t>(count) > m_fileSize)
        return Fail("index count %d is larger than the file can hold", count);

    int index = 0;
    if (size == 16)
    {
        std::vector<unsigned short>& indices = m_file->m_indices16;
        indices.resize(static_cast<size_t>(count));
        for (unsigned short& slot : indices)
        {
            if (!ScanInt(m_pos, m_end, index))
                break;
            slot = static_cast<unsigned short>(index);
        }
    }
    else
    {
        std::vector<unsigned int>& indices = m_file->m_indices32;
        indices.resize(static_cast<size_t>(count));
        for (unsigned int& slot : indices)
        {
            if (!ScanInt(m_pos, m_end, index))
                break;
            slot = static_cast<unsigned int>(index);
        }
    }
    return true;
}

// What the mesh object relies on: a vertex format with a position, vertex
// data and index list that match their counts.
bool CMeshTextReader::CheckFinal()
{
    if (!CheckFormat())
        return false;
    const int size = m_file->m_indexSize;
    if (size != 0 && size != 16 && size != 32)
        return Fail("index size %d is not 0, 16 or 32", size);

    const unsigned long long floatCount = ExactFloatCount(m_file->m_format);
    const unsigned long long values = m_file->m_vertices.size();
    const unsigned long long vertexCount = static_cast<unsigned long long>(m_file->m_vertexCount);
    if (values % floatCount != 0 || values / floatCount != vertexCount)
        return Fail("the vertex data holds %llu values, not %d vertices of %llu floats (a vertex "
                    "format block after the count?)",
                    values, m_file->m_vertexCount, floatCount);

    const size_t indices = size == 16   ? m_file->m_indices16.size()
                           : size == 32 ? m_file->m_indices32.size()
                                        : 0;
    if (size != 0 && indices != static_cast<size_t>(m_file->m_indexCount))
        return Fail("%zu indices of size %d were read for an index count of %d (an index format "
                    "block after the count?)",
                    indices, size, m_file->m_indexCount);
    return true;
}
