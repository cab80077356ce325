#include "render/MeshTextReader.h"

#include "render/MeshFile.h"
#include "render/ScanNumber.h"

#include <climits>
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

// The word at `p` (after white space) for a message, in quotes: bytes that
// are no printable characters as \xHH, a long word cut after 16 bytes; or
// "the end of the file" when only white space is left.
void DescribeWord(const char* p, const char* end, char* out, size_t size)
{
    while (p != end && IsScanSpace(*p))
        ++p;
    if (p == end)
    {
        snprintf(out, size, "the end of the file");
        return;
    }
    size_t n = 0;
    out[n++] = '"';
    for (int shown = 0; p != end && !IsScanSpace(*p) && shown < 16; ++p, ++shown)
    {
        const unsigned char c = static_cast<unsigned char>(*p);
        if (c > ' ' && c < 0x7f && c != '"' && c != '\\')
            out[n++] = static_cast<char>(c);
        else
            n += static_cast<size_t>(snprintf(out + n, size - n, "\\x%02X", c));
    }
    if (p != end && !IsScanSpace(*p))
        n += static_cast<size_t>(snprintf(out + n, size - n, "..."));
    snprintf(out + n, size - n, "\"");
}

// The 1-based number of the line `at` lies on. The end of a text that ends
// with a line feed lies on its last line.
int LineNumber(const char* text, const char* end, const char* at)
{
    if (at == end && at != text && at[-1] == '\n')
        --at;
    int line = 1;
    for (const char* p = text;
         (p = static_cast<const char*>(memchr(p, '\n', static_cast<size_t>(at - p)))); ++p)
        ++line;
    return line;
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
    : m_text(text), m_pos(text), m_end(text + length), m_fileSize(fileSize), m_line(text),
      m_lineEnd(text), m_word(text), m_wordEnd(text), m_formatLine(text), m_sizeLine(text),
      m_stop(nullptr), m_file(nullptr)
{
    m_reason[0] = '\0';
}

const char* CMeshTextReader::GetReason() const
{
    return m_reason;
}

int CMeshTextReader::GetLine() const
{
    return m_stop ? LineNumber(m_text, m_end, m_stop) : 0;
}

bool CMeshTextReader::Fail(const char* at, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(m_reason, sizeof(m_reason), format, args);
    va_end(args);
    m_stop = at;
    return false;
}

// Fails at the word found at `at` where a number belongs, saying what was
// expected and what was found instead.
bool CMeshTextReader::FailFound(const char* at, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    vsnprintf(m_reason, sizeof(m_reason), format, args);
    va_end(args);
    char found[80];
    DescribeWord(at, m_end, found, sizeof(found));
    const size_t length = strlen(m_reason);
    snprintf(m_reason + length, sizeof(m_reason) - length, ", found %s", found);
    while (at != m_end && IsScanSpace(*at))
        ++at;
    m_stop = at;
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

// The "%s%ld" scan of a keyword line: the number after the first word. A
// line without one fails, saying which number (`what`) was expected.
bool CMeshTextReader::ScanLineNumber(const char* what, long& value)
{
    const char* p = m_wordEnd;
    if (ScanLong(p, m_lineEnd, value))
        return true;
    const int keywordLength = static_cast<int>(m_wordEnd - m_word);
    p = m_wordEnd;
    while (p != m_lineEnd && IsScanSpace(*p))
        ++p;
    if (p == m_lineEnd)
        return Fail(m_line, "expected %s after \"%.*s\"", what, keywordLength, m_word);
    char found[80];
    DescribeWord(p, m_lineEnd, found, sizeof(found));
    return Fail(m_line, "expected %s after \"%.*s\", found %s", what, keywordLength, m_word, found);
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
        {
            if (!ReadVertexFormat())
                return false;
        }
        else if (WordIs("count"))
        {
            if (!ReadCount("the vertex count", m_file->m_vertexCount) || !ReadVertexData())
                return false;
        }
    }
    return true;
}

// The vertex layout the device can draw: a position of 3 floats, and at most
// one normal, colour slot and texture pair.
bool CMeshTextReader::ReadVertexFormat()
{
    MeshFormat& format = m_file->m_format;
    while (ReadLine())
    {
        if (WordIs("}"))
            break;
        bool read = true;
        if (WordIs("position"))
            read = ReadFormatEntry("position", "the number of position floats", format.position, 3);
        else if (WordIs("normal"))
            read = ReadFormatEntry("normal", "the number of normals", format.normal, 1);
        else if (WordIs("color"))
            read = ReadFormatEntry("color", "the number of colour slots", format.color, 1);
        else if (WordIs("textures"))
            read = ReadFormatEntry("textures", "the number of texture-coordinate pairs",
                                   format.textures, 1);
        if (!read)
            return false;
    }
    return true;
}

// An entry of the vertex format: `largest` 3 is the position, which must be
// 3; the others must be 0 or 1.
bool CMeshTextReader::ReadFormatEntry(const char* keyword, const char* what, int& entry,
                                      int largest)
{
    long value = 0;
    if (!ScanLineNumber(what, value))
        return false;
    const long smallest = largest == 3 ? 3 : 0;
    if (value < smallest || value > largest)
        return Fail(m_line, "%s is %ld; it must be %s", keyword, value,
                    largest == 3 ? "3" : "0 or 1");
    entry = static_cast<int>(value);
    m_formatLine = m_line;
    return true;
}

// The number after "count": at least 0, and no more than the file can hold
// (every value or index takes at least one of its bytes).
bool CMeshTextReader::ReadCount(const char* what, int& count)
{
    long value = 0;
    if (!ScanLineNumber(what, value))
        return false;
    if (value < 0)
        return Fail(m_line, "%s is %ld; it must be 0 or more", what, value);
    if (static_cast<unsigned long>(value) > m_fileSize)
        return Fail(m_line, "%s is %ld, more than a file of %zu bytes can hold", what, value,
                    m_fileSize);
    count = static_cast<int>(value);
    return true;
}

// Sizes the vertex data by the count just read and reads that many values.
bool CMeshTextReader::ReadVertexData()
{
    const int count = m_file->m_vertexCount;
    if (m_file->m_format.position == 0)
        return Fail(m_line, "\"count\" comes before the vertex format; a format block saying "
                            "\"position 3\" must come first");
    const unsigned long long floatCount = ExactFloatCount(m_file->m_format);
    m_file->m_format.GetFloatCount();
    if (static_cast<unsigned long long>(count) > m_fileSize / floatCount)
        return Fail(m_line, "the vertex count is %d, more than a file of %zu bytes can hold", count,
                    m_fileSize);

    std::vector<float>& vertices = m_file->m_vertices;
    const size_t values = static_cast<size_t>(count) * static_cast<size_t>(floatCount);
    vertices.resize(values);
    float* value = vertices.data();
    for (size_t i = 0; i < values; ++i)
    {
        const char* at = m_pos;
        if (!ScanFloat(m_pos, m_end, value[i]))
            return FailFound(at, "expected value %zu of vertex %zu (of %d)", i % floatCount + 1,
                             i / floatCount + 1, count);
    }
    return true;
}

bool CMeshTextReader::ReadIndices()
{
    while (ReadLine())
    {
        if (LineIsLineFeed())
            break;
        if (WordIs("format"))
        {
            if (!ReadIndexFormat())
                return false;
        }
        else if (WordIs("count"))
        {
            if (!ReadCount("the index count", m_file->m_indexCount) || !ReadIndexData())
                return false;
        }
    }
    return true;
}

bool CMeshTextReader::ReadIndexFormat()
{
    while (ReadLine())
    {
        if (WordIs("}"))
            break;
        if (WordIs("size"))
        {
            long size = 0;
            if (!ScanLineNumber("the index size", size))
                return false;
            if (size != 0 && size != 16 && size != 32)
                return Fail(m_line, "size is %ld; it must be 0, 16 or 32", size);
            m_file->m_indexSize = static_cast<int>(size);
            m_sizeLine = m_line;
        }
    }
    return true;
}

// Reads as many indices as the count says into the list of the index size;
// an index size of 0 reads none.
bool CMeshTextReader::ReadIndexData()
{
    const int count = m_file->m_indexCount;
    const int size = m_file->m_indexSize;
    if (size == 0)
        return true;

    int index = 0;
    const char* at = m_pos;
    if (size == 16)
    {
        std::vector<unsigned short>& indices = m_file->m_indices16;
        indices.resize(static_cast<size_t>(count));
        for (size_t i = 0; i < indices.size(); ++i, at = m_pos)
        {
            if (!ScanInt(m_pos, m_end, index))
                return FailFound(at, "expected index %zu (of %d)", i + 1, count);
            indices[i] = static_cast<unsigned short>(index);
        }
    }
    else
    {
        std::vector<unsigned int>& indices = m_file->m_indices32;
        indices.resize(static_cast<size_t>(count));
        for (size_t i = 0; i < indices.size(); ++i, at = m_pos)
        {
            if (!ScanInt(m_pos, m_end, index))
                return FailFound(at, "expected index %zu (of %d)", i + 1, count);
            indices[i] = static_cast<unsigned int>(index);
        }
    }
    return true;
}

// What the mesh object relies on: a vertex format, and vertex data and an
// index list that still match the format and index size they were read with.
bool CMeshTextReader::CheckFinal()
{
    if (m_file->m_format.position == 0)
        return Fail(m_end, "there is no vertex format: the file needs a \"vertices\" block whose "
                           "format block says \"position 3\"");

    const unsigned long long floatCount = ExactFloatCount(m_file->m_format);
    const unsigned long long values = m_file->m_vertices.size();
    const unsigned long long vertexCount = static_cast<unsigned long long>(m_file->m_vertexCount);
    if (values != vertexCount * floatCount)
        return Fail(m_formatLine, "the vertex format changes after the vertex data was read; a "
                                  "format block must come before \"count\"");

    const int size = m_file->m_indexSize;
    const size_t indices = size == 16   ? m_file->m_indices16.size()
                           : size == 32 ? m_file->m_indices32.size()
                                        : 0;
    if (size != 0 && indices != static_cast<size_t>(m_file->m_indexCount))
        return Fail(m_sizeLine, "the index size changes after the indices were read; a format "
                                "block must come before \"count\"");
    return true;
}
