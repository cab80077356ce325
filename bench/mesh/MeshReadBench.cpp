// Reading a 10 MB mesh file in the canonical layout: the program's reader
// next to the plain stdio reading (fgets, sscanf, fscanf) of the same file.
#include "MeshBenchData.h"
#include "MeshTestSupport.h"
#include "StdioMeshReader.h"

#include "render/MeshFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace
{
// Written once, by the export writer, into a temporary folder.
const std::string& CanonicalFile()
{
    static TempFolder folder;
    static std::string path;
    if (path.empty())
    {
        // 317 × 317 quads give about 10 MB.
        const std::vector<float> values = GridTriangleList(317);
        CMeshFile source;
        MeshFormat format;
        format.position = 3;
        format.normal = 1;
        source.SetVertices(format, values.data(), static_cast<int>(values.size() / 6));
        path = folder.Path() + "/grid.txt";
        SaveMeshFile(&source, path.c_str(), 1.0f, 1.0f, 1.0f);
    }
    return path;
}

void BM_ReadMesh(benchmark::State& state)
{
    const std::string& path = CanonicalFile();
    for (auto _ : state)
    {
        CMeshFile meshFile;
        if (!meshFile.Load(path.c_str()))
            state.SkipWithError(meshFile.GetError());
        benchmark::DoNotOptimize(meshFile.GetVertices());
    }
    const auto size = static_cast<int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(BM_ReadMesh)->Unit(benchmark::kMillisecond);

void BM_ReadMeshStdio(benchmark::State& state)
{
    const std::string& path = CanonicalFile();
    const auto size = static_cast<int64_t>(std::filesystem::file_size(path));
    for (auto _ : state)
    {
        // The file has no carriage returns: a plain stream reads it as a
        // text-mode one would.
        StdioMesh mesh;
        FILE* file = fopen(path.c_str(), "r");
        if (!file || !StdioReadMesh(file, static_cast<size_t>(size), mesh))
            state.SkipWithError("the stdio reading refused the file");
        if (file)
            fclose(file);
        benchmark::DoNotOptimize(mesh.vertices.data());
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
}
BENCHMARK(BM_ReadMeshStdio)->Unit(benchmark::kMillisecond);
} // namespace
