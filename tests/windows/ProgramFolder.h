// A scratch copy of the program's layout for one run: bin/ with the program
// in it, beside art/3d/yak_52/ with the mesh files, each a link to the
// project's own (one of them left out when asked, as a user's damaged copy
// would lack it). The program runs from bin/ and reads ../art/3d/yak_52/.
// Removed, links and all, when dropped.
#pragma once

#include "ScratchFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace windows_test
{

class ProgramFolder
{
public:
    // Links each program of `programs` into bin/ and every file of `art`
    // except `missing` into art/3d/yak_52/.
    ProgramFolder(const std::vector<std::filesystem::path>& programs,
                  const std::filesystem::path& art, const std::string& missing = "");

    // Where the programs are, and where they are run from.
    std::filesystem::path Bin() const { return m_root.Path() / "bin"; }
    std::filesystem::path Root() const { return m_root.Path(); }

private:
    void Fill(const std::vector<std::filesystem::path>& programs, const std::filesystem::path& art,
              const std::string& missing);

    test::ScratchFolder m_root{"zarv-windows-program"};
};

} // namespace windows_test
