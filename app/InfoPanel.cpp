#include "app/InfoPanel.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QVBoxLayout>

namespace lumorca::gui {

namespace {

constexpr int InitialWidth = 420, InitialHeight = 220;
constexpr int MinWidth = 200, MaxWidth = 480, MinHeight = 120, MaxHeight = 240;
constexpr int Margin = 40;

}  // namespace

TInfoPanel::TInfoPanel(QWidget* area) : area_(area) {
    HidePanel = new QFrame(area);
    HidePanel->setObjectName(QStringLiteral("HidePanel"));
    HidePanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    HidePanel->setLineWidth(2);
    HidePanel->setAutoFillBackground(true);

    // It shows while the views are hidden, during a load and after a failed one.
    PanelInfo = new QFrame(HidePanel);
    PanelInfo->setObjectName(QStringLiteral("PanelInfo"));
    PanelInfo->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelInfo->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(PanelInfo);
    MemoInfo = new QPlainTextEdit(PanelInfo);
    MemoInfo->setObjectName(QStringLiteral("MemoInfo"));
    MemoInfo->setReadOnly(true);
    LabelCurrentTask = new QLabel(PanelInfo);
    LabelCurrentTask->setObjectName(QStringLiteral("LabelCurrentTask"));
    ProgressBar = new QProgressBar(PanelInfo);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setTextVisible(false);
    ProgressBar->hide();
    layout->addWidget(MemoInfo, 1);
    layout->addWidget(LabelCurrentTask);
    layout->addWidget(ProgressBar);
    PanelInfo->resize(InitialWidth, InitialHeight);
    PanelInfo->hide();
}

void TInfoPanel::Fit() {
    HidePanel->setGeometry(area_->rect());
    const QRect area = HidePanel->rect();
    const int width = qMin(MaxWidth, qMax(MinWidth, area.width() - Margin));
    const int height = qMin(MaxHeight, qMax(MinHeight, area.height() - Margin));
    PanelInfo->setGeometry((area.width() - width) / 2, qMax(0, (area.height() - height) / 3), width,
                           height);
}

void TInfoPanel::Cover(bool covered) {
    HidePanel->setVisible(covered);
    if (covered) HidePanel->raise();
}

void TInfoPanel::Start(const QString& firstLine) {
    MemoInfo->clear();
    Fit();
    PanelInfo->show();
    MemoInfo->appendPlainText(firstLine);
}

void TInfoPanel::ShowInfo() {
    PanelInfo->show();
}

void TInfoPanel::AddLine(const QString& line) {
    MemoInfo->appendPlainText(line);
}

void TInfoPanel::SetTask(const QString& task) {
    LabelCurrentTask->setText(task);
}

void TInfoPanel::SetProgressMaximum(int maximum) {
    ProgressBar->setMaximum(qMax(0, maximum));
}

void TInfoPanel::SetProgress(int position) {
    ProgressBar->setValue(position);
}

void TInfoPanel::ShowProgress(bool shown) {
    ProgressBar->setVisible(shown);
}

}  // namespace lumorca::gui
