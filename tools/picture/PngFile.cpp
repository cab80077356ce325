#include "PngFile.h"

#include <png.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <vector>

namespace picture
{
namespace
{

// libpng's simplified API: a png_image set up for `format`.
png_image Blank(png_uint_32 format = 0)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.format = format;
    return image;
}

// Why libpng failed: the system's reason when a file could not be opened,
// else libpng's own message.
std::string Reason(png_image& image)
{
    std::string reason = errno != 0 ? std::strerror(errno) : image.message;
    png_image_free(&image);
    return reason;
}

std::string Write(const std::string& path, const Image& image, bool alpha)
{
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
        return "no image of " + std::to_string(image.width) + "x" + std::to_string(image.height) +
               " pixels to write to " + path;

    const std::size_t channels = alpha ? 4 : 3;
    std::vector<std::uint8_t> bytes(image.pixels.size() * channels);
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
    {
        std::uint8_t* out = &bytes[channels * i];
        out[0] = static_cast<std::uint8_t>(Red(image.pixels[i]));
        out[1] = static_cast<std::uint8_t>(Green(image.pixels[i]));
        out[2] = static_cast<std::uint8_t>(Blue(image.pixels[i]));
        if (alpha)
            out[3] = static_cast<std::uint8_t>(Alpha(image.pixels[i]));
    }

    png_image png = Blank(alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB);
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    errno = 0;
    if (png_image_write_to_file(&png, path.c_str(), 0, bytes.data(), 0, nullptr) == 0)
        return "cannot write " + path + ": " + Reason(png);
    return {};
}

} // namespace

std::string WritePng(const std::string& path, const Image& image)
{
    return Write(path, image, false);
}

std::string WritePngWithAlpha(const std::string& path, const Image& image)
{
    return Write(path, image, true);
}

std::string ReadPng(const std::string& path, Image& image)
{
    image = Image{};
    png_image png = Blank();
    errno = 0;
    if (png_image_begin_read_from_file(&png, path.c_str()) == 0)
        return "cannot read " + path + ": " + Reason(png);
    if (png.width > png_uint_32(kLargestSide) || png.height > png_uint_32(kLargestSide))
    {
        png_image_free(&png);
        return "cannot read " + path + ": " + std::to_string(png.width) + "x" +
               std::to_string(png.height) + " pixels is larger than a picture can be";
    }
    // Little-endian words of B, G, R, A bytes are 0xAARRGGBB.
    static_assert(std::endian::native == std::endian::little);
    png.format = PNG_FORMAT_BGRA;
    Image read{static_cast<int>(png.width), static_cast<int>(png.height), {}};
    read.pixels.resize(std::size_t(png.width) * png.height);
    errno = 0;
    if (png_image_finish_read(&png, nullptr, read.pixels.data(), 0, nullptr) == 0)
        return "cannot read " + path + ": " + Reason(png);
    image = std::move(read);
    return {};
}

} // namespace picture
