#include "row_packer.h"

#include <algorithm>

namespace compat::d3d9::text
{

RowPacker::RowPacker(int width, int gap) : width_(width), gap_(gap), rowTop_(gap), x_(gap) {}

std::optional<AtlasPoint> RowPacker::Place(int width, int height)
{
    if (width < 0 || height < 0 || gap_ + width + gap_ > width_)
        return std::nullopt;
    if (x_ + width + gap_ > width_)
    {
        rowTop_ += rowHeight_ + gap_;
        rowHeight_ = 0;
        x_ = gap_;
    }
    const AtlasPoint at{x_, rowTop_};
    x_ += width + gap_;
    rowHeight_ = std::max(rowHeight_, height);
    return at;
}

int RowPacker::Height() const
{
    return rowTop_ + rowHeight_ + gap_;
}

} // namespace compat::d3d9::text
