// Writing a presented image as a PNG file.
#pragma once

#include <compat/d3d9.h>

#include <string>

namespace yak52
{

// Writes the image (0xAARRGGBB pixels, top row first) as an 8-bit RGB PNG.
// Returns an empty string on success, else a one-line reason naming the file.
std::string WritePng(const compat::d3d9::Image& image, const std::string& path);

} // namespace yak52
