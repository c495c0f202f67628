#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdio>
#include <numeric>
#include <unordered_map>

#include "analyzer/Analysis.h"
#include "analyzer/AnalysisState.h"
#include "analyzer/Classification.h"
#include "analyzer/ListingReader.h"
#include "analyzer/SourceText.h"
#include "analyzer/StructureParser.h"
#include "analyzer/SymbolFindings.h"
#include "analyzer/TreeImages.h"
#include "analyzer/Vocabulary.h"
#include "analyzer/XRefOrder.h"
#include "analyzer/XRefTree.h"
#include "texts/TextIds.h"
#include "texts/Texts.h"

namespace lumorca {

namespace {

AnalysisObserver& Quiet() {
    static AnalysisObserver observer;
    return observer;
}

int ProgressValue(size_t count) { return static_cast<int>(count / 10); }

void FreeAnalysisTables(AnalysisState& state, AnalysisObserver& observer) {
    state.Symbols.clear();
    state.Symbols.shrink_to_fit();
    state.Index.Release();
    state.EntityNames.clear();
    state.DeclaredParams.clear();
    state.DeclaredLocals.clear();
    state.FieldEntities.clear();
    state.FirstChildByCaption.clear();
    if (state.TraceLevel(4)) state.Trace->SetVisible(false);
    observer.ProgressVisible(false);
}

// The tables the parse and the rework look names up in; the cross-reference
// tree is built without them, so they go before it to keep the peak low.
void FreeLookupTables(AnalysisState& state) {
    state.Index.Release();
    NameSet().swap(state.DeclaredParams);
    NameSet().swap(state.DeclaredLocals);
    std::unordered_map<std::string, std::vector<std::string>>().swap(state.FieldEntities);
    std::unordered_map<std::string, TreeNode*>().swap(state.FirstChildByCaption);
}

// Phase 2: every line once; continued lines make one statement.
void ParseListing(AnalysisState& state, AnalysisObserver& observer) {
    ListingLines& lines = state.Lines;
    const size_t total = lines.size();
    TokenList tokens;
    std::string text;
    size_t kept = 0;  // dropped empty lines close up behind the kept ones
    size_t steps = 0;
    std::vector<int32_t>& fileLines = state.Result.FileLines;
    bool dropped = false;
    for (size_t read = 0; read < total; ++read) {
        observer.ProcessPendingEvents();
        if (state.Settings.IgnoreEmptyLines && IsDroppedEmptyLine(lines[read])) {
            if (!dropped) {
                dropped = true;
                fileLines.resize(kept);
                std::iota(fileLines.begin(), fileLines.end(), 0);
            }
            ++steps;
            observer.ProgressPosition(ProgressValue(steps));
            continue;
        }
        if (dropped) fileLines.push_back(static_cast<int32_t>(read));
        if (kept != read) lines[kept] = std::move(lines[read]);
        const int32_t line = static_cast<int32_t>(kept);
        ListingLineTextInto(text, lines[kept], true, true);
        if (!tokens.empty()) {
            if (tokens.back().Text == "%\\") {
                tokens.pop_back();
            } else {
                tokens.clear();
            }
        }
        state.Tok.TokenizeLine(tokens, text, line, false, lines[kept]);
        if (tokens.size() > 1 && tokens.back().Text != "%\\") {
            ParseStatement(state, tokens);
            if (!tokens.empty()) {
                tokens.insert(tokens.begin(), state.Tok.LineMarker(line));
                ParseStatement(state, tokens);
            }
        }
        ++kept;
        ++steps;
        observer.ProgressPosition(ProgressValue(steps));
    }
    lines.resize(kept);
}

void TraceFieldEntities(AnalysisState& state) {
    std::vector<const std::string*> fields;
    for (const auto& entry : state.FieldEntities) fields.push_back(&entry.first);
    std::sort(fields.begin(), fields.end(),
              [](const std::string* a, const std::string* b) { return *a < *b; });
    for (const std::string* field : fields) {
        state.Trace->Line(*field);
        for (const std::string& entity : state.FieldEntities[*field]) state.Trace->Line("  ---" + entity);
    }
}

void SortRefsByLine(std::vector<ReferenceRecord>& refs) {
    std::stable_sort(refs.begin(), refs.end(), [](const ReferenceRecord& a, const ReferenceRecord& b) {
        return a.Line < b.Line;
    });
}

// Symbols in the order of their keys.
std::vector<uint32_t> KeyOrder(const std::vector<Symbol>& symbols) {
    std::vector<uint32_t> order(symbols.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&symbols](uint32_t a, uint32_t b) {
        return KeyByteLess(symbols[a].Key, symbols[b].Key);
    });
    return order;
}

// The first criterion of the tree order as a number: category, then the
// structure name of locals and parameters, the entity of fields, or the
// second key value. Functions and registers order by name alone: 0.
class LeadingOrder {
public:
    LeadingOrder(const AnalysisState& state, const StructureList& structures) : entities_(state.EntityNames) {
        for (const Symbol& symbol : state.Symbols) {
            if (IsLocal(symbol.Key.Category)) structures_.push_back(symbol.Key.Value2);
        }
        std::sort(structures_.begin(), structures_.end());
        structures_.erase(std::unique(structures_.begin(), structures_.end()), structures_.end());
        std::vector<uint32_t> byName = structures_;
        std::stable_sort(byName.begin(), byName.end(), [&structures](uint32_t a, uint32_t b) {
            return CompareNoCase(StructureNameAt(structures, static_cast<int32_t>(a)),
                                 StructureNameAt(structures, static_cast<int32_t>(b))) < 0;
        });
        structureRanks_.assign(structures_.size(), 0);
        uint32_t rank = 0;
        for (size_t i = 0; i < byName.size(); ++i) {
            if (i > 0 && CompareNoCase(StructureNameAt(structures, static_cast<int32_t>(byName[i - 1])),
                                       StructureNameAt(structures, static_cast<int32_t>(byName[i]))) != 0) {
                ++rank;
            }
            structureRanks_[Position(byName[i])] = rank;
        }
    }

