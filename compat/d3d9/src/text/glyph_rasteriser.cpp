#include "glyph_rasteriser.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <string_view>

namespace compat::d3d9::text
{
namespace
{

std::atomic<std::size_t> renders{0};

std::string FreeTypeError(const std::string& what, FT_Error error)
{
    const char* text = FT_Error_String(error);
    return "FreeType cannot " + what + ": " +
           (text != nullptr ? std::string(text) : "error " + std::to_string(error));
}

FT_F26Dot6 ToF26Dot6(double pixels)
{
    return std::max<FT_F26Dot6>(1, std::lround(pixels * 64));
}

} // namespace

void GlyphRasteriser::LibraryDeleter::operator()(FT_LibraryRec_* library) const
{
    FT_Done_FreeType(library);
}

void GlyphRasteriser::FaceDeleter::operator()(FT_FaceRec_* face) const
{
    FT_Done_Face(face);
}

std::unique_ptr<GlyphRasteriser> GlyphRasteriser::Open(const FaceFile& file, std::string& whyNot)
{
    std::unique_ptr<GlyphRasteriser> rasteriser(new GlyphRasteriser);
    FT_Library library = nullptr;
    if (FT_Error error = FT_Init_FreeType(&library))
    {
        whyNot = FreeTypeError("start", error);
        return nullptr;
    }
    rasteriser->library_.reset(library);
    FT_Face face = nullptr;
    if (FT_Error error = FT_New_Face(library, file.path.c_str(), file.index, &face))
    {
        whyNot = FreeTypeError("open \"" + file.path + "\"", error);
        return nullptr;
    }
    rasteriser->face_.reset(face);
    if (!FT_IS_SCALABLE(face))
    {
        whyNot = "the face in \"" + file.path + "\" has no outlines to scale";
        return nullptr;
    }
    if (FT_Error error = FT_Select_Charmap(face, FT_ENCODING_UNICODE))
    {
        whyNot = FreeTypeError("find a Unicode character map in \"" + file.path + "\"", error);
        return nullptr;
    }
    return rasteriser;
}

GlyphRasteriser::~GlyphRasteriser() = default;

FaceMetrics GlyphRasteriser::Metrics() const
{
    FT_Face face = face_.get();
    FaceMetrics metrics{face->units_per_EM, face->ascender, -face->descender, 0};
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF)
    {
        if (os2->usWinAscent + os2->usWinDescent > 0)
        {
            metrics.ascent = os2->usWinAscent;
            metrics.descent = os2->usWinDescent;
        }
        metrics.averageWidth = os2->xAvgCharWidth;
    }
    if (metrics.averageWidth <= 0)
        metrics.averageWidth = AverageOwnAdvance();
    return metrics;
}

int GlyphRasteriser::AverageOwnAdvance() const
{
    long sum = 0;
    int count = 0;
    for (char32_t c : std::u32string_view(U"abcdefghijklmnopqrstuvwxyz "))
    {
        FT_Fixed advance = 0;
        const FT_UInt index = FT_Get_Char_Index(face_.get(), c);
        if (index != 0 && FT_Get_Advance(face_.get(), index, FT_LOAD_NO_SCALE, &advance) == 0)
        {
            sum += advance;
            ++count;
        }
    }
    return count == 0 ? 0 : static_cast<int>(sum / count);
}

bool GlyphRasteriser::SetSize(const CellSize& size, std::string& whyNot)
{
    if (FT_Error error = FT_Set_Char_Size(face_.get(), ToF26Dot6(size.emWidth),
                                          ToF26Dot6(size.emHeight), 72, 72))
    {
        whyNot = FreeTypeError("set a size of " + std::to_string(size.emWidth) + " x " +
                                   std::to_string(size.emHeight) + " pixels",
                               error);
        return false;
    }
    return true;
}

unsigned GlyphRasteriser::GlyphIndex(char32_t c) const
{
    return FT_Get_Char_Index(face_.get(), c);
}

bool GlyphRasteriser::Render(unsigned glyphIndex, GlyphBitmap& out, std::string& whyNot)
{
    FT_Face face = face_.get();
    ++renders;
    if (FT_Error error = FT_Load_Glyph(face, glyphIndex,
                                       FT_LOAD_RENDER | FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL))
    {
        whyNot = FreeTypeError("render glyph " + std::to_string(glyphIndex), error);
        return false;
    }
    const FT_GlyphSlot slot = face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows * bitmap.width != 0)
    {
        whyNot = "FreeType rendered glyph " + std::to_string(glyphIndex) + " in pixel mode " +
                 std::to_string(bitmap.pixel_mode) + ", not 8-bit grey";
        return false;
    }
    out.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    out.left = slot->bitmap_left;
    out.top = slot->bitmap_top;
    out.width = static_cast<int>(bitmap.width);
    out.height = static_cast<int>(bitmap.rows);
    out.coverage.resize(static_cast<std::size_t>(out.width) * out.height);
    const int stride = std::abs(bitmap.pitch);
    for (int y = 0; y < out.height; ++y)
    {
        const int row = bitmap.pitch >= 0 ? y : out.height - 1 - y;
        std::memcpy(out.coverage.data() + static_cast<std::size_t>(y) * out.width,
                    bitmap.buffer + static_cast<std::ptrdiff_t>(row) * stride, out.width);
    }
    return true;
}

std::size_t GlyphRasteriser::RenderCount()
{
    return renders.load();
}

} // namespace compat::d3d9::text
