#include "PpmFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace picture
{
namespace
{

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason(const std::string& what, const std::string& path)
{
    return "cannot " + what + " " + path + ": " + std::strerror(errno);
}

// The next number of the header, after white space and comments.
bool ReadHeaderNumber(std::FILE* file, int& value)
{
    int c = std::fgetc(file);
    while (c == '#' || c == ' ' || c == '\t' || c == '\r' || c == '\n')
    {
        if (c == '#')
            while (c != '\n' && c != EOF)
                c = std::fgetc(file);
        c = std::fgetc(file);
    }
    if (c < '0' || c > '9')
        return false;
    value = 0;
    while (c >= '0' && c <= '9')
    {
        if (value > kLargestSide)
            return false;
        value = value * 10 + (c - '0');
        c = std::fgetc(file);
    }
    // One white-space character ends the number (and, after the maximum
    // value, the header).
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string WritePpm(const std::string& path, const Image& image)
{
    File file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return Reason("write", path);
    std::fprintf(file.get(), "P6\n%d %d\n255\n", image.width, image.height);
    std::vector<unsigned char> row(static_cast<std::size_t>(image.width) * 3);
    for (int y = 0; y < image.height; ++y)
    {
        for (int x = 0; x < image.width; ++x)
        {
            const Rgb colour = image.At(x, y);
            row[3 * static_cast<std::size_t>(x) + 0] = static_cast<unsigned char>(colour.r);
            row[3 * static_cast<std::size_t>(x) + 1] = static_cast<unsigned char>(colour.g);
            row[3 * static_cast<std::size_t>(x) + 2] = static_cast<unsigned char>(colour.b);
        }
        if (std::fwrite(row.data(), 1, row.size(), file.get()) != row.size())
            return Reason("write", path);
    }
    if (std::fclose(file.release()) != 0)
        return Reason("write", path);
    return {};
}

std::string ReadPpm(const std::string& path, Image& image)
{
    image = Image{};
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return Reason("read", path);
    int maximum = 0;
    int width = 0;
    int height = 0;
    if (std::fgetc(file.get()) != 'P' || std::fgetc(file.get()) != '6' ||
        !ReadHeaderNumber(file.get(), width) || !ReadHeaderNumber(file.get(), height) ||
        !ReadHeaderNumber(file.get(), maximum) || maximum != 255 || width <= 0 || height <= 0 ||
        width > kLargestSide || height > kLargestSide)
        return path + " is not a binary PPM picture of 8 bits a channel";
    std::vector<unsigned char> bytes(static_cast<std::size_t>(width) * height * 3);
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return path + " ends before its " + std::to_string(width) + "x" + std::to_string(height) +
               " pixels";
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = ToPixel({bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]});
    return {};
}

} // namespace picture
