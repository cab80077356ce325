#include "text_layout.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <limits>

namespace compat::d3d9::text
{
namespace
{

std::string_view UpToNul(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

// The next line of `rest`, which then starts after the line's break.
std::string_view NextLine(std::string_view& rest, bool singleLine)
{
    const std::size_t end = singleLine ? std::string_view::npos : rest.find_first_of("\r\n");
    const std::string_view line = rest.substr(0, end);
    if (end == std::string_view::npos)
        rest = rest.substr(rest.size());
    else
        rest.remove_prefix(end + (rest.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    return line;
}

int64_t LineWidth(const GlyphAtlas& atlas, std::string_view line)
{
    int64_t width = 0;
    for (char c : line)
        width += atlas.GlyphFor(c).advance;
    return width;
}

int64_t FloorHalf(int64_t value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

int ClampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

int64_t LineCount(std::string_view text, bool singleLine)
{
    int64_t lines = 0;
    while (!text.empty())
    {
        NextLine(text, singleLine);
        ++lines;
    }
    return lines;
}

constexpr float kEverywhere = std::numeric_limits<float>::infinity();

struct Clip
{
    float left, top, right, bottom;
};

// The glyph's quad cut to `clip`; false when nothing of it is left.
bool CutQuad(GlyphQuad& quad, const Clip& clip)
{
    if (quad.x1 <= clip.left || quad.x0 >= clip.right || quad.y1 <= clip.top ||
        quad.y0 >= clip.bottom)
        return false;
    const float du = (quad.u1 - quad.u0) / (quad.x1 - quad.x0);
    const float dv = (quad.v1 - quad.v0) / (quad.y1 - quad.y0);
    if (quad.x0 < clip.left)
    {
        quad.u0 += (clip.left - quad.x0) * du;
        quad.x0 = clip.left;
    }
    if (quad.x1 > clip.right)
    {
        quad.u1 -= (quad.x1 - clip.right) * du;
        quad.x1 = clip.right;
    }
    if (quad.y0 < clip.top)
    {
        quad.v0 += (clip.top - quad.y0) * dv;
        quad.y0 = clip.top;
    }
    if (quad.y1 > clip.bottom)
    {
        quad.v1 -= (quad.y1 - clip.bottom) * dv;
        quad.y1 = clip.bottom;
    }
    return true;
}

int64_t LineLeft(const RECT& rect, DWORD format, int64_t lineWidth)
{
    if ((format & DT_CENTER) != 0)
        return rect.left + FloorHalf(int64_t{rect.right} - rect.left - lineWidth);
    if ((format & DT_RIGHT) != 0)
        return rect.right - lineWidth;
    return rect.left;
}

int64_t BlockTop(const GlyphAtlas& atlas, const RECT& rect, DWORD format)
{
    if ((format & DT_SINGLELINE) == 0)
        return rect.top;
    if ((format & DT_VCENTER) != 0)
        return rect.top + FloorHalf(int64_t{rect.bottom} - rect.top - atlas.LineHeight());
    if ((format & DT_BOTTOM) != 0)
        return int64_t{rect.bottom} - atlas.LineHeight();
    return rect.top;
}

} // namespace

int LayOutText(const GlyphAtlas& atlas, std::string_view text, const RECT& rect, DWORD format,
               std::span<GlyphQuad> quads, std::size_t& quadCount)
{
    quadCount = 0;
    text = UpToNul(text);
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    const int height = ClampToInt(LineCount(text, singleLine) * atlas.LineHeight());
    if ((format & DT_CALCRECT) != 0)
        return height;

    const Clip clip = (format & DT_NOCLIP) != 0
                          ? Clip{-kEverywhere, -kEverywhere, kEverywhere, kEverywhere}
                          : Clip{static_cast<float>(rect.left), static_cast<float>(rect.top),
                                 static_cast<float>(rect.right), static_cast<float>(rect.bottom)};
    const float atlasWidth = static_cast<float>(atlas.Width());
    const float atlasHeight = static_cast<float>(atlas.Height());
    int64_t lineTop = BlockTop(atlas, rect, format);
    std::string_view rest = text;
    while (!rest.empty() && quadCount < quads.size() && static_cast<float>(lineTop) < clip.bottom)
    {
        const std::string_view line = NextLine(rest, singleLine);
        const float baseline = static_cast<float>(lineTop + atlas.Ascent());
        int64_t pen = LineLeft(rect, format, LineWidth(atlas, line));
        for (char c : line)
        {
            const Glyph& glyph = atlas.GlyphFor(c);
            const float x0 = static_cast<float>(pen + glyph.left);
            const float y0 = baseline - static_cast<float>(glyph.top);
            pen += glyph.advance;
            if (glyph.width == 0 || glyph.height == 0)
                continue;
            GlyphQuad quad{x0,
                           y0,
                           x0 + static_cast<float>(glyph.width),
                           y0 + static_cast<float>(glyph.height),
                           static_cast<float>(glyph.atlasX) / atlasWidth,
                           static_cast<float>(glyph.atlasY) / atlasHeight,
                           static_cast<float>(glyph.atlasX + glyph.width) / atlasWidth,
                           static_cast<float>(glyph.atlasY + glyph.height) / atlasHeight};
            if (!CutQuad(quad, clip))
                continue;
            quads[quadCount++] = quad;
            if (quadCount == quads.size())
                break;
        }
        lineTop += atlas.LineHeight();
    }
    return height;
}

TextExtent MeasureText(const GlyphAtlas& atlas, std::string_view text, DWORD format)
{
    text = UpToNul(text);
    const bool singleLine = (format & DT_SINGLELINE) != 0;
    int64_t widest = 0;
    int64_t lines = 0;
    for (std::string_view rest = text; !rest.empty(); ++lines)
        widest = std::max(widest, LineWidth(atlas, NextLine(rest, singleLine)));
    return TextExtent{ClampToInt(widest), ClampToInt(lines * atlas.LineHeight())};
}

} // namespace compat::d3d9::text
