// The ten bookmarks of the source view, their menu items and buttons, and
// their places over a reload.
#include "app/SourceBookmarks.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QToolBar>

#include "analyzer/LineModel.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

namespace {

// A small dog-eared page with a digit, the picture of the bookmark buttons.
QIcon BookmarkIcon(int n) {
    QIcon icon;
    for (int size : {16, 24}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        const qreal m = size / 8.0;
        const qreal d = size / 4.0;
        const QRectF page(m, 0.5, size - 2 * m, size - 1.0);
        QPainterPath outline;
        outline.moveTo(page.left() + d, page.top());
        outline.lineTo(page.right(), page.top());
        outline.lineTo(page.right(), page.bottom());
        outline.lineTo(page.left(), page.bottom());
        outline.lineTo(page.left(), page.top() + d);
        outline.closeSubpath();
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(outline, Qt::white);
        p.setPen(QPen(Qt::black, 1));
        p.drawPath(outline);
        p.drawLine(QPointF(page.left() + d, page.top()), QPointF(page.left() + d, page.top() + d));
        p.drawLine(QPointF(page.left() + d, page.top() + d), QPointF(page.left(), page.top() + d));
        QFont font = p.font();
        font.setPixelSize(size * 5 / 8);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::red);
        p.drawText(page.adjusted(d / 2, d / 2, 0, 0), Qt::AlignCenter, QString::number(n));
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace

TSourceBookmarks::TSourceBookmarks(QObject* parent, const ListingLines& lines,
                                   const AnalysisResult& analysis, TSourceViewHost& host,
                                   TViewHooks view)
    : QObject(parent), lines_(lines), analysis_(analysis), host_(host), view_(std::move(view)) {}

void TSourceBookmarks::CreateMenus(QMenu* popup) {
    MenuItemSetBookmark = popup->addMenu(QStringLiteral("Set Bookmark"));
    MenuItemGotoBookmark = popup->addMenu(QStringLiteral("Goto Bookmark"));
    CreateBookmarkMenuItems();
}

void TSourceBookmarks::CreateBookmarkMenuItems() {
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

void TSourceBookmarks::ConnectCommands(QWidget* grid, QWidget* owner, QToolBar* toolBar) {
    ToolBarSource = toolBar;
    for (int n = 0; n < BookmarkCount; ++n) {
        QAction* set = SetBookmarkItems[static_cast<size_t>(n)];
        QAction* go = GotoBookmarkItems[static_cast<size_t>(n)];
        set->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        grid->addAction(set);
        // Ctrl+digit goes to a bookmark from anywhere in the program.
        go->setShortcutContext(Qt::ApplicationShortcut);
        owner->addAction(go);
        connect(set, &QAction::triggered, this, [this, n] { setBookMarkClick(n); });
        connect(go, &QAction::triggered, this, [this, n] { gotoBookMarkClick(n); });
        if (n < BookmarkButtonCount) {
            QAction* button = ToolBarSource->addAction(BookmarkIcon(n), QString::number(n));
            button->setObjectName(QStringLiteral("ToolButtonGotoBookmark%1").arg(n));
            ToolButtonGotoBookmark[static_cast<size_t>(n)] = button;
            connect(button, &QAction::triggered, this, [this, n] { gotoBookMarkClick(n); });
            UpdateBookmarkButton(n, false, go->text());
        }
    }
}

void TSourceBookmarks::UpdateBookmarkButton(int n, bool isSet, const QString& caption) {
    if (n < 0 || n >= BookmarkButtonCount) return;
    QAction* button = ToolButtonGotoBookmark[static_cast<size_t>(n)];
    if (button == nullptr) return;
    button->setEnabled(isSet);
    QString hint = caption;
    const qsizetype amp = hint.indexOf(QLatin1Char('&'));
    if (amp >= 0) hint.remove(amp, 1);
    button->setToolTip(hint);
    // Hints only for a bookmark that is set.
    if (QWidget* widget = ToolBarSource->widgetForAction(button)) widget->setToolTip(isSet ? hint : QString());
}

int TSourceBookmarks::SlotAt(int32_t structure, int32_t line) const {
    for (int n = 0; n < Bookmarks.Count(); ++n) {
        int32_t s = -1;
        int32_t l = -1;
        if (Bookmarks.GetPosition(n, s, l) && s == structure && l == line) return n;
    }
    return -1;
}

void TSourceBookmarks::Clear() {
    Bookmarks.Clear();
    for (int n = 0; n < BookmarkCount; ++n) setBookmarkMenuItem(n, false);
}

void TSourceBookmarks::Retranslate() {
    MenuItemSetBookmark->setTitle(host_.Txt(TextSetBookmark));
    MenuItemGotoBookmark->setTitle(host_.Txt(TextGotoBookmark));
    for (int n = 0; n < BookmarkCount; ++n) {
        int32_t s = -1;
        int32_t l = -1;
        setBookmarkMenuItem(n, Bookmarks.GetPosition(n, s, l));
    }
}

void TSourceBookmarks::setBookmarkMenuItem(int n, bool isSet) {
    QString caption = host_.Txt(TextBookmark) + QStringLiteral(" &") + QString::number(n);
    if (isSet) {
        int32_t s = -1;
        int32_t l = -1;
        Bookmarks.GetPosition(n, s, l);
        caption += QStringLiteral(" :") +
                   QString::fromLatin1(StructureNameAt(analysis_.Structures, s).c_str());
    }
    const auto slot = static_cast<size_t>(n);
    SetBookmarkItems[slot]->setChecked(isSet);
    SetBookmarkItems[slot]->setText(caption);
    GotoBookmarkItems[slot]->setEnabled(isSet);
    GotoBookmarkItems[slot]->setText(caption);
    UpdateBookmarkButton(n, isSet, caption);
}

void TSourceBookmarks::setBookMarkClick(int n) {
    int32_t structure = -1;
    int32_t line = -1;
    if (!view_.Here(structure, line)) return;
    // A bookmark set elsewhere moves here.
    if (!Bookmarks.SetPosition(n, structure, line)) return;
    setBookmarkMenuItem(n, true);
    view_.Repaint();
}

void TSourceBookmarks::gotoBookMarkClick(int n) {
    int32_t structure = -1;
    int32_t line = -1;
    if (Bookmarks.GetPosition(n, structure, line)) view_.Go(structure, line);
}

void TSourceBookmarks::ToggleBookmark() {
    int32_t structure = -1;
    int32_t line = -1;
    if (!view_.Here(structure, line)) return;
    const int found = Bookmarks.FindPosition(structure, line);
    if (found >= 0) {
        Bookmarks.ClearPosition(found);
        setBookmarkMenuItem(found, false);
    } else {
        // With all ten in use nothing is stored.
        const int n = Bookmarks.AddPosition(structure, line);
        if (n >= 0) setBookmarkMenuItem(n, true);
    }
    view_.Repaint();
}

std::vector<TSourceBookmarks::TBookmarkPlace> TSourceBookmarks::BookmarkPlaces() const {
    const StructureList& structures = analysis_.Structures;
    std::vector<TBookmarkPlace> places;
    for (int slot = 0; slot < Bookmarks.Count(); ++slot) {
        int32_t structure = -1;
        int32_t line = -1;
        if (!Bookmarks.GetPosition(slot, structure, line) || structure < 0 ||
            structure >= static_cast<int32_t>(structures.size()))
            continue;
        const StructureRecord& record = structures[static_cast<size_t>(structure)];
        places.push_back({slot, record.Name, line - record.Line});
    }
    return places;
}

void TSourceBookmarks::RestoreBookmarks(const std::vector<TBookmarkPlace>& places) {
    const StructureList& structures = analysis_.Structures;
    const auto count = static_cast<int32_t>(structures.size());
    auto structureNamed = [&structures, count](const std::string& name) {
        for (int32_t s = 0; s < count; ++s)
            if (structures[static_cast<size_t>(s)].Name == name) return s;
        return -1;
    };
    for (const TBookmarkPlace& mark : places) {
        const int32_t structure = structureNamed(mark.Structure);
        if (structure < 0) continue;
        const int32_t start = structures[static_cast<size_t>(structure)].Line;
        const int32_t end = structure + 1 < count ? structures[static_cast<size_t>(structure) + 1].Line
                                                  : static_cast<int32_t>(lines_.size());
        // A structure that became shorter keeps the mark on its last line.
        const int32_t line = qBound(start, start + mark.Offset, qMax(start, end - 1));
        if (Bookmarks.SetPosition(mark.Slot, structure, line)) setBookmarkMenuItem(mark.Slot, true);
    }
    view_.Repaint();
}

}  // namespace lumorca::gui
