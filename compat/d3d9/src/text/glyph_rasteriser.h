// One font face opened with FreeType at one pixel size, turning glyphs into
// 8-bit coverage bitmaps. Counts every rasterisation it makes, process-wide,
// so that tests and benchmarks can check that drawing text makes none.
#pragma once

#include "cell_size.h"
#include "face_lookup.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace compat::d3d9::text
{

struct GlyphBitmap
{
    int advance = 0; // pen movement in whole pixels
    int left = 0;    // from the pen to the bitmap's left edge
    int top = 0;     // from the baseline up to the bitmap's top edge
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage; // width * height, top row first
};

class GlyphRasteriser
{
public:
    // Null with `whyNot` set when FreeType cannot open the face or the face
    // has no Unicode character map.
    static std::unique_ptr<GlyphRasteriser> Open(const FaceFile& file, std::string& whyNot);
    ~GlyphRasteriser();

    // The Windows ascent and descent (OS/2 table) when the face has them,
    // else its own; the OS/2 average width, else that of the lower-case
    // letters and the space.
    FaceMetrics Metrics() const;
    bool SetSize(const CellSize& size, std::string& whyNot);
    // The face's glyph for `c`; 0, the missing-glyph box, when it has none.
    unsigned GlyphIndex(char32_t c) const;
    bool Render(unsigned glyphIndex, GlyphBitmap& out, std::string& whyNot);

    static std::size_t RenderCount();

private:
    struct LibraryDeleter
    {
        void operator()(FT_LibraryRec_* library) const;
    };
    struct FaceDeleter
    {
        void operator()(FT_FaceRec_* face) const;
    };

    GlyphRasteriser() = default;
    int AverageOwnAdvance() const;

    std::unique_ptr<FT_LibraryRec_, LibraryDeleter> library_;
    std::unique_ptr<FT_FaceRec_, FaceDeleter> face_; // declared after library_: dies first
};

} // namespace compat::d3d9::text