    uint64_t Of(const SymbolKey& key) const {
        uint32_t value = 0;
        if (IsLocal(key.Category)) {
            value = structureRanks_[Position(key.Value2)];
        } else if (key.Category == CatField) {
            // Entity names are sorted and unique: their index is their order;
            // one past the end reads as the empty name.
            const bool emptyFirst = !entities_.empty() && entities_.front().empty();
            value = key.Value2 < entities_.size() ? key.Value2 + 1 : (emptyFirst ? 1 : 0);
        } else if (key.Category != CatFunction && key.Category != CatRegister) {
            value = key.Value2;
        }
        return (static_cast<uint64_t>(key.Category) << 32) | value;
    }

private:
    const std::vector<std::string>& entities_;
    std::vector<uint32_t> structures_;  // sorted
    std::vector<uint32_t> structureRanks_;

    static bool IsLocal(int category) { return category == CatLocalVar || category == CatParameter; }
    size_t Position(uint32_t structure) const {
        return static_cast<size_t>(std::lower_bound(structures_.begin(), structures_.end(), structure) -
                                   structures_.begin());
    }
};

// Symbols in the order of the cross-reference tree; keys that order holds
// equal keep the order of their key bytes. One sort: the leading numbers
// decide most comparisons without reading a name.
std::vector<uint32_t> XRefOrder(const AnalysisState& state, const StructureList& structures) {
    const LeadingOrder leading(state, structures);
    struct Item {
        uint64_t Leading;
        uint32_t Index;
    };
    std::vector<Item> items;
    items.reserve(state.Symbols.size());
    for (uint32_t i = 0; i < state.Symbols.size(); ++i) items.push_back({leading.Of(state.Symbols[i].Key), i});
    std::sort(items.begin(), items.end(), [&state, &structures](const Item& a, const Item& b) {
        if (a.Leading != b.Leading) return a.Leading < b.Leading;
        const SymbolKey& x = state.Symbols[a.Index].Key;
        const SymbolKey& y = state.Symbols[b.Index].Key;
        const int c = CompareXRefKeys(x, y, structures, state.EntityNames);
        return c != 0 ? c < 0 : KeyByteLess(x, y);
    });
    std::vector<uint32_t> order;
    order.reserve(items.size());
    for (const Item& item : items) order.push_back(item.Index);
    return order;
}

class Rework {
public:
    Rework(AnalysisState& state) : state_(state) {}

    size_t Run() {
        const std::vector<uint32_t> order = KeyOrder(state_.Symbols);
        for (const uint32_t index : order) FirstPass(state_.Symbols[index].Key);
        JoinEqualKeys(order);
        if (state_.Settings.TryToMerge) {
            for (const uint32_t index : order) MergeIntoEntity(index);
        }
        return removed_;
    }

private:
    AnalysisState& state_;
    size_t removed_ = 0;

