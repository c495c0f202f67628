// The call window: its tree is rebuilt from the cross-reference tree when
// the selector or the direction changes; children are computed on expand.
#include "app/CallWindow.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/TreeModel.h"
#include "app/TreeView.h"
#include "texts/TextIds.h"

namespace lumorca::gui {

namespace {

std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace

TCallWindow::TCallWindow(QWidget* owner, const ListingLines& lines, const AnalysisResult& analysis,
                         TOptionsSource options)
    : QObject(owner), lines_(lines), analysis_(analysis), options_(std::move(options)) {
    CreateControls(owner);
}

// The model points into the tree; unless the window took it first, it lets
// go before the tree does.
TCallWindow::~TCallWindow() {
    if (CallModel != nullptr) CallModel->SetTree(nullptr);
}

void TCallWindow::CreateControls(QWidget* owner) {
    TreeModel* model = nullptr;
    CallOutline = MakeTreeView("CallOutline", owner, model);
    CallModel = model;
    CallModel->SetTree(&CallTree);
    connect(CallOutline->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { CallOutlineChange(CallModel->NodeOf(current)); });

    PanelCallWin = new QWidget(owner);
    PanelCallWin->setObjectName(QStringLiteral("PanelCallWin"));
    auto* layout = new QVBoxLayout(PanelCallWin);
    layout->setContentsMargins(4, 4, 4, 2);
    layout->setSpacing(2);
    ComboBoxEntryList = new QComboBox(PanelCallWin);
    ComboBoxEntryList->setObjectName(QStringLiteral("ComboBoxEntryList"));
    ComboBoxEntryList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBoxEntryList->setMinimumContentsLength(8);
    RadioButtonCalledFrom = new QRadioButton(PanelCallWin);
    RadioButtonCalledFrom->setObjectName(QStringLiteral("RadioButtonCalledFrom"));
    RadioButtonCalledFrom->setChecked(true);
    RadioButtonCalling = new QRadioButton(PanelCallWin);
    RadioButtonCalling->setObjectName(QStringLiteral("RadioButtonCalling"));
    layout->addWidget(ComboBoxEntryList);
    layout->addWidget(RadioButtonCalledFrom);
    layout->addWidget(RadioButtonCalling);
    connect(ComboBoxEntryList, &QComboBox::currentTextChanged, this,
            &TCallWindow::ComboBoxEntryListChange);
    // The direction changed: always rebuild.
    for (QRadioButton* direction : {RadioButtonCalledFrom, RadioButtonCalling})
        connect(direction, &QRadioButton::clicked, this, &TCallWindow::Refresh);

    PopupMenucallWindow = new QMenu(owner);
    PopupMenucallWindow->setObjectName(QStringLiteral("PopupMenucallWindow"));
    MenuItemExpandCalltree = PopupMenucallWindow->addAction(QStringLiteral("expand tree"));
    MenuItemExpandCalltree->setObjectName(QStringLiteral("MenuItemExpandCalltree"));
    MenuItemCollapseCalltree = PopupMenucallWindow->addAction(QStringLiteral("collapse tree"));
    MenuItemCollapseCalltree->setObjectName(QStringLiteral("MenuItemCollapseCalltree"));
    connect(MenuItemExpandCalltree, &QAction::triggered, this,
            &TCallWindow::MenuItemExpandCalltreeClick);
    connect(MenuItemCollapseCalltree, &QAction::triggered, this,
            &TCallWindow::MenuItemCollapseCalltreeClick);
    PopupMenucallWindow->addSeparator();
    MenuItemSaveCallGraph = PopupMenucallWindow->addAction(QStringLiteral("Save call graph..."));
    MenuItemSaveCallGraph->setObjectName(QStringLiteral("MenuItemSaveCallGraph"));
    connect(MenuItemSaveCallGraph, &QAction::triggered, this,
            &TCallWindow::SaveCallGraphRequested);
    connect(CallOutline, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        PopupMenucallWindow->popup(CallOutline->viewport()->mapToGlobal(pos));
    });
    connect(CallOutline, &QTreeView::expanded, this, &TCallWindow::ExpandCallNode);

