// The fifteen mesh files the program loads, each with its builder; the file
// names are those of the world's mesh table (world/MeshTable.h).
#pragma once

#include "geometry/TriangleList.h"

#include <functional>
#include <string>
#include <vector>

namespace yak52
{

struct PartFile
{
    std::string fileName;
    std::function<TriangleList()> build;
};

// In the table's order.
const std::vector<PartFile>& Catalogue();

} // namespace yak52
