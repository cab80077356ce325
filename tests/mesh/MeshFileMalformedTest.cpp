// Files the reader refuses: each fails with one line that names the file, the
// line where the reader stopped and what is wrong in the user's terms, leaves
// the object empty, and allocates nothing in proportion to what the file
// claims.
#include "MeshTestSupport.h"
#include "AllocationCounter.h"

#include "render/MeshFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
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
    int line; // where the reader stopped; 0: no line is to blame
    std::string reason;
};

// A number as the reader reports it: converted to long as the C library
// converts it, saturated at the limits of a long (32 bits on Windows).
std::string AsLong(const char* digits)
{
    return std::to_string(std::strtol(digits, nullptr, 10));
}

// No allocation during a refused load comes near what the file claims.
const size_t kSmallAllocation = 64 * 1024;
} // namespace

TEST(MeshFileMalformed, EachMalformedFileSaysWhereAndWhatIsWrongAndAllocatesNothingLarge)
{
    // kHeader is lines 1-9; kVertices adds the count on 10, the vertex on 11
    // and "}" on 12, so an indices block starts on line 13.
    const Malformed cases[] = {
        {"empty file", "", 0, "the file is empty"},
        {"only white space", "\n  \n", 2,
         "there is no vertex format: the file needs a \"vertices\" block whose format block says "
         "\"position 3\""},
        {"no vertices block", Indices("32", "1"), 9,
         "there is no vertex format: the file needs a \"vertices\" block whose format block says "
         "\"position 3\""},

        // A word, a byte or nothing where a number belongs.
        {"count without its number", kHeader + "\tcount\n\t1 2 3 0 0 1\n}\n", 10,
         "expected the vertex count after \"count\""},
        {"count followed by a word", kHeader + "\tcount many\n}\n", 10,
         "expected the vertex count after \"count\", found \"many\""},
        {"format entry with a word", "vertices\n{\n\tformat\n\t{\n\t\tposition three\n\t}\n}\n", 5,
         "expected the number of position floats after \"position\", found \"three\""},
        {"index size without its number",
         kVertices + "indices\n{\n\tformat\n\t{\n\t\tsize\n\t}\n}\n", 17,
         "expected the index size after \"size\""},
        {"a brace among the vertex values", kHeader + "\tcount 2\n\t1 2 3 0 0 1\n}\n", 12,
         "expected value 1 of vertex 2 (of 2), found \"}\""},
        {"a NUL byte among the vertex values",
         kHeader + "\tcount 1\n\t1 2 3\n\t0 " + std::string(1, '\0') + " 1\n}\n", 12,
         "expected value 5 of vertex 1 (of 1), found \"\\x00\""},
        {"a long word among the vertex values",
         kHeader + "\tcount 1\n\t1 2 3 normal_x_goes_here 0 1\n", 11,
         "expected value 4 of vertex 1 (of 1), found \"normal_x_goes_he...\""},
        {"vertex values cut short", kHeader + "\tcount 1\n\t1 2 3 0", 11,
         "expected value 5 of vertex 1 (of 1), found the end of the file"},
        {"a word among the indices",
         kVertices + "indices\n{\n\tformat\n\t{\n\t\tsize 32\n\t}\n\tcount 2\n\t0\n\tone\n}\n", 21,
         "expected index 2 (of 2), found \"one\""},

        // Format entries and index sizes the device cannot take.
        {"huge normal entry",
         "vertices\n{\n\tformat\n\t{\n\t\tposition 3\n\t\tnormal 4000000000\n\t}\n}\n", 6,
         "normal is " + AsLong("4000000000") + "; it must be 0 or 1"},
        {"position 0", "vertices\n{\n\tformat\n\t{\n\t\tposition 0\n\t}\n}\n", 5,
         "position is 0; it must be 3"},
        {"two colour slots", "vertices\n{\n\tformat\n\t{\n\t\tposition 3\n\t\tcolor 2\n\t}\n}\n", 6,
         "color is 2; it must be 0 or 1"},
        {"negative textures",
         "vertices\n{\n\tformat\n\t{\n\t\tposition 3\n\t\ttextures -1\n\t}\n}\n", 6,
         "textures is -1; it must be 0 or 1"},
        {"index size 8", kVertices + Indices("8", "1"), 17, "size is 8; it must be 0, 16 or 32"},

        // Counts that cannot be right.
        {"negative vertex count", kHeader + "\tcount -5\n}\n", 10,
         "the vertex count is -5; it must be 0 or more"},
        {"huge vertex count", kHeader + "\tcount 2000000000\n\t1\n}\n", 10,
         "the vertex count is 2000000000, more than a file of 101 bytes can hold"},
        {"vertex count past an int", kHeader + "\tcount 99999999999\n}\n", 10,
         "the vertex count is " + AsLong("99999999999") +
             ", more than a file of 99 bytes can hold"},
        {"vertex count a little too large", kHeader + "\tcount 20\n}\n", 10,
         "the vertex count is 20, more than a file of 90 bytes can hold"},
        {"negative index count", kVertices + Indices("32", "-1"), 19,
         "the index count is -1; it must be 0 or more"},
        {"huge 32-bit index count", kVertices + Indices("32", "2147483647"), 19,
         "the index count is 2147483647, more than a file of 160 bytes can hold"},
        {"negative count without index list", kVertices + Indices("0", "-3"), 19,
         "the index count is -3; it must be 0 or more"},

        // Blocks in an order the reader cannot act on.
        {"count before the vertex format", "vertices\n{\n\tcount 1\n\t1 2 3 0 0 1\n}\n", 3,
         "\"count\" comes before the vertex format; a format block saying \"position 3\" must "
         "come first"},
        {"vertex format after the count",
         kVertices + "vertices\n{\n\tformat\n\t{\n\t\tcolor 1\n\t}\n}\n", 17,
         "the vertex format changes after the vertex data was read; a format block must come "
         "before \"count\""},
        {"index size after the count",
         kVertices + Indices("32", "1") + "indices\n{\n\tformat\n\t{\n\t\tsize 16\n\t}\n}\n", 26,
         "the index size changes after the indices were read; a format block must come before "
         "\"count\""},
    };

    test::ResetAllocationPeak();
    ::operator delete(::operator new(kSmallAllocation));
    ASSERT_GE(test::AllocationPeak(), kSmallAllocation)
        << "the counter sees the largest allocation";

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

        const std::string where =
            malformed.line > 0 ? path + ", line " + std::to_string(malformed.line) : path;
        EXPECT_EQ(std::string(meshFile.GetError()), where + ": " + malformed.reason)
            << malformed.what;
        EXPECT_FALSE(meshFile.IsLoaded());
        EXPECT_EQ(meshFile.GetVertexCount(), 0) << malformed.what;
        EXPECT_EQ(meshFile.GetIndexCount(), 0) << malformed.what;
        EXPECT_EQ(meshFile.GetVertexValueCount() + meshFile.GetIndex16Count() +
                      meshFile.GetIndex32Count(),
                  0u)
            << malformed.what;
    }
}

