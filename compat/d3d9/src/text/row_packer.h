// Places rectangles in rows ("shelves") across a fixed width, each row as
// tall as its tallest rectangle, with a gap of empty pixels around each one
// so that filtering at a rectangle's edge never picks up its neighbour.
#pragma once

#include <optional>

namespace compat::d3d9::text
{

struct AtlasPoint
{
    int x = 0;
    int y = 0;
};

class RowPacker
{
public:
    RowPacker(int width, int gap);

    // The top-left corner of a new width x height rectangle; null when it is
    // wider than a row. Rectangles fed tallest first waste the least space.
    std::optional<AtlasPoint> Place(int width, int height);
    // The height that the rows so far take, with the gap below the last one.
    int Height() const;

private:
    int width_;
    int gap_;
    int rowTop_;
    int rowHeight_ = 0;
    int x_;
};

} // namespace compat::d3d9::text
