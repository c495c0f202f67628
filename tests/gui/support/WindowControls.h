#pragma once
// The window's controls as the user meets them: found by their names, and
// the trees' nodes behind the rows of a tree view.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>
#include <QTreeView>
#include <QtGlobal>

#include "app/FindDialog.h"
#include "app/TreeModel.h"
#include "windows/ChildForm.h"

namespace lumorca::gui::test {

// The control named `name` below `owner`; a missing one ends the test run.
template <typename T>
T* Control(const QObject* owner, const char* name) {
    T* control = owner->findChild<T*>(QString::fromLatin1(name));
    if (control == nullptr) qFatal("no control %s", name);
    return control;
}

// The action named `prefix` and the number n, as bookmark n's items are.
inline QAction* NumberedAction(const QObject* owner, const char* prefix, int n) {
    return Control<QAction>(owner, (QByteArray(prefix) + QByteArray::number(n)).constData());
}

// The find dialog, null before it was first opened.
inline TFindDialog* FindDialogOf(const QObject* window) {
    return window->findChild<TFindDialog*>(QStringLiteral("FindDialog"));
}

inline QTreeView* StrukturOutlineOf(const QObject* window) {
    return Control<QTreeView>(window, "StrukturOutline");
}
inline QTreeView* XRefOutlineOf(const QObject* window) {
    return Control<QTreeView>(window, "XRefOutline");
}
inline QMenu* PopupmenuXRefOf(const QObject* window) {
    return Control<QMenu>(window, "PopupmenuXRef");
}

inline TreeModel* ModelOf(const QTreeView* view) {
    return qobject_cast<TreeModel*>(view->model());
}

// The first top node the view shows, null when it shows none.
inline const TreeNode* RootOf(const QTreeView* view) {
    return ModelOf(view)->NodeOf(view->model()->index(0, 0));
}

inline TreeNode* CurrentNodeOf(const QTreeView* view) {
    return ModelOf(view)->NodeOf(view->currentIndex());
}

inline void Select(QTreeView* view, const TreeNode* node) {
    view->setCurrentIndex(ModelOf(view)->IndexOf(node));
}

inline bool IsExpanded(const QTreeView* view, const TreeNode* node) {
    return view->isExpanded(ModelOf(view)->IndexOf(node));
}

}  // namespace lumorca::gui::test
