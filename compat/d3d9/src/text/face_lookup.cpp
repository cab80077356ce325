#include "face_lookup.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace compat::d3d9::text
{
namespace
{

struct PatternDeleter
{
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

struct ConfigDeleter
{
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};

// The fonts and rules, loaded once (it takes a while) and owned here rather
// than left in fontconfig's global, so that they are freed at exit.
FcConfig* Config()
{
    static const std::unique_ptr<FcConfig, ConfigDeleter> config(FcInitLoadConfigAndFonts());
    return config.get();
}

constexpr unsigned kNormalWeight = 400;

// Weights below normal take the regular face: GDI does not make glyphs
// thinner than the face draws them, and a family's extra-light cut (DejaVu
// has one) would not be what a Windows system draws for such a weight.
double FontconfigWeight(unsigned weight)
{
    return FcWeightFromOpenTypeDouble(weight < kNormalWeight ? kNormalWeight : weight);
}

std::string StringOf(const FcPattern* pattern, const char* object)
{
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || value == nullptr)
        return {};
    return reinterpret_cast<const char*>(value);
}

} // namespace

std::optional<FaceFile> FindFace(std::string_view name, unsigned weight, bool italic,
                                 std::string& whyNot)
{
    const std::string family(name);
    FcConfig* config = Config();
    if (config == nullptr)
    {
        whyNot = "fontconfig cannot load its configuration";
        return std::nullopt;
    }
    Pattern wanted(FcPatternCreate());
    if (wanted == nullptr)
    {
        whyNot = "fontconfig cannot make a pattern (out of memory)";
        return std::nullopt;
    }
    if (!family.empty())
        FcPatternAddString(wanted.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddDouble(wanted.get(), FC_WEIGHT, FontconfigWeight(weight));
    FcPatternAddInteger(wanted.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(wanted.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(config, wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());

    FcResult result = FcResultNoMatch;
    Pattern found(FcFontMatch(config, wanted.get(), &result));
    FaceFile face;
    if (found != nullptr)
        face.path = StringOf(found.get(), FC_FILE);
    if (face.path.empty())
    {
        whyNot = "no font face found for \"" + family + "\"";
        return std::nullopt;
    }
    if (FcPatternGetInteger(found.get(), FC_INDEX, 0, &face.index) != FcResultMatch)
        face.index = 0;
    face.family = StringOf(found.get(), FC_FAMILY);
    return face;
}

} // namespace compat::d3d9::text
