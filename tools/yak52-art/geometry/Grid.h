// A surface stitched between rows of points: each row is a closed loop with
// the same number of points, consecutive rows are joined by quads. A row whose
// points all coincide is a pole (the tip of a spinner, the centre of a cap):
// it is joined to its neighbour by a fan. A grid that starts and ends with a
// pole is a closed solid.
//
// Normals are smooth across the grid (shared by neighbouring triangles) except
// at creases: a crease column (a point of the loop, such as a trailing edge)
// or a crease row (a loop, such as the rim of a flat cap) gives each side its
// own normal, so the edge looks sharp.
#pragma once

#include "geometry/TriangleList.h"
#include "geometry/Vec3.h"

#include <vector>

namespace yak52
{

struct Grid
{
    std::vector<std::vector<Vec3>> rows;
    std::vector<bool> creaseColumns; // empty, or one flag per loop point
    std::vector<bool> creaseRows;    // empty, or one flag per row

    void AddRow(std::vector<Vec3> row, bool crease = false);
    // A pole at `point`; `crease` splits the normals along the row before it.
    void AddPole(Vec3 point, std::size_t loopSize, bool creaseBefore = false);
};

// The grid's triangles, facing outward when the grid is closed.
TriangleList Stitch(const Grid& grid);

} // namespace yak52
