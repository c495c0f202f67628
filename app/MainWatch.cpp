// Reloading the shown listing when its file changed, and keeping the
// user's place over it.
#include <QScrollBar>
#include <QTreeView>

#include "analyzer/LineModel.h"
#include "analyzer/SymbolLookup.h"
#include "analyzer/XRefTree.h"
#include "app/ListingBar.h"
#include "app/ListingWatch.h"
#include "app/CallWindow.h"
#include "app/XRefWindow.h"
#include "app/Main.h"
#include "app/SourceView.h"
#include "app/TreeModel.h"

namespace lumorca::gui {

// Where the user is, by names that survive a new analysis.
struct TListingPlace {
    int TopRow = 0;
    // The XRef selection by what it shows, in no language: a category, a
    // symbol, or the group that holds a symbol.
    enum class TXRefShown { Nothing, Category, Symbol, GroupOfSymbol };
    TXRefShown XRefShown = TXRefShown::Nothing;
    int XRefCategory = 0;
    std::string XRefName;     // the symbol's key name
    int32_t XRefOwner = -1;   // the structure of a local variable or parameter
    std::string XRefOwnerName;  // and its name: lines added above may move it
    QString CallEntry;
    std::vector<TSourceView::TBookmarkPlace> Bookmarks;
};

void TMain::CreateListingWatch() {
    const TListingWatch::THost host{[this] { return HasListing(); }, [this] { return Closing; },
                                    [this] { return Loading; },
                                    [this]() -> const TLumorcaOptions& { return Options(); },
                                    [this](int entry) { return Txt(entry); }};
    Watch = new TListingWatch(this, SourcePart->Client(), host);
    connect(Watch, &TListingWatch::ReloadWanted, this, &TMain::ReloadChangedListing);
    connect(Watch->Bar(), &TListingBar::ShownChanged, SourcePart, &TSourceView::ResizeSourceGridCols);
}

void TMain::ReloadChangedListing() {
    if (Loading || !HasListing() || !Watch->IsWatching()) return;
    const TListingPlace place = RememberPlace();
    const QString name = ListingFileName;
    LoadFile(name, false);
    if (HasListing() && ListingFileName == name) RestorePlace(place);
}

void TMain::RememberXRefPlace(TListingPlace& place) const {
    const Tree& xref = Analysis.XRef;
    const TreeNode* node = XRefPart->CurrentNode();
    // A reference's line number moves with the text; its symbol stays.
    if (node != nullptr && node->Role == NodeRole::Reference) node = node->Parent;
    if (node == nullptr) return;
    if (node->Role == NodeRole::Category) {
        place.XRefShown = TListingPlace::TXRefShown::Category;
        place.XRefCategory = node->Record.Kind;
        return;
    }
    int32_t symbol = xref.SymbolOf(node);
    TListingPlace::TXRefShown shown = TListingPlace::TXRefShown::Symbol;
    if (symbol < 0 && node->Role == NodeRole::Group) {
        for (const TreeNode* child : node->Children) {
            symbol = xref.SymbolOf(child);
            if (symbol >= 0) break;
        }
        shown = TListingPlace::TXRefShown::GroupOfSymbol;
    }
    if (symbol < 0) return;
    const Symbol& s = Analysis.Symbols[static_cast<size_t>(symbol)];
    place.XRefShown = shown;
    place.XRefCategory = s.Key.Category;
    place.XRefName = s.Key.Name;
    place.XRefOwner = OwnerStructure(s);
    if (place.XRefOwner >= 0)
        place.XRefOwnerName = StructureNameAt(Analysis.Structures, place.XRefOwner);
}

int32_t TMain::OwnerOf(const TListingPlace& place) const {
    if (place.XRefOwner < 0) return -1;
    const auto nameOf = [this](int32_t structure) {
        return StructureNameAt(Analysis.Structures, structure);
    };
    const auto count = static_cast<int32_t>(Analysis.Structures.size());
    if (place.XRefOwner < count && nameOf(place.XRefOwner) == place.XRefOwnerName) return place.XRefOwner;
    for (int32_t structure = 0; structure < count; ++structure)
        if (nameOf(structure) == place.XRefOwnerName) return structure;
    return -1;
}

const TreeNode* TMain::XRefNodeOf(const TListingPlace& place) const {
    using TShown = TListingPlace::TXRefShown;
    if (place.XRefShown == TShown::Category) return FindCategory(Analysis.XRef, place.XRefCategory);
    if (place.XRefShown == TShown::Nothing) return nullptr;
    const int32_t symbol = FindSymbol(Analysis, place.XRefCategory, place.XRefName, OwnerOf(place));
    const TreeNode* node = symbol < 0 ? nullptr : Analysis.XRef.NodeOfSymbol(static_cast<size_t>(symbol));
    if (node != nullptr && place.XRefShown == TShown::GroupOfSymbol && node->Role != NodeRole::Group)
        node = node->Parent;
    return node;
}

TListingPlace TMain::RememberPlace() const {
    TListingPlace place;
    place.TopRow = SourcePart->Grid()->TopRow();

    RememberXRefPlace(place);

    place.CallEntry = CallPart->CurrentEntry();

    place.Bookmarks = SourcePart->BookmarkPlaces();
    return place;
}

void TMain::RestorePlace(const TListingPlace& place) {
    SourcePart->RestoreBookmarks(place.Bookmarks);

    if (const TreeNode* node = XRefNodeOf(place)) XRefPart->Reveal(node, TXRefWindow::TOpen::Nothing);

    CallPart->SelectEntry(place.CallEntry);

    // The structure and row last: the selections above must not move them.
    if (GotoLastAccess()) SourcePart->RestoreTopRow(place.TopRow);
    SourcePart->Grid()->viewport()->update();
}

}  // namespace lumorca::gui
