// The fifteen mesh files the program loads, by file name, with the builder of each.
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

const std::vector<PartFile>& Catalogue();

} // namespace yak52