    void FirstPass(SymbolKey& key) {
        switch (key.Category) {
            case CatField: {
                const size_t dot = key.Name.find('.');
                std::string entity = dot == std::string::npos ? key.Name : key.Name.substr(dot + 1);
                const size_t next = entity.find('.');
                if (next != std::string::npos) entity.resize(next);
                const int index = state_.EntityIndex(entity);
                if (index >= 0) {
                    key.Value2 = static_cast<uint32_t>(index);
                    key.Value3 = 1;
                } else {
                    key.Category = CatOtherVar;
                }
                break;
            }
            case CatMessage:
                if (key.Name == "ERROR") {
                    key.Value2 = 0;
                } else if (key.Name == "WARNING") {
                    key.Value2 = 1;
                } else if (key.Name.compare(0, 7, "WARNING") == 0) {
                    key.Value2 = 2;
                } else {
                    key.Value2 = 3;
                }
                break;
            case CatTriggerNo:
                key.Value2 = static_cast<uint32_t>(5 + key.Name.size());
                break;
            case CatNumber:
                key.Value2 = static_cast<uint32_t>(key.Name.size() + (key.Name.compare(0, 1, "-") == 0 ? 0 : 12));
                break;
            case CatOtherVar: {
                const int index = state_.EntityIndex(key.Name);
                if (index >= 0) {
                    key.Category = CatField;
                    key.Value2 = static_cast<uint32_t>(index);
                    key.Value3 = 0;
                }
                break;
            }
            default:
                break;
        }
    }

    void Remove(Symbol& symbol) {
        symbol.Key.Category = CatRemoved;
        ++removed_;
    }

    // A symbol that now has the key of one before it in list order joins it.
    void JoinEqualKeys(const std::vector<uint32_t>& order) {
        SymbolIndex& index = state_.Index;
        index.Clear();
        for (const uint32_t i : order) {
            const uint32_t firstPosition = index.Insert(i);
            if (firstPosition == i) continue;
            Symbol& symbol = state_.Symbols[i];
            Symbol& first = state_.Symbols[firstPosition];
            first.Refs.insert(first.Refs.end(), symbol.Refs.begin(), symbol.Refs.end());
            SortRefsByLine(first.Refs);
            symbol.Refs.clear();
            Remove(symbol);
        }
    }

    std::string_view EntityOf(int32_t structure) const {
        const StructureList& structures = state_.Result.Structures;
        if (structure < 0 || static_cast<size_t>(structure) >= structures.size()) return {};
        return structures[static_cast<size_t>(structure)].Entity();
    }

    uint32_t SymbolFor(const SymbolKey& key) {
        const uint32_t found = state_.Index.Find(key);
        if (found != SymbolIndex::kNone) return found;
        const uint32_t position = static_cast<uint32_t>(state_.Symbols.size());
        state_.Symbols.push_back(Symbol{key, {}});
        state_.Index.Insert(position);
        return position;
    }

    void MergeIntoEntity(uint32_t index) {
        if (state_.Symbols[index].Key.Category != CatOtherVar) return;
        const std::string name = state_.Symbols[index].Key.Name;
        const auto field = state_.FieldEntities.find(name);
        if (field == state_.FieldEntities.end()) return;
        const std::vector<std::string>& entities = field->second;
        if (entities.size() == 1) {
            MergeWhole(index, name, entities.front());
        } else if (entities.size() > 1) {
            MergeByStructure(index, name, entities);
        }
    }

    // The field exists in one entity only: the whole symbol becomes its field.
    void MergeWhole(uint32_t index, const std::string& name, const std::string& entity) {
        const int entityIndex = state_.EntityIndex(entity);
        if (entityIndex < 0) return;
        SymbolKey key{CatField, static_cast<uint32_t>(entityIndex), 1, name};
        if (state_.TraceLevel(10)) {
            state_.Trace->Line(KeyTraceText(key) + " moved to Entity " + std::to_string(entityIndex) +
                               " / " + entity);
        }
        key.Name += "." + entity;
        const uint32_t existing = state_.Index.Find(key);
        if (existing != SymbolIndex::kNone) {
            Symbol& target = state_.Symbols[existing];
            Symbol& symbol = state_.Symbols[index];
            target.Refs.insert(target.Refs.end(), symbol.Refs.begin(), symbol.Refs.end());
            SortRefsByLine(target.Refs);
            symbol.Refs.clear();
            state_.Index.Erase(symbol.Key);
            Remove(symbol);
        } else {
            state_.Index.Erase(state_.Symbols[index].Key);
            state_.Symbols[index].Key = key;
            state_.Index.Insert(index);
        }
    }

