// Pictures as 8-bit PNG files (libpng): RGB, or RGBA where the alpha is kept.
#pragma once

#include "Image.h"

#include <string>

namespace picture
{

// Writes the picture without its alpha; "" on success, else one line
// saying why not.
std::string WritePng(const std::string& path, const Image& image);

// The same with the alpha kept (straight, not premultiplied): an RGBA PNG.
std::string WritePngWithAlpha(const std::string& path, const Image& image);

// Reads any PNG file libpng reads, as 8-bit straight RGBA (opaque where the
// file has no alpha); "" on success, else one line naming the file and
// saying why not (the picture is then empty).
std::string ReadPng(const std::string& path, Image& image);

} // namespace picture
