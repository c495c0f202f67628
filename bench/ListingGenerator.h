#pragma once
// A deterministic generator of realistic compiler listings: a form with
// entities and fields, component, entity and field triggers, entries with
// parameters and local variables that call each other, operations, strings
// with substitutions, selects, continued lines, labels and compiler messages.
// The same seed and size always give the same bytes on every platform.
#include <cstddef>
#include <cstdint>
#include <string>

namespace lumorca::bench {

struct ListingShape {
    size_t Lines = 10000;       // about this many lines (a trigger is never cut)
    uint32_t Seed = 1;
    std::string Component = "ORDERS";
    bool CrLf = true;           // line breaks as the compiler writes them
};

// The listing as file bytes.
std::string GenerateListing(const ListingShape& shape);

}  // namespace lumorca::bench
