#include "app/DebugBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/Latin1.h"

namespace lumorca::gui {

namespace {

const char* const TraceLevels[] = {
    "0=No", "1=Drawcell ", "2=Mark", "3=GetEntryOfZnr", "4=TokenList", "5=Cellwidth",
    "6=ResizeWin ", "7=Mark", "8=DoubleClick", "9=HistoryList", "10=FieldList",
    "11=ActiveWindow", "12=TriggerList", "13=Merge Entries (Trigger)", "14=Force Repaint",
    "15=ClientwinResize", "16=KeyDown", "17=Parameter in XREF", "18=Benchmark"};
constexpr int MemoLines = 20000;
constexpr int MemoHeight = 140;

}  // namespace

TDebugBar::TDebugBar(QWidget* owner) : QObject(owner) {
    DEBUGPanel = new QWidget(owner);
    DEBUGPanel->setObjectName(QStringLiteral("DEBUGPanel"));
    auto* layout = new QVBoxLayout(DEBUGPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    DebugMemo = new QPlainTextEdit(DEBUGPanel);
    DebugMemo->setObjectName(QStringLiteral("DebugMemo"));
    DebugMemo->setReadOnly(true);
    DebugMemo->setMaximumBlockCount(MemoLines);
    DebugMemo->setFixedHeight(MemoHeight);
    memoViewport_ = DebugMemo->viewport();
    memoViewport_->installEventFilter(this);
    layout->addWidget(DebugMemo);

    DEBUGOption = new QComboBox(owner);
    DEBUGOption->setObjectName(QStringLiteral("DEBUGOption"));
    for (const char* level : TraceLevels) DEBUGOption->addItem(QString::fromLatin1(level));
    DEBUGOption->setCurrentIndex(-1);
    connect(DEBUGOption, &QComboBox::currentIndexChanged, this, [this](int index) {
        DEBUGPanel->setVisible(index > 0);
        DebugMemo->clear();
        emit PanelChanged();
    });
    CheckBoxINI = new QCheckBox(QStringLiteral("Save INI"), owner);
    CheckBoxINI->setObjectName(QStringLiteral("CheckBoxINI"));
    CheckBoxINI->setChecked(true);
}

QWidget* TDebugBar::LevelBox() const {
    return DEBUGOption;
}

QWidget* TDebugBar::SaveIniBox() const {
    return CheckBoxINI;
}

bool TDebugBar::SaveIni() const {
    return CheckBoxINI->isChecked();
}

void TDebugBar::SelectTraceLevel(int level) {
    DEBUGOption->setCurrentIndex(level >= 0 && level < DEBUGOption->count() ? level : -1);
}

void TDebugBar::ShowPanel() {
    DEBUGPanel->show();
}

void TDebugBar::HidePanel() {
    DEBUGPanel->hide();
}

int TDebugBar::Level() const {
    return DEBUGOption->currentIndex() < 0 ? 0 : DEBUGOption->currentIndex();
}

void TDebugBar::Line(const std::string& text) {
    DebugMemo->appendPlainText(Latin1(text));
}

void TDebugBar::Trace(int level, const QString& text) {
    if (Level() == level) DebugMemo->appendPlainText(text);
}

void TDebugBar::Append(const QString& text) {
    DebugMemo->appendPlainText(text);
}

void TDebugBar::Clear() {
    DebugMemo->clear();
}

bool TDebugBar::eventFilter(QObject* watched, QEvent* event) {
    // The memo may be half destroyed while its viewport's last events pass
    // by: the event decides first, and nothing of the memo is called.
    if (event->type() == QEvent::MouseButtonDblClick && watched == memoViewport_) {
        DebugMemo->clear();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lumorca::gui
