#pragma once
// One structure of a listing as data: the text before the first header
// (index 0) or a trigger, entry or operation from its header line on. Made
// once where the analysis meets the header; views read it instead of the
// header line.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analyzer/LineModel.h"

namespace lumorca {

struct StructureRecord {
    int32_t Line = 0;          // analysed line of the header
    uint32_t EntityStart = 0;  // the entity as a part of Name; length 0 for none
    uint32_t EntityLength = 0;
    int Kind = HeaderNone;     // HeaderKind of the header line
    // The header without "Trigger " or the qualifier word; "(top)" for the
    // text before the first header.
    std::string Name;

    // The entity of a trigger from an entity or a field, else empty.
    std::string_view Entity() const { return std::string_view(Name).substr(EntityStart, EntityLength); }
};

using StructureList = std::vector<StructureRecord>;

// The record of the text before the first header.
StructureRecord TopStructure();
// The record of a structure whose header is the raw listing line.
StructureRecord HeaderStructure(std::string_view rawLine, int32_t line);

// The name of structure `index`, empty when there is none.
const std::string& StructureNameAt(const StructureList& structures, int32_t index);

}  // namespace lumorca
