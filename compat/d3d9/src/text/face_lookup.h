// Finds the font file for a face name the way the desktop does: through
// fontconfig, which substitutes a similar face for a name the system lacks.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace compat::d3d9::text
{

struct FaceFile
{
    std::string path;
    int index = 0;      // of the face within the file
    std::string family; // the family fontconfig chose
};

// `weight` is a GDI weight (0..1000, 400 normal, 700 bold). Null with
// `whyNot` set when fontconfig offers no face at all.
std::optional<FaceFile> FindFace(std::string_view name, unsigned weight, bool italic,
                                 std::string& whyNot);

} // namespace compat::d3d9::text
