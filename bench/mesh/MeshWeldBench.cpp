// Export welding of 10^4, 10^5 and 10^6 source vertices: the welding alone,
// the whole export (welding and writing), and for scale the backward search
// of the format's description on the smallest size.
#include "MeshBenchData.h"
#include "MeshTestSupport.h"

#include "render/MeshFile.h"
#include "render/VertexWelder.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace
{
// The grid triangle list cut to `count` source vertices.
const std::vector<float>& Source(int64_t count)
{
    static std::map<int64_t, std::vector<float>> sources;
    std::vector<float>& values = sources[count];
    if (values.empty())
    {
        const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(count) / 6.0)));
        values = GridTriangleList(side);
        values.resize(static_cast<size_t>(count) * 6);
    }
    return values;
}

void BM_WeldVertices(benchmark::State& state)
{
    const std::vector<float>& values = Source(state.range(0));
    std::vector<float> unique;
    std::vector<unsigned int> indices;
    unsigned int uniqueCount = 0;
    for (auto _ : state)
    {
        uniqueCount = WeldVertices(values.data(), static_cast<unsigned int>(state.range(0)), 6,
                                   unique, indices);
        benchmark::DoNotOptimize(indices.data());
    }
    state.counters["unique"] = uniqueCount;
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_WeldVertices)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_SaveMeshFile(benchmark::State& state)
{
    const std::vector<float>& values = Source(state.range(0));
    CMeshFile source;
    MeshFormat format;
    format.position = 3;
    format.normal = 1;
    source.SetVertices(format, values.data(), static_cast<int>(state.range(0)));
    TempFolder folder;
    const std::string path = folder.Path() + "/export.txt";
    for (auto _ : state)
        SaveMeshFile(&source, path.c_str(), 1.0f, 1.0f, 1.0f);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SaveMeshFile)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// The search the format describes: each source vertex against the unique
// ones from the last back to the first.
void BM_WeldBackwardSearch(benchmark::State& state)
{
    const std::vector<float>& values = Source(state.range(0));
    const size_t count = static_cast<size_t>(state.range(0));
    for (auto _ : state)
    {
        std::vector<float> unique;
        std::vector<unsigned int> indices;
        for (size_t i = 0; i < count; ++i)
        {
            const float* vertex = &values[i * 6];
            long found = -1;
            for (long k = static_cast<long>(unique.size() / 6) - 1; k >= 0 && found < 0; --k)
            {
                const float* other = &unique[static_cast<size_t>(k) * 6];
                if (other[0] == vertex[0] && other[1] == vertex[1] && other[2] == vertex[2] &&
                    other[3] == vertex[3] && other[4] == vertex[4] && other[5] == vertex[5])
                    found = k;
            }
            if (found < 0)
            {
                unique.insert(unique.end(), vertex, vertex + 6);
                found = static_cast<long>(unique.size() / 6) - 1;
            }
            indices.push_back(static_cast<unsigned int>(found));
        }
        benchmark::DoNotOptimize(indices.data());
    }
}
BENCHMARK(BM_WeldBackwardSearch)->Arg(10'000)->Unit(benchmark::kMillisecond);
} // namespace
