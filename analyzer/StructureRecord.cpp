#include "analyzer/StructureRecord.h"

namespace lumorca {

namespace {

// "Field: NAME.ENTITY.MODEL" and "Entity: ENTITY.MODEL" name the entity.
std::string_view HeaderEntity(std::string_view name) {
    const std::string_view kind = NthWordView(name, 3);
    std::string_view entity;
    if (kind == "Field:") {
        entity = NthWordView(name, 4);
        const size_t dot = entity.find('.');
        if (dot != std::string_view::npos) entity.remove_prefix(dot + 1);
    } else if (kind == "Entity:") {
        entity = NthWordView(name, 4);
    } else {
        return {};
    }
    return entity.substr(0, entity.find('.'));
}

}  // namespace

StructureRecord TopStructure() {
    StructureRecord record;
    record.Name = "(top)";
    return record;
}

StructureRecord HeaderStructure(std::string_view rawLine, int32_t line) {
    StructureNameResult header = HeaderName(rawLine);
    StructureRecord record;
    record.Line = line;
    record.Kind = header.Kind;
    record.Name = std::move(header.Name);
    if (record.Kind == HeaderTrigger) {
        const std::string_view entity = HeaderEntity(record.Name);
        if (!entity.empty()) {
            record.EntityStart = static_cast<uint32_t>(entity.data() - record.Name.data());
            record.EntityLength = static_cast<uint32_t>(entity.size());
        }
    }
    return record;
}

const std::string& StructureNameAt(const StructureList& structures, int32_t index) {
    static const std::string none;
    if (index < 0 || static_cast<size_t>(index) >= structures.size()) return none;
    return structures[static_cast<size_t>(index)].Name;
}

}  // namespace lumorca
