#include "PngFile.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace png_file
{

std::string WritePng(const std::string& path, unsigned width, unsigned height,
                     std::span<const std::uint32_t> pixels)
{
    if (width == 0 || height == 0 || pixels.size() != std::size_t(width) * height)
        return "no image of " + std::to_string(width) + "x" + std::to_string(height) +
               " pixels to write to " + path;

    std::vector<std::uint8_t> rgb(pixels.size() * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i)
    {
        rgb[3 * i + 0] = static_cast<std::uint8_t>(pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<std::uint8_t>(pixels[i]);
    }

    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGB;
    errno = 0;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) == 0)
    {
        std::string reason = image.message;
        if (errno != 0)
            reason = std::strerror(errno);
        png_image_free(&image);
        return "cannot write " + path + ": " + reason;
    }
    return {};
}

} // namespace png_file
