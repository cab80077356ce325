// Resampling a picture to another size with a linear filter, each target
// pixel's centre mapped onto the source as a texture blit maps it: how a
// presented back buffer is stretched into a client area of another size.
#pragma once

#include "Image.h"

namespace picture
{

// The result is opaque.
Image Stretched(const Image& image, int width, int height);

} // namespace picture