    // The field exists in several entities: each use moves to the entity of
    // the trigger it stands in, if that is one of them.
    void MergeByStructure(uint32_t index, const std::string& name,
                          const std::vector<std::string>& entities) {
        std::vector<ReferenceRecord> refs = std::move(state_.Symbols[index].Refs);
        std::vector<ReferenceRecord> stay;
        for (const ReferenceRecord& ref : refs) {
            const std::string entity(EntityOf(ref.StructureIndex));
            const int entityIndex = entity.empty() ? -1 : state_.EntityIndex(entity);
            if (entityIndex < 0 || std::find(entities.begin(), entities.end(), entity) == entities.end()) {
                stay.push_back(ref);
                continue;
            }
            const uint32_t target =
                SymbolFor(SymbolKey{CatField, static_cast<uint32_t>(entityIndex), 1, name + "." + entity});
            state_.Symbols[target].Refs.push_back(ref);
            if (state_.TraceLevel(13)) {
                state_.Trace->Line(KeyTraceText(state_.Symbols[index].Key).substr(2) + ": Reference [" +
                                   std::to_string(ref.Line) + "] moved to Entity " + entity);
                for (size_t e = 0; e < entities.size(); ++e) {
                    state_.Trace->Line("  [" + std::to_string(e) + "] " + entities[e]);
                }
            }
        }
        Symbol& symbol = state_.Symbols[index];
        symbol.Refs = std::move(stay);
        if (symbol.Refs.empty()) {
            state_.Index.Erase(symbol.Key);
            Remove(symbol);
        }
    }
};

class XRefBuilder {
public:
    XRefBuilder(AnalysisState& state, AnalysisObserver& observer, const StructureList& structures)
        : state_(state), observer_(observer), structures_(structures) {}

    void Build(const std::vector<uint32_t>& order, size_t removed) {
        Tree& xref = state_.Result.XRef;
        observer_.TaskChanged(TextCreatingXRef);
        const long maximum = static_cast<long>(order.size()) - 1 - static_cast<long>(removed);
        observer_.ProgressMaximum(static_cast<int>(maximum / 10));
        observer_.ProgressPosition(0);
        observer_.ProgressVisible(true);

        // The symbols leave the table for the result in tree order; the
        // removed ones sort last and go with the table.
        std::vector<Symbol>& symbols = state_.Result.Symbols;
        symbols.reserve(order.size() - removed);
        for (const uint32_t index : order) {
            if (state_.Symbols[index].Key.Category == CatRemoved) break;
            symbols.push_back(std::move(state_.Symbols[index]));
        }
        std::vector<Symbol>().swap(state_.Symbols);
        state_.Result.EntityNames = std::move(state_.EntityNames);
        std::vector<TreeNode*> nodes(symbols.size(), nullptr);

        TreeNode* firstStructure = state_.Result.Structure.FirstRoot();
        TreeNode* root = xref.Add(nullptr, firstStructure ? firstStructure->Caption : std::string(), ImageForm,
                                 NodeRole::XRefRoot);
        int previousCategory = 0;
        TreeNode* category = nullptr;
        TreeNode* group = nullptr;
        bool haveGroup = false;
        uint32_t groupValue = 0;
        for (size_t k = 0; k < symbols.size(); ++k) {
            observer_.ProcessPendingEvents();
            const Symbol& symbol = symbols[k];
            const int c = symbol.Key.Category;
            if (c > previousCategory) {
                category = xref.AddWithRecord(root, std::string(), ImageCategory,
                                              NodeRecord{-1, -1, static_cast<uint8_t>(c)},
                                              NodeRole::Category);
                group = nullptr;
                haveGroup = false;
            }
            previousCategory = c;
            if (c == CatField) {
                if (!haveGroup || symbol.Key.Value2 != groupValue) {
                    const std::vector<std::string>& entities = state_.Result.EntityNames;
                    const std::string entity =
                        symbol.Key.Value2 < entities.size() ? entities[symbol.Key.Value2] : std::string();
                    group = xref.Add(category, "Entity " + entity, ImageEntity, NodeRole::Group);
                    group->Record.Kind = static_cast<uint8_t>(c);
                    haveGroup = true;
                    groupValue = symbol.Key.Value2;
                }
            } else if (c == CatLocalVar || c == CatParameter) {
                if (!haveGroup || KeyNumber(symbol.Key) != groupValue) {
                    const std::string& header =
                        StructureNameAt(structures_, static_cast<int32_t>(KeyNumber(symbol.Key)));
                    const int headerKind = StructureLineKind(header);
                    std::string caption = LowerCase(header);
                    if (!caption.empty()) caption[0] = static_cast<char>(UpperChar(static_cast<unsigned char>(caption[0])));
                    const int image = headerKind == HeaderTrigger ? ImageTrigger : ImageEntry;
                    group = xref.Add(category, std::move(caption), image, NodeRole::Group);
                    group->Record.Kind = static_cast<uint8_t>(c);
                    if (TreeNode* owner = OwnerOf(headerKind, header)) {
                        xref.SetOwner(group, owner);
                        if (c == CatParameter) parameters_.emplace(owner, group);
                    }
                    haveGroup = true;
                    groupValue = KeyNumber(symbol.Key);
                }
            }
            TreeNode* parent = group ? group : category;
            // An entity named as such has its references under its group.
            TreeNode* node = parent;
            if (!(c == CatField && symbol.Key.Value3 == 0)) {
                node = xref.AddWithRecord(parent, LowerCase(symbol.Key.Name), c == CatField ? ImageField : ImageSymbol,
                                          NodeRecord{-1, -1, 0}, NodeRole::Symbol);
                xref.ReserveChildren(node, symbol.Refs.size());
                if (c == CatEntry || c == CatOperation) {
                    (c == CatEntry ? entries_ : operations_).emplace(UpperCase(node->Caption), node);
                }
            }
            nodes[k] = node;
            for (const ReferenceRecord& ref : symbol.Refs) {
                std::string caption = ReferenceCaption(ref);
                if (state_.TraceLevel(12)) {
                    state_.Trace->Line(caption + std::to_string(ref.Line) + " / " +
                                       std::to_string(ref.StructureIndex));
                }
                xref.AddWithRecord(node, std::move(caption), RefKindImage(ref.Kind),
                                   NodeRecord{ref.StructureIndex, ref.Line, ref.Kind}, NodeRole::Reference);
            }
            observer_.ProgressPosition(ProgressValue(k));
        }
        std::vector<int32_t>().swap(ownNumbers_);  // only the captions need them
        xref.SetSymbolNodes(std::move(nodes));
    }

