// The face lookup of the web build. A page has no fontconfig and no system
// fonts: it packs the one face the desktop's fontconfig gives for the
// program's "Areal" (DejaVu Sans) at the desktop's path, and every name is
// answered with it, as fontconfig answers a name it lacks with a similar
// face.
#include "face_lookup.h"

#include <sys/stat.h>

namespace compat::d3d9::text
{

namespace
{
constexpr const char* kPackedFace = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
}

std::optional<FaceFile> FindFace(std::string_view, unsigned, bool, std::string& whyNot)
{
    struct stat info;
    if (stat(kPackedFace, &info) != 0)
    {
        whyNot = std::string("the page has no font: ") + kPackedFace + " is not packed";
        return std::nullopt;
    }
    return FaceFile{kPackedFace, 0, "DejaVu Sans"};
}

} // namespace compat::d3d9::text
