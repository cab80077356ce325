#include "ScratchFolder.h"

#include <cstdint>
#include <cstdio>
#include <random>
#include <stdexcept>

namespace test
{
namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(std::string_view prefix)
{
    // A random name; create_directory makes the folder only when no folder of
    // that name exists, so two tests never share one.
    std::random_device seed;
    std::mt19937_64 random((static_cast<std::uint64_t>(seed()) << 32) ^ seed());
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    for (int attempt = 0; attempt < 100 && m_path.empty() && !error; ++attempt)
    {
        char suffix[24];
        std::snprintf(suffix, sizeof(suffix), "-%016llx",
                      static_cast<unsigned long long>(random()));
        const fs::path candidate = base / (std::string(prefix) + suffix);
        if (fs::create_directory(candidate, error))
            m_path = candidate;
    }
    if (m_path.empty())
        throw std::runtime_error("cannot make a scratch folder in " + base.string() +
                                 (error ? ": " + error.message() : ""));
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(m_path, ignored);
}

} // namespace test
