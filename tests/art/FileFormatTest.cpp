// Every committed mesh file reads back through the program's reader in the
// layout the program draws: positions with one unit normal, 32-bit indices
// in whole triangles, every index naming a vertex, normals on the side the
// triangles face; and the set stays within its size budget.
#include "ArtMesh.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace art_test
{
namespace
{

TEST(ArtFiles, EachReadsBackAsWholeTrianglesWithUnitNormalsOnTheirFrontSide)
{
    for (const std::string& name : ArtFileNames())
    {
        SCOPED_TRACE(name);
        const ArtMesh mesh = LoadArt(name);
        ASSERT_FALSE(mesh.triangles.empty());
        for (const P3& n : mesh.normals)
            ASSERT_NEAR(Length(n), 1.0, 1e-4);
        for (const auto& t : mesh.triangles)
        {
            for (unsigned index : t)
                ASSERT_LT(index, mesh.positions.size());
            const P3 a = mesh.positions[t[0]], b = mesh.positions[t[1]], c = mesh.positions[t[2]];
            const P3 face = Cross(b - a, c - a);
            ASSERT_GT(Length(face), 0.0) << "a triangle without area";
            // Shared normals round over curved surfaces, but never point to
            // the back of a triangle that uses them.
            for (unsigned index : t)
                ASSERT_GT(Dot(face, mesh.normals[index]), 0.0);
        }
    }
}

TEST(ArtFiles, StayWithinTheirBudget)
{
    EXPECT_LE(LoadArt("i_fuselag.txt").triangles.size(), 20000u);
    std::uintmax_t total = 0;
    for (const std::string& name : ArtFileNames())
        total += std::filesystem::file_size(ArtFolder() + "/" + name);
    EXPECT_LE(total, 4u * 1024u * 1024u);
}

TEST(ArtFiles, EveryPartIsClosedAndFacesOutward)
{
    // Watertight: with the positions welded, every edge belongs to exactly
    // two triangles; facing outward, the enclosed volume is positive.
    for (const std::string& name : ArtFileNames())
    {
        SCOPED_TRACE(name);
        const ArtMesh mesh = LoadArt(name);
        EXPECT_EQ(mesh.OpenOrOverusedEdges(), 0u);
        EXPECT_GT(mesh.EnclosedVolume(), 0.0);
    }
}

} // namespace
} // namespace art_test
