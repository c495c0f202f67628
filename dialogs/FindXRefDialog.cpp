#include "dialogs/FindXRefDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analyzer/LineModel.h"
#include "analyzer/Tree.h"
#include "analyzer/XRefTree.h"
#include "texts/TextIds.h"
#include "texts/Texts.h"

namespace lumorca {
namespace {

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

// The last node of a subtree in depth-first order.
const TreeNode* DeepestLast(const TreeNode* node) {
    while (!node->Children.empty()) node = node->Children.back();
    return node;
}

// The id of an item that names no category.
constexpr int kNoCategory = 0;

bool Inside(const TreeNode* node, const TreeNode* ancestor) {
    for (; node != nullptr; node = node->Parent)
        if (node == ancestor) return true;
    return false;
}

}  // namespace

TFormFindXRef::TFormFindXRef(TFindXRefHost* host, QWidget* parent)
    // A tool window stays in front of the main window it belongs to; above
    // every other window it would hide the boxes and dialogs opened meanwhile.
    : QDialog(parent, Qt::Tool), host_(host) {
    setObjectName(QStringLiteral("FormFindXRef"));
    setModal(false);
    setSizeGripEnabled(false);

    EditFindWhat = new QLineEdit(this);
    EditFindWhat->setObjectName(QStringLiteral("EditFindWhat"));
    CheckBoxSearchAll = new QCheckBox(this);
    CheckBoxSearchAll->setObjectName(QStringLiteral("CheckBoxSearchAll"));
    CheckBoxSearchAll->setChecked(true);
    CheckBoxFindExact = new QCheckBox(this);
    CheckBoxFindExact->setObjectName(QStringLiteral("CheckBoxFindExact"));
    RadioGroupFindWhat = new QGroupBox(this);
    RadioGroupFindWhat->setObjectName(QStringLiteral("RadioGroupFindWhat"));
    RadioGroupFindWhat->setEnabled(false);
    groupLayout_ = new QGridLayout(RadioGroupFindWhat);
    groups_ = new QButtonGroup(this);
    ButtonFind = new QPushButton(this);
    ButtonFind->setObjectName(QStringLiteral("ButtonFind"));
    ButtonFind->setDefault(true);
    ButtonFindNext = new QPushButton(this);
    ButtonFindNext->setObjectName(QStringLiteral("ButtonFindNext"));
    ButtonFindNext->setAutoDefault(false);
    ButtonClose = new QPushButton(this);
    ButtonClose->setObjectName(QStringLiteral("ButtonClose"));
    ButtonClose->setAutoDefault(false);

    auto* left = new QVBoxLayout;
    left->addWidget(EditFindWhat);
    left->addWidget(CheckBoxSearchAll);
    left->addWidget(CheckBoxFindExact);
    left->addWidget(RadioGroupFindWhat, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ButtonFind);
    buttons->addWidget(ButtonFindNext);
    buttons->addWidget(ButtonClose);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CheckBoxSearchAll, &QCheckBox::toggled, this, &TFormFindXRef::CheckBoxSearchAllClick);
    connect(ButtonFind, &QPushButton::clicked, this, [this] { ButtonFindClick(false); });
    connect(ButtonFindNext, &QPushButton::clicked, this, [this] { ButtonFindClick(true); });
    connect(ButtonClose, &QPushButton::clicked, this, &QWidget::hide);
}

QList<QRadioButton*> TFormFindXRef::GroupItems() const {
    QList<QRadioButton*> items;
    for (QAbstractButton* b : groups_->buttons()) items.append(static_cast<QRadioButton*>(b));
    return items;
}

void TFormFindXRef::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

bool TFormFindXRef::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(event);
}

void TFormFindXRef::InsertFindText(const QString& text) { EditFindWhat->insert(text); }

