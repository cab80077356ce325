#include "ByteStream.h"

#include <algorithm>
#include <stdexcept>
#include <string>

ByteStream::ByteStream()
{
    const std::string path = m_folder.Path() + "/bytes.txt";
    if (!m_folder.Path().empty())
        m_file = fopen(path.c_str(), "w+b");
    if (!m_file)
        throw std::runtime_error("cannot make the temporary file " + path);
}

ByteStream::~ByteStream()
{
    fclose(m_file);
}

FILE* ByteStream::Read(std::string_view bytes)
{
    const long length = static_cast<long>(bytes.size());
    m_start = std::max(m_size - length, 0L);
    m_size = std::max(m_size, length);
    // Seeking also forgets the end and the pushed-back character of the last
    // reading.
    clearerr(m_file);
    if (fseek(m_file, m_start, SEEK_SET) != 0 ||
        fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size() ||
        fseek(m_file, m_start, SEEK_SET) != 0)
        throw std::runtime_error("cannot write " + std::to_string(bytes.size()) +
                                 " bytes to the temporary file in " + m_folder.Path());
    return m_file;
}

long ByteStream::Taken() const
{
    return ftell(m_file) - m_start;
}
