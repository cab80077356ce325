#include "ArtFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace host
{

namespace fs = std::filesystem;

ArtFolder::~ArtFolder()
{
    std::error_code error;
    if (!m_root.empty())
        fs::remove_all(m_root, error); // does not follow the link
}

std::string ArtFolder::Make(const fs::path& art)
{
    std::error_code error;
    const fs::path temporary = fs::temp_directory_path(error);
    if (error)
        return "cannot find a temporary folder: " + error.message();
    std::string pattern = (temporary / "zarv-run-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return "cannot make a folder in " + temporary.string() + ": " + std::strerror(errno);
    m_root = pattern;
    m_working = m_root / "run";
    fs::create_directories(m_working, error);
    if (!error)
        fs::create_directories(m_root / "art" / "3d", error);
    if (!error)
        fs::create_directory_symlink(art, m_root / "art" / "3d" / "yak_52", error);
    if (error)
        return "cannot make the working folder in " + m_root.string() + ": " + error.message();
    return {};
}

} // namespace host