    // The findings of every symbol, in the order of the tree.
    std::vector<FindingRecord> Findings() const {
        std::vector<FindingRecord> findings;
        // Mostly one finding a symbol or none; growing by doubling would
        // hold the old and the new buffer at the peak of the analysis.
        const Tree& xref = state_.Result.XRef;
        findings.reserve(xref.SymbolNodeCount());
        for (size_t i = 0; i < xref.SymbolNodeCount(); ++i) {
            const TreeNode* node = xref.NodeOfSymbol(i);
            if (node == nullptr || node->Role != NodeRole::Symbol) continue;
            const Symbol& symbol = state_.Result.Symbols[i];
            SymbolFacts facts;
            facts.Index = static_cast<int32_t>(i);
            facts.Category = symbol.Key.Category;
            facts.KeyName = symbol.Key.Name;
            facts.Caption = node->Caption;
            facts.Refs = &symbol.Refs;
            const auto parameters = parameters_.find(node);
            if (parameters != parameters_.end()) {
                facts.Parameters = static_cast<int>(parameters->second->Children.size());
            }
            DecideSymbolFindings(facts, state_.Lines, state_.Settings, findings);
        }
        return findings;
    }

private:
    AnalysisState& state_;
    AnalysisObserver& observer_;
    const StructureList& structures_;
    // Entry or operation -> the first group of its parameters.
    std::unordered_map<const TreeNode*, const TreeNode*> parameters_;
    // Entry and operation symbols by upper-cased name, the first of equal
    // ones, for the groups of locals and parameters that belong to them.
    std::unordered_map<std::string, TreeNode*> entries_;
    std::unordered_map<std::string, TreeNode*> operations_;

    TreeNode* OwnerOf(int headerKind, const std::string& header) const {
        const std::unordered_map<std::string, TreeNode*>* symbols = nullptr;
        size_t wordLength = 0;
        if (headerKind == HeaderEntry) {
            symbols = &entries_;
            wordLength = 6;  // "ENTRY "
        } else if (headerKind == HeaderOperation || headerKind == HeaderQualifiedOperation) {
            symbols = &operations_;
            wordLength = 10;  // "OPERATION "
        } else {
            return nullptr;
        }
        const auto it = symbols->find(UpperCase(header.substr(std::min(wordLength, header.size()))));
        return it == symbols->end() ? nullptr : it->second;
    }

