// The export writer: the welding it does, the bytes it writes (compared with
// a writer that follows the format's own steps, backward search and all) and
// the round trip through the reader.
#include "MeshTestSupport.h"

#include "render/MeshFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace
{
MeshFormat Format(int position, int normal, int color, int textures)
{
    MeshFormat format;
    format.position = position;
    format.normal = normal;
    format.color = color;
    format.textures = textures;
    return format;
}

// The export as the format describes it: a backward search of the unique
// vertices for each source vertex, the positions scaled, then the canonical
// text (whose header is the export's, whatever the vertices hold).
std::string ReferenceExport(const std::vector<float>& values, unsigned int floatCount,
                            const float scale[3])
{
    std::vector<float> unique;
    std::vector<uint32_t> indices;
    const size_t vertexCount = values.size() / floatCount;
    for (size_t i = 0; i < vertexCount; ++i)
    {
        int found = -1;
        for (int k = static_cast<int>(unique.size() / floatCount) - 1; k >= 0 && found < 0; --k)
        {
            bool equal = true;
            for (unsigned int j = 0; j < floatCount; ++j)
                equal = equal && unique[k * floatCount + j] == values[i * floatCount + j];
            if (equal)
                found = k;
        }
        if (found < 0)
        {
            unique.insert(unique.end(), values.begin() + static_cast<long>(i * floatCount),
                          values.begin() + static_cast<long>((i + 1) * floatCount));
            found = static_cast<int>(unique.size() / floatCount) - 1;
        }
        indices.push_back(static_cast<uint32_t>(found));
    }
    for (size_t v = 0; v < unique.size(); v += floatCount)
        for (unsigned int j = 0; j < floatCount && j < 3; ++j)
            unique[v + j] *= scale[j];
    return CanonicalText(unique, indices, floatCount);
}

// Vertices drawn from a small pool, so that many repeat; some values are
// zeros of either sign, NaNs and infinities.
std::vector<float> RandomVertices(std::mt19937& random, size_t vertexCount, unsigned int floatCount)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float unusual[] = {0.0f, -0.0f, nan, inf, -inf, 1e-30f, 123456.789f};
    std::vector<std::vector<float>> pool(1 + random() % 40);
    for (auto& vertex : pool)
        for (unsigned int j = 0; j < floatCount; ++j)
            vertex.push_back(random() % 6 == 0
                                 ? unusual[random() % 7]
                                 : static_cast<float>(static_cast<int>(random() % 2001) - 1000) /
                                       64.0f);
    std::vector<float> values;
    for (size_t i = 0; i < vertexCount; ++i)
    {
        const auto& vertex = pool[random() % pool.size()];
        values.insert(values.end(), vertex.begin(), vertex.end());
    }
    return values;
}

std::string Export(const TempFolder& folder, const MeshFormat& format,
                   const std::vector<float>& values, float sx, float sy, float sz)
{
    CMeshFile meshFile;
    const unsigned int floatCount = MeshFormat(format).GetFloatCount();
    meshFile.SetVertices(format, values.data(), static_cast<int>(values.size() / floatCount));
    const std::string path = folder.Path() + "/export.txt";
    std::remove(path.c_str());
    SaveMeshFile(&meshFile, path.c_str(), sx, sy, sz);
    // Read as text, as it was written: on Windows each line ends in CR LF in
    // the file.
    std::ifstream file(path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}
} // namespace

TEST(MeshExport, RepeatedVerticesAreWrittenOnceAndIndexed)
{
    // P, Q, R, R, Q, S with the repeats exactly equal.
    const float p[6] = {0, 0, 0, 0, 0, 1}, q[6] = {1, 0, 0, 0, 0, 1}, r[6] = {0, 1, 0, 0, 0, 1},
                s[6] = {1, 1, 0, 0, 1, 0};
    std::vector<float> values;
    for (const float* vertex : {p, q, r, r, q, s})
        values.insert(values.end(), vertex, vertex + 6);
    TempFolder folder;
    const std::string text = Export(folder, Format(3, 1, 0, 0), values, 1, 1, 1);

    CMeshFile meshFile;
    ASSERT_TRUE(meshFile.LoadFromMemory("export", text.data(), text.size())) << meshFile.GetError();
    ASSERT_EQ(meshFile.GetVertexCount(), 4);
    std::vector<float> expected;
    for (const float* vertex : {p, q, r, s})
        expected.insert(expected.end(), vertex, vertex + 6);
    EXPECT_EQ(std::vector<float>(meshFile.GetVertices(), meshFile.GetVertices() + 24), expected);
    ASSERT_EQ(meshFile.GetIndexCount(), 6);
    EXPECT_EQ(std::vector<unsigned int>(meshFile.GetIndices32(), meshFile.GetIndices32() + 6),
              (std::vector<unsigned int>{0, 1, 2, 2, 1, 3}));
}

