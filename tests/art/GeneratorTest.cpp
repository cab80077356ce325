// The generator: run afresh into an empty folder it writes the committed
// files byte for byte, and it refuses a folder it cannot write with one line.
#include "ArtMesh.h"
#include "ChildProcess.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace art_test
{
namespace
{

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Generator : public ::testing::Test
{
protected:
    // Runs the generator with `argument`; returns its exit status, its
    // standard error in `errors`.
    int Run(const std::string& argument, std::string& errors)
    {
        test::ChildProcess generator({YAK52_ART_GENERATOR, argument}, fs::current_path());
        const int status = generator.Wait(300).value_or(-1);
        errors = generator.Errors();
        return status;
    }

    const test::ScratchFolder m_scratch{"yak52-art-test"};
    const fs::path m_folder = m_scratch.Path();
};

TEST_F(Generator, WritesTheCommittedFilesByteForByte)
{
    const fs::path output = m_folder / "out";
    std::string errors;
    ASSERT_EQ(Run(output.string(), errors), 0) << errors;
    std::size_t written = 0;
    for (const auto& entry : fs::directory_iterator(output))
    {
        ++written;
        EXPECT_NE(std::find(ArtFileNames().begin(), ArtFileNames().end(),
                            entry.path().filename().string()),
                  ArtFileNames().end())
            << "a file the program does not load: " << entry.path().filename();
    }
    EXPECT_EQ(written, ArtFileNames().size());
    for (const std::string& name : ArtFileNames())
    {
        SCOPED_TRACE(name);
        const std::string fresh = ReadAll(output / name);
        ASSERT_FALSE(fresh.empty());
        EXPECT_TRUE(fresh == ReadAll(fs::path(ArtFolder()) / name))
            << "the committed file differs from what the generator writes; "
               "regenerate with the `art` target";
    }
}

TEST_F(Generator, RefusesAnOutputThatIsNotAFolderWithOneLine)
{
    const fs::path blocker = m_folder / "a-file";
    std::ofstream(blocker) << "in the way\n";
    std::string errors;
    EXPECT_EQ(Run(blocker.string(), errors), 1);
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << errors;
    EXPECT_NE(errors.find(blocker.string()), std::string::npos) << errors;
}

TEST_F(Generator, RefusesAMissingArgumentWithItsUsage)
{
    test::ChildProcess generator({YAK52_ART_GENERATOR}, fs::current_path());
    EXPECT_EQ(generator.Wait(60), 1);
    EXPECT_NE(generator.Errors().find("usage:"), std::string::npos) << generator.Errors();
}

} // namespace
} // namespace art_test
