// Welding of a triangle list's vertices for the export writer.
#pragma once

#include <vector>

// Gives the distinct vertices of `vertexCount` vertices of `floatCount`
// values each, in the order they first appear, and for each source vertex
// the position of its equal among them. Two vertices are equal when every
// value compares equal as a float: -0.0 equals 0.0, and a vertex holding a
// NaN equals nothing, not even itself. The search goes through a hash table,
// so welding takes linear expected time. Returns the number of distinct
// vertices.
unsigned int WeldVertices(const float* values, unsigned int vertexCount, unsigned int floatCount,
                          std::vector<float>& unique, std::vector<unsigned int>& indices);
