// The meshes the benchmarks work on.
#pragma once

#include <vector>

// A wavy grid of quads as a plain triangle list of (position, normal)
// vertices: six source vertices per quad, each inner corner shared by six
// triangles, so welding keeps about one vertex in six.
std::vector<float> GridTriangleList(int quadsPerSide);
