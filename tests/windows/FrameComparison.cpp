#include "FrameComparison.h"

#include <algorithm>
#include <cmath>

namespace windows_test
{

namespace
{

bool Inside(Region region, int x, int y)
{
    return x >= region.left && x < region.right && y >= region.top && y < region.bottom;
}

bool NextToSky(const Frame& frame, int x, int y, Rgb sky, int levels)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
        {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < frame.width && ny < frame.height &&
                !Differ(frame.At(nx, ny), sky, levels))
                return true;
        }
    return false;
}

// How far `pixel` lies from `sky` towards `colour`: 0 at the sky, 1 at the
// colour.
double InkAmount(Rgb pixel, Rgb colour, Rgb sky)
{
    const double dr = colour.r - sky.r, dg = colour.g - sky.g, db = colour.b - sky.b;
    const double along = (pixel.r - sky.r) * dr + (pixel.g - sky.g) * dg + (pixel.b - sky.b) * db;
    return along / (dr * dr + dg * dg + db * db);
}

} // namespace

ModelDifference CompareModel(const Frame& first, const Frame& second, Rgb sky, Region excluded,
                             int levels)
{
    ModelDifference result;
    for (int y = 0; y < first.height; ++y)
        for (int x = 0; x < first.width; ++x)
        {
            if (Inside(excluded, x, y))
                continue;
            const Rgb a = first.At(x, y), b = second.At(x, y);
            const bool inFirst = Differ(a, sky, levels), inSecond = Differ(b, sky, levels);
            result.inFirst += inFirst ? 1 : 0;
            result.inSecond += inSecond ? 1 : 0;
            if (!inFirst && !inSecond)
                continue;
            ++result.inEither;
            if (!Differ(a, b, levels))
                continue;
            ++result.differing;
            if (NextToSky(first, x, y, sky, levels) || NextToSky(second, x, y, sky, levels))
                ++result.differingAtEdges;
        }
    return result;
}

std::vector<TextLine> FindTextLines(const Frame& frame, Rgb colour, Rgb sky, Region region)
{
    struct Row
    {
        int count = 0, left = 0, right = 0;
        double strongest = 0;
        double sum[3] = {}; // red, green, blue of the row's ink at full strength
    };
    const int top = std::max(region.top, 0), bottom = std::min(region.bottom, frame.height);
    std::vector<Row> rows;
    int most = 0;
    for (int y = top; y < bottom; ++y)
    {
        Row row{0, region.right, region.left, 0, {}};
        for (int x = std::max(region.left, 0); x < std::min(region.right, frame.width); ++x)
        {
            const Rgb pixel = frame.At(x, y);
            const double amount = InkAmount(pixel, colour, sky);
            if (amount < 0.5)
                continue;
            ++row.count;
            row.left = std::min(row.left, x);
            row.right = std::max(row.right, x + 1);
            row.strongest = std::max(row.strongest, amount);
            // The colour this pixel would have were its ink at full strength.
            row.sum[0] += sky.r + (pixel.r - sky.r) / amount;
            row.sum[1] += sky.g + (pixel.g - sky.g) / amount;
            row.sum[2] += sky.b + (pixel.b - sky.b) / amount;
        }
        most = std::max(most, row.count);
        rows.push_back(row);
    }

    // A line's rows: its letters' bodies. The sparse rows above and below
    // (a slash, a g's tail) may touch the next line's and are left out.
    // Where it stands: the mean row of its ink.
    std::vector<TextLine> lines;
    std::vector<double> sums; // per line: red, green, blue, count, rows' sum
    bool inLine = false;
    for (int y = top; y < bottom; ++y)
    {
        const Row& row = rows[static_cast<std::size_t>(y - top)];
        if (row.count == 0 || row.count * 8 < most)
        {
            inLine = false;
            continue;
        }
        if (!inLine)
        {
            lines.push_back({y, y, row.left, row.right, 0, {}, 0});
            sums.insert(sums.end(), 5, 0.0);
            inLine = true;
        }
        TextLine& line = lines.back();
        line.bottom = y + 1;
        line.left = std::min(line.left, row.left);
        line.right = std::max(line.right, row.right);
        line.strength = std::max(line.strength, row.strongest);
        double* sum = &sums[sums.size() - 5];
        for (int i = 0; i < 3; ++i)
            sum[i] += row.sum[i];
        sum[3] += row.count;
        sum[4] += (y + 0.5) * row.count;
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        const double* sum = &sums[i * 5];
        lines[i].middle = sum[4] / sum[3];
        lines[i].ink = {static_cast<int>(std::lround(sum[0] / sum[3])),
                        static_cast<int>(std::lround(sum[1] / sum[3])),
                        static_cast<int>(std::lround(sum[2] / sum[3]))};
    }
    return lines;
}

} // namespace windows_test
