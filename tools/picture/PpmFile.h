// Pictures as binary PPM files (P6, 8 bits a channel): a format written and
// read without a library, for builds that have no libpng (the Windows
// build). PPM has no alpha: pictures are written without it and read opaque.
#pragma once

#include "Image.h"

#include <string>

namespace picture
{

// Writes the picture; "" on success, else one line saying why not.
std::string WritePpm(const std::string& path, const Image& image);

// Reads a P6 file with a maximum value of 255; "" on success, else one line
// saying why not (the picture is then empty).
std::string ReadPpm(const std::string& path, Image& image);

} // namespace picture
