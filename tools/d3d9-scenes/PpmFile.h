// Pictures as binary PPM files (P6, 8 bits a channel): a format both builds
// of the scene program write without a library, and the comparer reads.
#pragma once

#include "Picture.h"

#include <string>

// Writes the picture; "" on success, else one line saying why not.
std::string WritePpm(const std::string& path, const Picture& picture);

// Reads a P6 file with a maximum value of 255; "" on success, else one line
// saying why not (the picture is then empty).
std::string ReadPpm(const std::string& path, Picture& picture);
