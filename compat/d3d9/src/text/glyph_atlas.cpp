#include "glyph_atlas.h"

#include "code_page.h"
#include "face_lookup.h"
#include "glyph_rasteriser.h"
#include "row_packer.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace compat::d3d9::text
{
namespace
{

constexpr unsigned kMaxWeight = 1000;
constexpr int kGap = 1;
// Within what any OpenGL 3.3 implementation takes as a texture side.
constexpr int kMaxAtlasSide = 8192;

bool IsDrawn(unsigned byte)
{
    return byte >= 32 && byte != 127;
}

struct Rendered
{
    GlyphBitmap bitmap;
    AtlasPoint at;
};

// A power of two wide enough for the widest glyph, and about the square root
// of the area all glyphs take, so that the atlas comes out roughly square.
int AtlasWidth(const std::vector<Rendered>& glyphs)
{
    long area = 0;
    int widest = 0;
    for (const Rendered& glyph : glyphs)
    {
        area += static_cast<long>(glyph.bitmap.width + kGap) * (glyph.bitmap.height + kGap);
        widest = std::max(widest, glyph.bitmap.width + 2 * kGap);
    }
    int width = 64;
    while (width < kMaxAtlasSide && (width < widest || static_cast<long>(width) * width < area))
        width *= 2;
    return width;
}

} // namespace

std::unique_ptr<GlyphAtlas> GlyphAtlas::Create(const FontDesc& desc, std::string& whyNot)
{
    if (desc.weight > kMaxWeight)
    {
        whyNot = "font weight " + std::to_string(desc.weight) + " is above " +
                 std::to_string(kMaxWeight);
        return nullptr;
    }
    const auto file = FindFace(desc.faceName, desc.weight, desc.italic != FALSE, whyNot);
    if (!file)
        return nullptr;
    const auto rasteriser = GlyphRasteriser::Open(*file, whyNot);
    if (rasteriser == nullptr)
        return nullptr;
    const auto size = SizeCell(rasteriser->Metrics(), desc.height, desc.width, whyNot);
    if (!size || !rasteriser->SetSize(*size, whyNot))
        return nullptr;

    // Each distinct glyph is rendered once, however many bytes share it.
    std::vector<Rendered> rendered;
    std::map<unsigned, std::size_t> slotOfIndex;
    std::array<std::size_t, 256> slotOfByte{};
    for (unsigned byte = 0; byte < 256; ++byte)
    {
        if (!IsDrawn(byte))
            continue;
        const char32_t c = AnsiToUnicode(static_cast<unsigned char>(byte));
        const unsigned index = c == 0 ? 0 : rasteriser->GlyphIndex(c);
        auto [slot, added] = slotOfIndex.try_emplace(index, rendered.size());
        if (added)
        {
            rendered.emplace_back();
            if (!rasteriser->Render(index, rendered.back().bitmap, whyNot))
                return nullptr;
        }
        slotOfByte[byte] = slot->second;
    }

    std::vector<Rendered*> tallestFirst;
    for (Rendered& glyph : rendered)
        tallestFirst.push_back(&glyph);
    std::stable_sort(tallestFirst.begin(), tallestFirst.end(),
                     [](const auto* a, const auto* b)
                     { return a->bitmap.height > b->bitmap.height; });
    const int width = AtlasWidth(rendered);
    RowPacker packer(width, kGap);
    for (Rendered* glyph : tallestFirst)
    {
        const GlyphBitmap& bitmap = glyph->bitmap;
        if (bitmap.width == 0 || bitmap.height == 0)
            continue;
        const auto at = packer.Place(bitmap.width, bitmap.height);
        if (!at || packer.Height() > kMaxAtlasSide)
        {
            whyNot = "the glyphs of a font of height " + std::to_string(desc.height) +
                     " and width " + std::to_string(desc.width) + " do not fit in a " +
                     std::to_string(kMaxAtlasSide) + "-pixel atlas";
            return nullptr;
        }
        glyph->at = *at;
    }

    std::unique_ptr<GlyphAtlas> atlas(new GlyphAtlas);
    atlas->width_ = width;
    atlas->height_ = packer.Height();
    atlas->coverage_.assign(static_cast<std::size_t>(width) * atlas->height_, 0);
    for (const Rendered& glyph : rendered)
        for (int y = 0; y < glyph.bitmap.height; ++y)
            std::memcpy(
                &atlas->coverage_[static_cast<std::size_t>(glyph.at.y + y) * width + glyph.at.x],
                &glyph.bitmap.coverage[static_cast<std::size_t>(y) * glyph.bitmap.width],
                glyph.bitmap.width);
    for (unsigned byte = 0; byte < 256; ++byte)
    {
        if (!IsDrawn(byte))
            continue;
        const Rendered& glyph = rendered[slotOfByte[byte]];
        const GlyphBitmap& bitmap = glyph.bitmap;
        atlas->glyphs_[byte] = Glyph{bitmap.advance, bitmap.left, bitmap.top, bitmap.width,
                                     bitmap.height,  glyph.at.x,  glyph.at.y};
    }
    atlas->lineHeight_ = size->lineHeight;
    atlas->ascent_ = size->ascent;
    atlas->family_ = file->family;
    return atlas;
}

std::size_t GlyphAtlas::RasterisedGlyphCount()
{
    return GlyphRasteriser::RenderCount();
}

} // namespace compat::d3d9::text
