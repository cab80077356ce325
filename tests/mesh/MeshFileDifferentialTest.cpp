// The program's reader against the plain stdio reading, over the whole
// corpus: both refuse the same files, and read the others field for field
// and value for value alike.
#include "MeshCorpus.h"
#include "MeshReadingDifference.h"
#include "MeshTestSupport.h"
#include "StdioMeshReader.h"

#include "render/MeshFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <string>

namespace
{
// Hexadecimal forms without a digit, "0xp3" and "0x.p1", are no numbers to
// C beyond their "0". The reader takes them as the GNU C library's fscanf
// does: it fails on "0xp3" and takes "0x." of "0x.p1". Windows' C library
// (mingw-w64's fscanf) reads each whole as 0. Where the C library reads
// "0xp3", its stdio reading is no reference for the files that hold such a
// form, and they are left out.
bool LibraryReadsDigitlessHex()
{
    float value = 0.0f;
    return sscanf("0xp3", "%f", &value) == 1;
}

bool HoldsDigitlessHex(std::string bytes)
{
    for (char& c : bytes)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return bytes.find("0xp") != std::string::npos || bytes.find("0x.p") != std::string::npos;
}
} // namespace

TEST(MeshFileDifferential, EveryCorpusFileReadsAsTheStdioReadingReadsIt)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    const bool leaveOutDigitlessHex = LibraryReadsDigitlessHex();
    int loaded = 0;
    int refused = 0;
    int leftOut = 0;
    for (const CorpusFile& file : BuildMeshCorpus())
    {
        if (leaveOutDigitlessHex && HoldsDigitlessHex(file.bytes))
        {
            ++leftOut;
            continue;
        }
        const std::string path = folder.Write(file.name + ".txt", file.bytes);
        StdioMesh expected;
        const bool expectedLoad = StdioReadFile(path, expected);
        CMeshFile meshFile;
        const bool load = meshFile.Load(path.c_str());

        // Reading the same bytes from memory (as the fuzz target does) gives
        // the same.
        CMeshFile fromMemory;
        ASSERT_EQ(fromMemory.LoadFromMemory(path.c_str(), file.bytes.data(), file.bytes.size()),
                  load)
            << file.name;
        ASSERT_STREQ(fromMemory.GetError(), meshFile.GetError()) << file.name;
        ASSERT_EQ(FirstDifference(fromMemory, expected), FirstDifference(meshFile, expected))
            << file.name;

        ASSERT_EQ(load, expectedLoad)
            << file.name << ": the stdio reading " << (expectedLoad ? "reads" : "refuses")
            << " it; ours says \"" << meshFile.GetError() << "\"";
        if (load)
        {
            ++loaded;
            ASSERT_EQ(FirstDifference(meshFile, expected), "") << file.name;
        }
        else
        {
            ++refused;
            const std::string error = meshFile.GetError();
            const bool named =
                error.rfind(path + ": ", 0) == 0 || error.rfind(path + ", line ", 0) == 0;
            ASSERT_TRUE(named) << file.name << ": " << error;
            ASSERT_EQ(error.find('\n'), std::string::npos) << file.name;
            ASSERT_EQ(FirstDifference(meshFile, StdioMesh()), "") << file.name << " is not empty";
        }
    }
    // A corpus that both readers refuse whole, or read whole, proves little.
    EXPECT_GT(loaded, 600);
    EXPECT_GT(refused, 500);
    EXPECT_LE(leftOut, 10) << "files left out for their digitless hexadecimal forms";
}