TEST(MeshExport, WeldingUsesFloatEquality)
{
    // -0.0 equals 0.0 (the first one seen is kept); a vertex with a NaN
    // equals nothing, not even an identical one.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<float> values = {-0.0f, 1, 2, 0, 0, 1, 0.0f, 1, 2, -0.0f, 0, 1,
                                       nan,   1, 2, 0, 0, 1, nan,  1, 2, 0,     0, 1};
    TempFolder folder;
    const std::string text = Export(folder, Format(3, 1, 0, 0), values, 1, 1, 1);
    EXPECT_NE(text.find("\tcount 3\n\t-0.000000\t1.000000"), std::string::npos) << text;
    EXPECT_NE(text.find("\tcount 4\n\t0\n\t0\n\t1\n\t2\n}"), std::string::npos) << text;
}

TEST(MeshExport, WritesTheBytesOfTheFormatsOwnExport)
{
    TempFolder folder;
    std::mt19937 random(3);
    const MeshFormat formats[] = {Format(3, 1, 0, 0), Format(3, 1, 1, 1), Format(3, 0, 0, 0),
                                  Format(2, 0, 0, 0)};
    for (int n = 0; n < 60; ++n)
    {
        MeshFormat format = formats[n % 4];
        const unsigned int floatCount = format.GetFloatCount();
        const size_t vertexCount = n == 0 ? 0 : random() % 300;
        const std::vector<float> values = RandomVertices(random, vertexCount, floatCount);
        const float scale[3] = {n % 3 == 0 ? 1.0f : 0.001f * static_cast<float>(random() % 5000),
                                -2.5f, 1.0f / 3.0f};
        const std::string text = Export(folder, format, values, scale[0], scale[1], scale[2]);
        ASSERT_EQ(text, ReferenceExport(values, floatCount, scale))
            << "case " << n << ", " << vertexCount << " vertices of " << floatCount << " floats";
    }
}

TEST(MeshExport, TheWrittenFileReadsBackToTheWeldedMesh)
{
    TempFolder folder;
    std::mt19937 random(5);
    const float scale[3] = {0.01f, 2.0f, -1.0f};
    for (int n = 0; n < 20; ++n)
    {
        const std::vector<float> values = RandomVertices(random, 3 * (1 + random() % 100), 6);
        const std::string text =
            Export(folder, Format(3, 1, 0, 0), values, scale[0], scale[1], scale[2]);
        CMeshFile meshFile;
        ASSERT_TRUE(meshFile.LoadFromMemory("export", text.data(), text.size()))
            << meshFile.GetError();
        const MeshFormat format = meshFile.GetFormat();
        EXPECT_EQ(format.floatCount, 6);
        EXPECT_EQ(meshFile.GetIndexSize(), 32);
        ASSERT_EQ(static_cast<size_t>(meshFile.GetIndexCount()), values.size() / 6);

        // Each source vertex comes back through its index, scaled and rounded
        // to six decimals.
        for (size_t i = 0; i < values.size() / 6; ++i)
        {
            const unsigned int index = meshFile.GetIndices32()[i];
            ASSERT_LT(index, static_cast<unsigned int>(meshFile.GetVertexCount()));
            for (size_t j = 0; j < 6; ++j)
            {
                const float written = j < 3 ? values[i * 6 + j] * scale[j] : values[i * 6 + j];
                char decimal[64];
                snprintf(decimal, sizeof(decimal), "%f", static_cast<double>(written));
                const float expected = std::strtof(decimal, nullptr);
                const float read = meshFile.GetVertices()[index * 6 + j];
                if (std::isnan(expected))
                    EXPECT_TRUE(std::isnan(read));
                else
                    EXPECT_EQ(read, expected) << "vertex " << i << " value " << j;
            }
        }
    }
}

TEST(MeshExport, NothingIsWrittenWhereTheFileCannotBeMade)
{
    TempFolder folder;
    CMeshFile meshFile;
    const float values[6] = {1, 2, 3, 0, 0, 1};
    meshFile.SetVertices(Format(3, 1, 0, 0), values, 1);
    const std::string path = folder.Path() + "/missing/export.txt";
    SaveMeshFile(&meshFile, path.c_str(), 1, 1, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/missing"));
    SaveMeshFile(nullptr, (folder.Path() + "/null.txt").c_str(), 1, 1, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() + "/null.txt"));
}
