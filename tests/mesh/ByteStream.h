// A stdio stream that reads given bytes and then ends: the C library's own
// formatted input (fgets, fscanf) on text held in memory, the same way on
// every platform (fmemopen is POSIX only). The bytes go into a temporary
// file of the stream's own; each text is written to end where the file ends,
// so the file never has to be cut shorter and one file serves every text.
#pragma once

#include "MeshTestSupport.h"

#include <cstdio>
#include <string_view>

class ByteStream
{
public:
    // Throws std::runtime_error when the temporary file cannot be made.
    ByteStream();
    ~ByteStream();
    ByteStream(const ByteStream&) = delete;
    ByteStream& operator=(const ByteStream&) = delete;

    // The stream (the ByteStream's own: never closed by the caller) at the
    // first of the bytes, ending after the last. Throws std::runtime_error
    // when they cannot be written.
    FILE* Read(std::string_view bytes);

    // How many of the bytes the stream has taken since Read.
    long Taken() const;

private:
    TempFolder m_folder;
    FILE* m_file = nullptr;
    long m_size = 0;  // the file's length
    long m_start = 0; // where the last bytes given begin
};
