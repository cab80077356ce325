// The generator: run afresh into an empty folder it writes the committed
// files byte for byte, and it refuses a folder it cannot write with one line.
#include "ArtMesh.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
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
    void SetUp() override
    {
        m_folder = fs::temp_directory_path() /
                   ("yak52-art-test-" + std::to_string(getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    // Runs the generator with `argument`; returns its exit status, its
    // standard error in `errors`.
    int Run(const std::string& argument, std::string& errors)
    {
        const fs::path errorFile = m_folder / "stderr.txt";
        const std::string command = std::string("'") + YAK52_ART_GENERATOR + "' '" + argument +
                                    "' > /dev/null 2> '" + errorFile.string() + "'";
        const int status = std::system(command.c_str());
        errors = ReadAll(errorFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    fs::path m_folder;
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
    const std::string command = std::string("'") + YAK52_ART_GENERATOR + "' > /dev/null 2> '" +
                                (m_folder / "usage.txt").string() + "'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    EXPECT_NE(ReadAll(m_folder / "usage.txt").find("usage:"), std::string::npos);
}

} // namespace
} // namespace art_test
