// The program reads its art from ../art/3d/yak_52/ relative to its working
// folder. To read it from another folder (the capture tool's --art, the
// project's art for the tests and benchmarks), a host runs it in a working
// folder made for the run: <tmp>/run, beside <tmp>/art/3d/yak_52, a link to
// the chosen folder. The program's own paths stay as they are.
#pragma once

#include <filesystem>
#include <string>

namespace host
{

class ArtFolder
{
public:
    ArtFolder() = default;
    ~ArtFolder(); // removes the made folder (the link, never what it points to)
    ArtFolder(const ArtFolder&) = delete;
    ArtFolder& operator=(const ArtFolder&) = delete;

    // Makes the working folder for the art in `art` (an absolute path to an
    // existing folder). Returns "" or a one-line reason.
    std::string Make(const std::filesystem::path& art);
    // The folder to run in.
    const std::filesystem::path& WorkingFolder() const { return m_working; }

private:
    std::filesystem::path m_root;
    std::filesystem::path m_working;
};

} // namespace host
