// Files the reader refuses: each fails with one line that names the file and
// says what is wrong, leaves the object empty, and allocates nothing in
// proportion to what the file claims.
#include "MeshTestSupport.h"
#include "allocation_counter.h"

#include "render/MeshFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
const std::string kHeader = "vertices\n{\n\tformat\n\t{\n\t\tposition\t 3\n\t\tnormal\t\t 1\n"
                            "\t\tcolor\t\t 0\n\t\ttextures\t 0\n\t}\n";
const std::string kVertices = kHeader + "\tcount 1\n\t1\t2\t3\t0\t0\t1\n}\n";

std::string Indices(const std::string& size, const std::string& count)
{
    return "indices\n{\n\tformat\n\t{\n\t\tsize\t " + size + "\n\t}\n\tcount " + count +
           "\n\t0\n}\n";
}

struct Malformed
{
    const char* what;
    std::string text;
    const char* reason;
};

// No allocation during a refused load comes near what the file claims.
const size_t kSmallAllocation = 64 * 1024;
} // namespace

TEST(MeshFileMalformed, EachMalformedFileFailsWithItsReasonAndAllocatesNothingLarge)
{
    const Malformed cases[] = {
        {"negative vertex count", kHeader + "\tcount -5\n}\n", "vertex count -5 is negative"},
        {"huge vertex count", kHeader + "\tcount 2000000000\n\t1\n}\n",
         "vertex count 2000000000 is larger than the file can hold"},
        {"vertex count past an int", kHeader + "\tcount 99999999999\n}\n",
         "vertex count 1215752191 is larger than the file can hold"},
        {"vertex count a little too large", kHeader + "\tcount 20\n}\n",
         "vertex count 20 is larger than the file can hold"},
        {"negative index count", kVertices + Indices("32", "-1"), "index count -1 is negative"},
        {"huge 16-bit index count", kVertices + Indices("16", "2000000000"),
         "index count 2000000000 is larger than the file can hold"},
        {"huge 32-bit index count", kVertices + Indices("32", "2147483647"),
         "index count 2147483647 is larger than the file can hold"},
        {"negative count without index list", kVertices + Indices("0", "-3"),
         "index count -3 is negative"},
        {"index size 8", kVertices + Indices("8", "1"), "index size 8 is not 0, 16 or 32"},
        {"index size 8 without a count",
         kVertices + "indices\n{\n\tformat\n\t{\n\t\tsize 8\n\t}\n}\n",
         "index size 8 is not 0, 16 or 32"},
        {"position 0",
         "vertices\n{\n\tformat\n\t{\n\t\tposition 0\n\t\tnormal 1\n\t}\n\tcount 1\n"
         "\t1 2 3\n}\n",
         "vertex format has no position (position 0)"},
        {"no vertices block", Indices("32", "1"), "vertex format has no position (position 0)"},
        {"empty file", "", "vertex format has no position (position 0)"},
        {"negative format entry",
         "vertices\n{\n\tformat\n\t{\n\t\tposition 3\n\t\tnormal -1\n\t}\n"
         "\tcount 1\n\t1 2 3\n}\n",
         "vertex format entry normal is -1, less than 0"},
        {"vertex format after the count",
         kVertices + "vertices\n{\n\tformat\n\t{\n\t\tcolor 1\n\t}\n}\n",
         "the vertex data holds 6 values, not 1 vertices of 7 floats"},
        {"index format after the count",
         kVertices + Indices("32", "1") + "indices\n{\n\tformat\n\t{\n\t\tsize 16\n\t}\n}\n",
         "0 indices of size 16 were read for an index count of 1"},
    };

    test::ResetAllocationPeak();
    ::operator delete(::operator new(kSmallAllocation));
    ASSERT_GE(test::AllocationPeak(), kSmallAllocation) << "the counter sees the largest allocation";

    TempFolder folder;
    for (const Malformed& malformed : cases)
    {
        const std::string path = folder.Write("malformed.txt", malformed.text);
        CMeshFile meshFile;
        // A good load first: a refused one must leave nothing of it behind.
        ASSERT_TRUE(meshFile.LoadFromMemory("good", kVertices.data(), kVertices.size()));

        test::ResetAllocationPeak();
        EXPECT_FALSE(meshFile.Load(path.c_str())) << malformed.what;
        EXPECT_LT(test::AllocationPeak(), kSmallAllocation) << malformed.what;

        const std::string error = meshFile.GetError();
        EXPECT_EQ(error.rfind(path + ": " + malformed.reason, 0), 0u)
            << malformed.what << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << malformed.what;
        EXPECT_FALSE(meshFile.IsLoaded());
        EXPECT_EQ(meshFile.GetVertexCount(), 0) << malformed.what;
        EXPECT_EQ(meshFile.GetIndexCount(), 0) << malformed.what;
        EXPECT_EQ(meshFile.GetVertexValueCount() + meshFile.GetIndex16Count() +
                      meshFile.GetIndex32Count(),
                  0u)
            << malformed.what;
    }
}

TEST(MeshFileMalformed, FilesThatCannotBeOpenedSayWhy)
{
    TempFolder folder;
    CMeshFile meshFile;
    const std::string missing = folder.Path() + "/i_stokF.txt";
    EXPECT_FALSE(meshFile.Load(missing.c_str()));
    EXPECT_EQ(std::string(meshFile.GetError()),
              missing + ": cannot open (No such file or directory)");

    EXPECT_FALSE(meshFile.Load(folder.Path().c_str()));
    EXPECT_EQ(std::string(meshFile.GetError()), folder.Path() + ": cannot open (it is a folder)");

    // LoadMeshFile hands back the object all the same.
    CMeshFile* loaded = LoadMeshFile(missing.c_str());
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->IsLoaded());
    EXPECT_EQ(loaded->GetVertexCount(), 0);
    delete loaded;
}

TEST(MeshFileMalformed, BackslashesInAPathAreFolderSeparators)
{
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() + "/art/3d");
    folder.Write("art/3d/part.txt", kVertices);
    std::string windowsPath = folder.Path() + "\\art\\3d\\part.txt";
    CMeshFile meshFile;
    EXPECT_TRUE(meshFile.Load(windowsPath.c_str())) << meshFile.GetError();
    EXPECT_EQ(meshFile.GetVertexCount(), 1);

    // A failure names the file as the program gave it.
    windowsPath = folder.Path() + "\\art\\3d\\i_stokF.txt";
    EXPECT_FALSE(meshFile.Load(windowsPath.c_str()));
    EXPECT_EQ(std::string(meshFile.GetError()).rfind(windowsPath + ": cannot open", 0), 0u);
}

TEST(MeshFileMalformed, AReasonStaysOneLineWhateverTheName)
{
    CMeshFile meshFile;
    EXPECT_FALSE(meshFile.LoadFromMemory("two\nlines", "", 0));
    EXPECT_EQ(std::string(meshFile.GetError()).find('\n'), std::string::npos);
}
