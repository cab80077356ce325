// The parser of the mesh text format, working on a file's bytes in memory.
//
// It follows the format's reading steps as a stream reading does them: line
// reads of at most 259 characters plus terminator, each line taken up to its
// first NUL; the first word of a line; "%s%d" scans of keyword lines; numbers
// read with the "%f" and "%d" rules straight from the text, across line
// ends. It refuses what cannot be a sound mesh, in the user's terms, and
// remembers where it stopped: a keyword without its number, a format entry
// or index size the device cannot take, a negative count or one larger than
// the file can hold, a word where a vertex value or index belongs, data cut
// short by the end of the file, a format changed after its data was read.
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
    // text is malformed; GetReason() then says why, in one line, and
    // GetLine() where: the number of the file's line the reader stopped on.
    bool Read(CMeshFile& file);
    const char* GetReason() const;
    int GetLine() const;

private:
    bool ReadLine();
    bool WordIs(const char* keyword) const;
    bool LineIsLineFeed() const;
    bool ScanLineNumber(const char* what, long& value);

    bool ReadVertices();
    bool ReadVertexFormat();
    bool ReadFormatEntry(const char* keyword, const char* what, int& entry, int largest);
    bool ReadVertexData();
    bool ReadIndices();
    bool ReadIndexFormat();
    bool ReadCount(const char* what, int& count);
    bool ReadIndexData();
    bool CheckFinal();
    bool Fail(const char* at, const char* format, ...);
    bool FailFound(const char* at, const char* format, ...);

    const char* m_text;
    const char* m_pos; // the stream's position
    const char* m_end;
    size_t m_fileSize;
    const char* m_line; // the current line, up to its first NUL
    const char* m_lineEnd;
    const char* m_word; // its first word
    const char* m_wordEnd;
    const char* m_formatLine; // the last vertex format entry read
    const char* m_sizeLine;   // the last index size read
    const char* m_stop;       // where the reader stopped, once it failed
    CMeshFile* m_file;
    char m_reason[256];
};
