#pragma once
// The listing as the analysis sees it: one 8-bit string per physical line,
// index = line number from 0. Bytes are Latin-1 characters.
#include <cstdint>
#include <string>
#include <vector>

namespace lumorca {

using ListingLines = std::vector<std::string>;

// Header line of every trigger, entry and operation in listing order;
// element 0 stands for the text before the first header.
using StructureStartList = std::vector<int32_t>;

}  // namespace lumorca
