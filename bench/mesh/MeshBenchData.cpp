#include "MeshBenchData.h"

#include <cmath>

std::vector<float> GridTriangleList(int quadsPerSide)
{
    auto corner = [&](int x, int z, std::vector<float>& values)
    {
        const float fx = static_cast<float>(x) * 0.1f;
        const float fz = static_cast<float>(z) * 0.1f;
        const float height = 0.5f * std::sin(fx) * std::cos(fz);
        const float dx = 0.5f * std::cos(fx) * std::cos(fz);
        const float dz = -0.5f * std::sin(fx) * std::sin(fz);
        const float length = std::sqrt(dx * dx + 1.0f + dz * dz);
        values.insert(values.end(), {fx, height, fz, -dx / length, 1.0f / length, -dz / length});
    };
    std::vector<float> values;
    values.reserve(static_cast<size_t>(quadsPerSide) * quadsPerSide * 36);
    for (int z = 0; z < quadsPerSide; ++z)
        for (int x = 0; x < quadsPerSide; ++x)
        {
            corner(x, z, values);
            corner(x + 1, z, values);
            corner(x + 1, z + 1, values);
            corner(x, z, values);
            corner(x + 1, z + 1, values);
            corner(x, z + 1, values);
        }
    return values;
}