    // The listing's own line number of each line; a number, not its text.
    static constexpr int32_t kNoNumber = INT32_MIN;
    std::vector<int32_t> ownNumbers_;

    std::string ReferenceCaption(const ReferenceRecord& ref) {
        const int how = state_.Settings.How2ShowXRef;
        std::string caption;
        if (how != 1) {
            // The line index right-aligned in 4 characters, as "%4d" gives it.
            char digits[16];
            const size_t length = static_cast<size_t>(
                std::to_chars(digits, digits + sizeof digits, ref.Line).ptr - digits);
            const size_t width = std::max<size_t>(length, 4);
            const std::string& name = StructureNameAt(structures_, ref.StructureIndex);
            caption.reserve(width + 8 + name.size());
            caption.append(width - length, ' ');
            caption.append(digits, length);
            if (how == 0) return caption;
            caption += ' ';
            caption += name;
        } else {
            caption = StructureNameAt(structures_, ref.StructureIndex);
        }
        if (ownNumbers_.empty() && !state_.Lines.empty()) {
            // One pass in line order; the references visit lines at random.
            ownNumbers_.reserve(state_.Lines.size());
            for (const std::string& line : state_.Lines) {
                int32_t number = 0;
                ownNumbers_.push_back(ListingLineNumberValue(line, number) ? number : kNoNumber);
            }
        }
        if (ref.Line < 0 || static_cast<size_t>(ref.Line) >= ownNumbers_.size()) return caption;
        const int32_t number = ownNumbers_[static_cast<size_t>(ref.Line)];
        if (number != kNoNumber) {
            char digits[16];
            const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
            caption += " [";
            caption.append(digits, static_cast<size_t>(end - digits));
            caption += ']';
        }
        return caption;
    }
};

}  // namespace

AnalysisResult AnalyzeListing(ListingLines& lines, const AnalysisSettings& settings,
                              AnalysisObserver* observerPointer, TraceSink* trace) {
    AnalysisObserver& observer = observerPointer ? *observerPointer : Quiet();
    AnalysisResult result;
    result.ListingComponent = ListingComponentOf(lines);
    AnalysisState state(lines, settings, result, trace);

    // Set-up
    observer.TaskChanged(TextCreatingStructure);
    observer.ProgressMaximum(ProgressValue(lines.size()));
    observer.ProgressPosition(0);
    observer.ProgressVisible(true);
    result.StructureStarts.assign(1, 0);
    result.Structures.push_back(TopStructure());
    state.Symbols.reserve(lines.size() / 4 + 16);
    state.Index.Reserve(lines.size() / 4 + 16);

    ParseListing(state, observer);
    if (result.Structure.Empty()) {
        FreeAnalysisTables(state, observer);
        return result;
    }
    if (state.TraceLevel(10)) TraceFieldEntities(state);

    // Rework of the symbol table
    observer.TaskChanged(TextWorkingOnXRef);
    const size_t removed = Rework(state).Run();
    FreeLookupTables(state);

    // Sorting
    char info[64];
    std::snprintf(info, sizeof info, "%d Symbols found.", static_cast<int>(state.Symbols.size()));
    observer.InfoLine(info);
    result.SymbolCount = state.Symbols.size();
    observer.TaskChanged(TextSortingXRef);
    result.Structure.SortAll([](const TreeNode* a, const TreeNode* b) {
        return CompareStructureNodes(a, b) < 0;
    });
    const StructureList& structures = result.Structures;
    const std::vector<uint32_t> order = XRefOrder(state, structures);

    // The cross-reference tree
    XRefBuilder builder(state, observer, structures);
    builder.Build(order, removed);
    result.Findings = builder.Findings();
    MarkWarnings(result.XRef, result.Findings);
    observer.ProgressVisible(false);
    observer.TaskChanged(TextFinishing);
    // Every node was added with its image as selected image too.
    if (settings.SortLocals) ArrangeLocals(result.XRef, true);
    FreeAnalysisTables(state, observer);
    std::stable_sort(result.EntryList.begin(), result.EntryList.end(),
                     [](const std::string& a, const std::string& b) { return CompareNoCase(a, b) < 0; });
    return result;
}

}  // namespace lumorca