    client_ = new QWidget;
    auto* clientLayout = new QVBoxLayout(client_);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    clientLayout->addWidget(PanelCallWin);
    clientLayout->addWidget(CallOutline, 1);
}

void TCallWindow::Clear() {
    {
        TreeModel::Rebuilding rebuilding(CallModel);
        CallTreeBuilder.reset();
        CallGraph_.reset();
        CallTree.Clear();
    }
    const QSignalBlocker quiet(ComboBoxEntryList);
    ComboBoxEntryList->clear();
}

void TCallWindow::ListingAnalysed() {
    const QSignalBlocker quiet(ComboBoxEntryList);
    for (const std::string& entry : analysis_.EntryList)
        ComboBoxEntryList->addItem(QString::fromLatin1(entry.data(), static_cast<qsizetype>(entry.size())));
    ComboBoxEntryList->setCurrentIndex(-1);
}

void TCallWindow::Refresh() {
    CallTree.Clear();
    ComboBoxEntryListChange();
}

void TCallWindow::Retranslate(const std::function<QString(int)>& text) {
    MenuItemCollapseCalltree->setText(text(TextCollapseTree));
    MenuItemExpandCalltree->setText(text(TextExpandTree));
    MenuItemSaveCallGraph->setText(text(TextSaveCallGraph));
    RadioButtonCalledFrom->setText(text(TextCalledFrom));
    RadioButtonCalling->setText(text(TextCalling));
}

QString TCallWindow::CurrentEntry() const {
    return ComboBoxEntryList->currentText();
}

void TCallWindow::SelectEntry(const QString& entry) {
    const int index = ComboBoxEntryList->findText(entry);
    if (!entry.isEmpty() && index >= 0) ComboBoxEntryList->setCurrentIndex(index);
}

void TCallWindow::CallOutlineEnter() {
    CallOutlineChange(CallModel->NodeOf(CallOutline->currentIndex()));
}

void TCallWindow::CallOutlineChange(TreeNode* node) {
    if (CallTreeBuilding || node == nullptr || !node->HasRecord) return;
    emit NodeChosen(node->Record);
}

void TCallWindow::ComboBoxEntryListChange() {
    const QString name = ComboBoxEntryList->currentText();
    if (name.isEmpty() || analysis_.Structure.Empty()) return;
    const std::string latin = ToLatin1(name);
    const CallDirection direction =
        RadioButtonCalledFrom->isChecked() ? CallDirection::CalledFrom : CallDirection::Calling;
    if (!CallTree.Empty() && CallTreeBuilder && CallTreeBuilder->ShownName() == latin && CallGraph_ &&
        CallGraph_->Direction() == direction)
        return;

    CallTreeBuilding = true;
    {
        TreeModel::Rebuilding rebuilding(CallModel);
        CallTreeBuilder.reset();
        CallTree.Clear();
        const TLumorcaOptions& options = options_();
        CallGraph_ = std::make_unique<CallGraph>(analysis_.Symbols, lines_, analysis_.Structures,
                                                 analysis_.EntryList, ToAnalysisSettings(options),
                                                 direction);
        CallTreeBuilder = std::make_unique<LazyCallTree>(*CallGraph_, CallTree);
        CallTreeBuilder->Build(latin, options.ExpandCallTree);
        CallModel->SetLazyChildren(TreeModel::LazyChildren{
            [this](const TreeNode* node) {
                return CallTreeBuilder && CallTreeBuilder->HasPendingChildren(node);
            },
            [this](TreeNode* node) { return CallTreeBuilder && CallTreeBuilder->EnsureChildren(node); }});
    }
    if (TreeNode* root = CallTree.FirstRoot()) SyncExpansion(root);
    CallTreeBuilding = false;
}

// Opens in the view what the tree marks as expanded.
void TCallWindow::SyncExpansion(TreeNode* node) {
    if (!node->Expanded) return;
    CallOutline->expand(CallModel->IndexOf(node));
    for (TreeNode* child : node->Children) SyncExpansion(child);
}

void TCallWindow::ExpandCallNode(const QModelIndex& index) {
    TreeNode* node = CallModel->NodeOf(index);
    if (node == nullptr) return;
    node->Expanded = true;
    if (CallModel->canFetchMore(index)) CallModel->fetchMore(index);
}

void TCallWindow::MenuItemExpandCalltreeClick() {
    if (CallTree.Empty() || !CallTreeBuilder) return;
    {
        TreeModel::Rebuilding rebuilding(CallModel);
        CallTreeBuilder->ExpandTree();
    }
    SyncExpansion(CallTree.FirstRoot());
}

void TCallWindow::MenuItemCollapseCalltreeClick() {
    if (CallTree.Empty() || !CallTreeBuilder) return;
    CallTreeBuilder->CollapseTree();
    for (TreeNode* child : CallTree.FirstRoot()->Children) {
        CallOutline->collapse(CallModel->IndexOf(child));
        std::vector<TreeNode*> stack(child->Children.begin(), child->Children.end());
        while (!stack.empty()) {
            TreeNode* n = stack.back();
            stack.pop_back();
            CallOutline->collapse(CallModel->IndexOf(n));
            stack.insert(stack.end(), n->Children.begin(), n->Children.end());
        }
    }
}

}  // namespace lumorca::gui
