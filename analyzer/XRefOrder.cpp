#include "analyzer/XRefOrder.h"

#include "analyzer/LineModel.h"
#include "analyzer/Tree.h"
#include "analyzer/Vocabulary.h"

namespace lumorca {

namespace {

int Sign(int64_t v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

int CompareBytes(const std::string& a, const std::string& b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

const std::string& EntityAt(const std::vector<std::string>& names, uint32_t index) {
    static const std::string none;
    return index < names.size() ? names[index] : none;
}

}  // namespace

int CompareXRefKeys(const SymbolKey& a, const SymbolKey& b, const StructureList& structures,
                    const std::vector<std::string>& entityNames) {
    if (a.Category != b.Category) return a.Category < b.Category ? -1 : 1;
    switch (a.Category) {
        case CatLocalVar:
        case CatParameter:
            if (KeyNumber(a) != KeyNumber(b)) {
                const int c = CompareNoCase(StructureNameAt(structures, static_cast<int32_t>(KeyNumber(a))),
                                            StructureNameAt(structures, static_cast<int32_t>(KeyNumber(b))));
                if (c != 0) return c;
            }
            break;
        case CatField: {
            const int c = CompareBytes(EntityAt(entityNames, a.Value2), EntityAt(entityNames, b.Value2));
            if (c != 0) return c;
            if (a.Value3 != b.Value3) return Sign(int64_t(a.Value3) - int64_t(b.Value3));
            break;
        }
        case CatFunction: {
            std::string_view x = a.Name;
            std::string_view y = b.Name;
            if (!x.empty() && x[0] == '$') x.remove_prefix(1);
            if (!y.empty() && y[0] == '$') y.remove_prefix(1);
            return CompareNoCase(x, y);
        }
        case CatRegister: {
            const int c = CompareRegisterValues(a.Name, b.Name);
            if (c != 0) return c;
            if (a.Value3 != b.Value3) return Sign(int64_t(a.Value3) - int64_t(b.Value3));
            break;
        }
        default:
            if (a.Value2 != b.Value2) return Sign(int64_t(a.Value2) - int64_t(b.Value2));
            if (a.Value3 != b.Value3) return Sign(int64_t(a.Value3) - int64_t(b.Value3));
            break;
    }
    return CompareBytes(a.Name, b.Name);
}

int CompareStructureNodes(const TreeNode* a, const TreeNode* b) {
    const bool triggerA = a->Record.Kind == KindTrigger;
    const bool triggerB = b->Record.Kind == KindTrigger;
    if (triggerA != triggerB) return triggerA ? -1 : 1;
    return CompareNoCase(a->Caption, b->Caption);
}

}  // namespace lumorca
