// The program's reader against the plain stdio reading, over the whole
// corpus: both refuse the same files, and read the others field for field
// and value for value alike.
#include "MeshCorpus.h"
#include "MeshReadingDifference.h"
#include "MeshTestSupport.h"
#include "StdioMeshReader.h"

#include "render/MeshFile.h"

#include <gtest/gtest.h>

#include <string>

TEST(MeshFileDifferential, EveryCorpusFileReadsAsTheStdioReadingReadsIt)
{
    TempFolder folder;
    ASSERT_FALSE(folder.Path().empty());
    int loaded = 0;
    int refused = 0;
    for (const CorpusFile& file : BuildMeshCorpus())
    {
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
}