void TFormFindXRef::FormActivate() {
    if (!ListBuilt_ || DialogLanguage_ != host_->Language()) {
        DialogLanguage_ = host_->Language();
        BuildGroupList();
        ListBuilt_ = true;
    }
    auto t = [this](int entry) {
        const std::string& text = Text(entry, DialogLanguage_);
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    };
    setWindowTitle(t(TextFindXRefTitle));
    CheckBoxSearchAll->setText(t(TextSearchAll));
    CheckBoxFindExact->setText(t(TextFindExact));
    RadioGroupFindWhat->setTitle(t(TextSearchLimited));
    ButtonFind->setText(t(TextSearch));
    ButtonFindNext->setText(t(TextFindXRefNext));
    ButtonClose->setText(t(TextFindXRefClose));
    EditFindWhat->setFocus();
}

void TFormFindXRef::BuildGroupList() {
    RadioGroupFindWhat->hide();
    for (QAbstractButton* b : groups_->buttons()) {
        groups_->removeButton(b);
        delete b;
    }
    // One item per group: the pop-up's items without the separator and the
    // find item that close it.
    QStringList captions = host_->XRefPopupCaptions();
    captions = captions.mid(0, qMax<qsizetype>(0, captions.size() - 2));
    columns_ = captions.size() > 8 ? 2 : 1;
    const qsizetype perColumn = (captions.size() + columns_ - 1) / columns_;
    // The items name the categories under the root, in their order.
    const TreeNode* root = host_->XRefTree().FirstRoot();
    for (qsizetype i = 0; i < captions.size(); ++i) {
        auto* item = new QRadioButton(captions[i], RadioGroupFindWhat);
        const TreeNode* category =
            root != nullptr && static_cast<size_t>(i) < root->Children.size() ? root->Children[static_cast<size_t>(i)] : nullptr;
        groups_->addButton(item, category != nullptr && category->Role == NodeRole::Category ? category->Record.Kind : kNoCategory);
        groupLayout_->addWidget(item, static_cast<int>(i % perColumn), static_cast<int>(i / perColumn));
    }
    RadioGroupFindWhat->show();
    CheckBoxSearchAll->setChecked(true);
    CheckBoxSearchAllClick();
}

void TFormFindXRef::CheckBoxSearchAllClick() {
    RadioGroupFindWhat->setEnabled(!CheckBoxSearchAll->isChecked());
}

const TreeNode* TFormFindXRef::FindMatch(bool findNext) const {
    const Tree& tree = host_->XRefTree();
    if (tree.Empty()) return nullptr;
    const TreeNode* first = nullptr;
    const TreeNode* end = nullptr;
    if (CheckBoxSearchAll->isChecked()) {
        first = tree.FirstRoot();
        end = DeepestLast(tree.Roots().back());
    } else {
        if (groups_->checkedButton() == nullptr) return nullptr;
        first = FindCategory(tree, groups_->checkedId());
        // A group that the current listing does not have holds nothing.
        if (first == nullptr) return nullptr;
        end = DeepestLast(first);
    }
    const TreeNode* start = first;
    if (findNext) {
        // Without a selection "next" is the first node.
        if (const TreeNode* selected = host_->SelectedXRefNode())
            start = Tree::NextInOrder(selected, tree);
    }

    const std::string wanted = Latin1(EditFindWhat->text());
    const std::string wantedUpper = UpperCase(wanted);
    const bool exact = CheckBoxFindExact->isChecked();
    for (const TreeNode* node = start; node != nullptr && node != end; node = Tree::NextInOrder(node, tree)) {
        // Symbols and the groups below categories, not the references.
        if (node->Role != NodeRole::Symbol && node->Role != NodeRole::Group) continue;
        if (!Inside(node, first)) continue;
        const std::string& caption = XRefCaption(*node, host_->Language());
        const bool match = exact ? CompareNoCase(caption, wanted) == 0
                                 : UpperCase(caption).find(wantedUpper) != std::string::npos;
        if (match) return node;
    }
    return nullptr;
}

void TFormFindXRef::ButtonFindClick(bool findNext) {
    if (EditFindWhat->text().isEmpty()) return;
    if (const TreeNode* found = FindMatch(findNext)) {
        host_->ShowFoundNode(found);
        return;
    }
    host_->ShowMessage(QStringLiteral("Symbol not found"));
}

}  // namespace lumorca
