#include "render/VertexWelder.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace
{
// The hash of a vertex agrees with float equality: both zeros hash alike.
uint64_t HashVertex(const float* vertex, unsigned int floatCount)
{
    uint64_t hash = 0x9E3779B97F4A7C15ull;
    for (unsigned int i = 0; i < floatCount; ++i)
    {
        const uint32_t bits = vertex[i] == 0.0f ? 0u : std::bit_cast<uint32_t>(vertex[i]);
        hash = (hash ^ bits) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    return hash;
}

bool HasNaN(const float* vertex, unsigned int floatCount)
{
    for (unsigned int i = 0; i < floatCount; ++i)
        if (std::isnan(vertex[i]))
            return true;
    return false;
}

bool Equal(const float* a, const float* b, unsigned int floatCount)
{
    for (unsigned int i = 0; i < floatCount; ++i)
        if (!(a[i] == b[i]))
            return false;
    return true;
}
} // namespace

unsigned int WeldVertices(const float* values, unsigned int vertexCount, unsigned int floatCount,
                          std::vector<float>& unique, std::vector<unsigned int>& indices)
{
    unique.clear();
    indices.clear();
    indices.reserve(vertexCount);

    // Open addressing, at most half full; a slot holds a unique vertex's
    // position + 1, 0 when free.
    size_t slots = 16;
    while (slots < 2 * static_cast<size_t>(vertexCount))
        slots *= 2;
    std::vector<uint32_t> table(slots, 0);
    const size_t mask = slots - 1;

    unsigned int uniqueCount = 0;
    for (unsigned int i = 0; i < vertexCount; ++i)
    {
        const float* vertex = values + static_cast<size_t>(i) * floatCount;
        // A vertex with a NaN can never be found again: it is always new and
        // needs no slot.
        if (HasNaN(vertex, floatCount))
        {
            unique.insert(unique.end(), vertex, vertex + floatCount);
            indices.push_back(uniqueCount++);
            continue;
        }
        size_t slot = HashVertex(vertex, floatCount) & mask;
        while (table[slot] != 0 &&
               !Equal(unique.data() + static_cast<size_t>(table[slot] - 1) * floatCount, vertex,
                      floatCount))
            slot = (slot + 1) & mask;
        if (table[slot] != 0)
            indices.push_back(table[slot] - 1);
        else
        {
            unique.insert(unique.end(), vertex, vertex + floatCount);
            table[slot] = ++uniqueCount;
            indices.push_back(uniqueCount - 1);
        }
    }
    return uniqueCount;
}
