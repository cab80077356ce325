// The parser of the mesh text format, working on a file's bytes in memory.
//
// It follows the format's reading steps as a stream reading does them: line
// reads of at most 259 characters plus terminator, each line taken up to its
// first NUL; the first word of a line; "%s%d" scans of keyword lines; numbers
// read with the "%f" and "%d" rules straight from the text, across line
// ends. Where the format would act on a value that cannot be right (a
// negative count, a count larger than the file can hold, an index size other
// than 0, 16 or 32, a vertex format without position, lists that do not
// match their counts at the end) it stops with a reason instead.
#pragma once

#include <cstddef>

class CMeshFile;

// Turns the file's bytes into what a text-mode read gives: each carriage
// return plus line feed becomes one line feed. Works in place; returns the
// new length.
size_t ToTextMode(char* text, size_t length);

class CMeshTextReader
{
public:
    // `text` is the file's text after ToTextMode; `fileSize` is the size of
    // the file, the bound for the counts it may claim.
    CMeshTextReader(const char* text, size_t length, size_t fileSize);

    // Reads the whole text into `file` (which starts empty). False when the
    // text is malformed; GetReason() then says why, in one line.
    bool Read(CMeshFile& file);
    const char* GetReason() const;

private:
    bool ReadLine();
    bool WordIs(const char* keyword) const;
    bool LineIsLineFeed() const;
    void ScanLineInt(int& value) const;

    bool ReadVertices();
    void ReadVertexFormat();
    bool ReadVertexData();
    bool ReadIndices();
    void ReadIndexFormat();
    bool ReadIndexData();
    bool CheckFormat();
    bool CheckFinal();
    bool Fail(const char* format, ...);

    const char* m_pos; // the stream's position
    const char* m_end;
    size_t m_fileSize;
    const char* m_line; // the current line, up to its first NUL
    const char* m_lineEnd;
    const char* m_word; // its first word
    const char* m_wordEnd;
    CMeshFile* m_file;
    char m_reason[256];
};
