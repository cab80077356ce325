#include "picture/PngFile.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace yak52
{

namespace
{
struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
} // namespace

std::string WritePng(const compat::d3d9::Image& image, const std::string& path)
{
    if (image.width == 0 || image.height == 0 ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
        return path + ": the presented image is empty";
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return path + ": cannot be created";
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info)
    {
        png_destroy_write_struct(&png, nullptr);
        return path + ": out of memory";
    }
    std::vector<png_byte> row(static_cast<std::size_t>(image.width) * 3);
    // libpng reports errors by jumping back here.
    if (setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        return path + ": cannot be written";
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (UINT y = 0; y < image.height; ++y)
    {
        const uint32_t* pixel = &image.pixels[static_cast<std::size_t>(y) * image.width];
        for (UINT x = 0; x < image.width; ++x)
        {
            row[x * 3 + 0] = static_cast<png_byte>(pixel[x] >> 16);
            row[x * 3 + 1] = static_cast<png_byte>(pixel[x] >> 8);
            row[x * 3 + 2] = static_cast<png_byte>(pixel[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return {};
}

} // namespace yak52
