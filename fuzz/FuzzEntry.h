#pragma once
// One fuzz input through everything a listing goes through: reading,
// recognition, the analysis, and the call trees of every entry.
#include <cstddef>
#include <cstdint>

namespace lumorca::fuzz {

void AnalyzeBytes(const uint8_t* data, size_t size);

}  // namespace lumorca::fuzz
