// A fresh, empty folder under the system's temporary folder for one test's
// files, removed with everything in it when the object goes. Portable: the
// tests built for Windows use it too.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace test
{

class ScratchFolder
{
public:
    // Its name starts with `prefix`; a random part makes it the test's own.
    // Throws std::runtime_error when no folder can be made.
    explicit ScratchFolder(std::string_view prefix = "zarv-test");
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // The path of `name` in the folder.
    std::string operator/(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

} // namespace test
