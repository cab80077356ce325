// Saves an image as an 8-bit RGB or RGBA PNG file.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace png_file
{

// Writes width × height pixels, top row first, each 0xAARRGGBB (alpha is
// dropped). Returns "" on success, else one line saying why not.
std::string WritePng(const std::string& path, unsigned width, unsigned height,
                     std::span<const std::uint32_t> pixels);

// The same with the alpha kept (straight, not premultiplied): an RGBA PNG.
std::string WritePngWithAlpha(const std::string& path, unsigned width, unsigned height,
                              std::span<const std::uint32_t> pixels);

} // namespace png_file
