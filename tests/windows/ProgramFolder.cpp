#include "ProgramFolder.h"

#include <stdexcept>

namespace windows_test
{
namespace fs = std::filesystem;

ProgramFolder::ProgramFolder(const std::vector<fs::path>& programs, const fs::path& art,
                             const std::string& missing)
{
    Fill(programs, art, missing);
}

void ProgramFolder::Fill(const std::vector<fs::path>& programs, const fs::path& art,
                         const std::string& missing)
{
    fs::create_directories(Bin());
    for (const fs::path& program : programs)
        fs::create_symlink(fs::absolute(program), Bin() / program.filename());
    const fs::path meshes = Root() / "art" / "3d" / "yak_52";
    fs::create_directories(meshes);
    bool left = missing.empty();
    for (const fs::directory_entry& file : fs::directory_iterator(art))
    {
        if (file.path().filename() == missing)
            left = true;
        else
            fs::create_symlink(fs::absolute(file.path()), meshes / file.path().filename());
    }
    if (!left)
        throw std::runtime_error("no " + missing + " in " + art.string() + " to leave out");
}

} // namespace windows_test
