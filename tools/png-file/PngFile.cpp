#include "PngFile.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace png_file
{
namespace
{

std::string Write(const std::string& path, unsigned width, unsigned height,
                  std::span<const std::uint32_t> pixels, bool alpha)
{
    if (width == 0 || height == 0 || pixels.size() != std::size_t(width) * height)
        return "no image of " + std::to_string(width) + "x" + std::to_string(height) +
               " pixels to write to " + path;

    const std::size_t channels = alpha ? 4 : 3;
    std::vector<std::uint8_t> bytes(pixels.size() * channels);
    for (std::size_t i = 0; i < pixels.size(); ++i)
    {
        std::uint8_t* out = &bytes[channels * i];
        out[0] = static_cast<std::uint8_t>(pixels[i] >> 16);
        out[1] = static_cast<std::uint8_t>(pixels[i] >> 8);
        out[2] = static_cast<std::uint8_t>(pixels[i]);
        if (alpha)
            out[3] = static_cast<std::uint8_t>(pixels[i] >> 24);
    }

    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    errno = 0;
    if (png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) == 0)
    {
        std::string reason = image.message;
        if (errno != 0)
            reason = std::strerror(errno);
        png_image_free(&image);
        return "cannot write " + path + ": " + reason;
    }
    return {};
}

} // namespace

std::string WritePng(const std::string& path, unsigned width, unsigned height,
                     std::span<const std::uint32_t> pixels)
{
    return Write(path, width, height, pixels, false);
}

std::string WritePngWithAlpha(const std::string& path, unsigned width, unsigned height,
                              std::span<const std::uint32_t> pixels)
{
    return Write(path, width, height, pixels, true);
}

} // namespace png_file
