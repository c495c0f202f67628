// The ten bookmarks of the source view, their menu items and buttons, and
// their places over a reload.
#include <QAction>
#include <QMenu>

#include "analyzer/LineModel.h"
#include "app/SourceView.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

void TSourceView::CreateBookmarkMenuItems() {
    for (int n = 0; n < BookmarkCount; ++n) {
        const auto slot = static_cast<size_t>(n);
        GotoBookmarkItems[slot] = MenuItemGotoBookmark->addAction(QString());
        GotoBookmarkItems[slot]->setObjectName(QStringLiteral("GotoBookmark%1").arg(n));
        GotoBookmarkItems[slot]->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_0 + n)));
        SetBookmarkItems[slot] = MenuItemSetBookmark->addAction(QString());
        SetBookmarkItems[slot]->setObjectName(QStringLiteral("SetBookmark%1").arg(n));
        SetBookmarkItems[slot]->setCheckable(true);
        SetBookmarkItems[slot]->setShortcut(
            QKeySequence(Qt::CTRL | Qt::SHIFT | static_cast<Qt::Key>(Qt::Key_0 + n)));
        setBookmarkMenuItem(n, false);
    }
}

void TSourceView::setBookmarkMenuItem(int n, bool isSet) {
    QString caption = host_.Txt(TextBookmark) + QStringLiteral(" &") + QString::number(n);
    if (isSet) {
        int32_t s = -1;
        int32_t l = -1;
        Bookmarks.GetPosition(n, s, l);
        const auto name = StructureName(lines_, analysis_.StructureStarts, s);
        caption += QStringLiteral(" :") + QString::fromLatin1(name.Name.c_str());
    }
    const auto slot = static_cast<size_t>(n);
    SetBookmarkItems[slot]->setChecked(isSet);
    SetBookmarkItems[slot]->setText(caption);
    GotoBookmarkItems[slot]->setEnabled(isSet);
    GotoBookmarkItems[slot]->setText(caption);
    UpdateBookmarkButton(n, isSet, caption);
}

void TSourceView::setBookMarkClick(int n) {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    // A bookmark set elsewhere moves here.
    if (!Bookmarks.SetPosition(n, CurrentStructure, CurrentLine())) return;
    setBookmarkMenuItem(n, true);
    SourceGrid->viewport()->update();
}

void TSourceView::gotoBookMarkClick(int n) {
    int32_t structure = -1;
    int32_t line = -1;
    if (Bookmarks.GetPosition(n, structure, line)) GotoPosition(structure, line, true);
}

void TSourceView::ToggleBookmark() {
    if (!HasListing() || SourceGrid->RowCount() == 0) return;
    const int found = Bookmarks.FindPosition(CurrentStructure, CurrentLine());
    if (found >= 0) {
        Bookmarks.ClearPosition(found);
        setBookmarkMenuItem(found, false);
    } else {
        // With all ten in use nothing is stored.
        const int n = Bookmarks.AddPosition(CurrentStructure, CurrentLine());
        if (n >= 0) setBookmarkMenuItem(n, true);
    }
    SourceGrid->viewport()->update();
}

std::vector<TSourceView::TBookmarkPlace> TSourceView::BookmarkPlaces() const {
    const StructureStartList& starts = analysis_.StructureStarts;
    std::vector<TBookmarkPlace> places;
    for (int slot = 0; slot < Bookmarks.Count(); ++slot) {
        int32_t structure = -1;
        int32_t line = -1;
        if (!Bookmarks.GetPosition(slot, structure, line) || structure < 0 ||
            structure >= static_cast<int32_t>(starts.size()))
            continue;
        places.push_back({slot, StructureName(lines_, starts, structure).Name,
                          line - starts[static_cast<size_t>(structure)]});
    }
    return places;
}

void TSourceView::RestoreBookmarks(const std::vector<TBookmarkPlace>& places) {
    const StructureStartList& starts = analysis_.StructureStarts;
    const auto count = static_cast<int32_t>(starts.size());
    auto structureNamed = [this, &starts, count](const std::string& name) {
        for (int32_t s = 0; s < count; ++s)
            if (StructureName(lines_, starts, s).Name == name) return s;
        return -1;
    };
    for (const TBookmarkPlace& mark : places) {
        const int32_t structure = structureNamed(mark.Structure);
        if (structure < 0) continue;
        const int32_t start = starts[static_cast<size_t>(structure)];
        const int32_t end = structure + 1 < count ? starts[static_cast<size_t>(structure) + 1]
                                                  : static_cast<int32_t>(lines_.size());
        // A structure that became shorter keeps the mark on its last line.
        const int32_t line = qBound(start, start + mark.Offset, qMax(start, end - 1));
        if (Bookmarks.SetPosition(mark.Slot, structure, line)) setBookmarkMenuItem(mark.Slot, true);
    }
    SourceGrid->viewport()->update();
}

}  // namespace lumorca::gui