TEST(MeshFileMalformed, LinesAreTheFilesOwnWhateverTheLineEndsAndLengths)
{
    // Carriage returns do not count as lines of their own, and a line longer
    // than a line read is still one line of the file.
    std::string crlf = kHeader + "\tcount 2\n\t1 2 3 0 0 1\n}\n";
    for (size_t at = crlf.find('\n'); at != std::string::npos; at = crlf.find('\n', at + 2))
        crlf.insert(at, 1, '\r');
    const std::string longLine =
        kHeader + "\tcount 2\n" + std::string(300, ' ') + "1 2 3 0 0 1\n\t1 2 3 0 0 x\n";
    CMeshFile meshFile;
    EXPECT_FALSE(meshFile.LoadFromMemory("crlf.txt", crlf.data(), crlf.size()));
    EXPECT_STREQ(meshFile.GetError(),
                 "crlf.txt, line 12: expected value 1 of vertex 2 (of 2), found \"}\"");
    EXPECT_FALSE(meshFile.LoadFromMemory("long.txt", longLine.data(), longLine.size()));
    EXPECT_STREQ(meshFile.GetError(),
                 "long.txt, line 12: expected value 6 of vertex 2 (of 2), found \"x\"");
}

TEST(MeshFileMalformed, ARelativePathIsShownWithWhatItResolvesTo)
{
    // As the program names its files: relative to the working folder, with
    // backslashes.
    TempFolder folder;
    std::filesystem::create_directories(folder.Path() + "/run");
    std::filesystem::create_directories(folder.Path() + "/art/3d");
    folder.Write("art/3d/i_propeller.txt", kHeader + "\tcount 1\n\t1 2 3\n");
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path() + "/run");
    const std::string resolved =
        std::filesystem::weakly_canonical(folder.Path() + "/art/3d/i_propeller.txt").string();

    CMeshFile meshFile;
    EXPECT_FALSE(meshFile.Load("..\\art\\3d\\i_propeller.txt"));
    EXPECT_EQ(std::string(meshFile.GetError()),
              "../art/3d/i_propeller.txt (" + resolved +
                  "), line 11: expected value 4 of vertex 1 (of 1), found the end of the file");
    EXPECT_FALSE(meshFile.Load("..\\art\\3d\\i_stokF.txt"));
    EXPECT_EQ(std::string(meshFile.GetError()),
              "../art/3d/i_stokF.txt (" +
                  (std::filesystem::weakly_canonical(folder.Path() + "/art/3d") / "i_stokF.txt")
                      .string() +
                  "): cannot open (No such file or directory)");
    std::filesystem::current_path(saved);
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

    // A failure names the file as the user can open it: forward slashes.
    windowsPath = folder.Path() + "\\art\\3d\\i_stokF.txt";
    EXPECT_FALSE(meshFile.Load(windowsPath.c_str()));
    EXPECT_EQ(std::string(meshFile.GetError()),
              folder.Path() + "/art/3d/i_stokF.txt: cannot open (No such file or directory)");
}

TEST(MeshFileMalformed, AReasonStaysOneLineWhateverTheName)
{
    CMeshFile meshFile;
    EXPECT_FALSE(meshFile.LoadFromMemory("two\nlines", "", 0));
    EXPECT_EQ(std::string(meshFile.GetError()).find('\n'), std::string::npos);
}
