// The source window's header panel.
#include "app/SourceHeader.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/Latin1.h"

namespace lumorca::gui {

TSourceHeader::TSourceHeader(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PanelSourceWin"));
    // The tool bar has a row of its own: long header labels beside it would
    // push its buttons into the overflow menu.
    auto* panelLayout = new QVBoxLayout(this);
    panelLayout->setContentsMargins(2, 1, 2, 1);
    panelLayout->setSpacing(0);
    ToolBarSource = new QToolBar(QStringLiteral("ToolBarSource"), this);
    ToolBarSource->setObjectName(QStringLiteral("ToolBarSource"));
    ToolBarSource->setIconSize(QSize(18, 18));
    panelLayout->addWidget(ToolBarSource);

    PanelTriggerInfo = new QWidget(this);
    PanelTriggerInfo->setObjectName(QStringLiteral("PanelTriggerInfo"));
    auto* info = new QHBoxLayout(PanelTriggerInfo);
    info->setContentsMargins(6, 0, 2, 0);
    auto label = [this](const char* name, bool bold, Qt::Alignment align) {
        auto* l = new QLabel(PanelTriggerInfo);
        l->setObjectName(QString::fromLatin1(name));
        l->setAlignment(align | Qt::AlignVCenter);
        l->setTextFormat(Qt::PlainText);
        if (bold) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        return l;
    };
    LabelTriggerName = label("LabelTriggerName", true, Qt::AlignLeft);
    LabelTriggerName->setStyleSheet(QStringLiteral("color: #0000ff;"));
    LabelFromWhatLabel = label("LabelFromWhatLabel", false, Qt::AlignRight);
    LabelFromWhatName = label("LabelFromWhatName", true, Qt::AlignLeft);
    LabelEntryLabel = label("LabelEntryLabel", false, Qt::AlignRight);
    LabelEntryName = label("LabelEntryName", true, Qt::AlignLeft);
    for (QLabel* l : {LabelTriggerName, LabelFromWhatLabel, LabelFromWhatName, LabelEntryLabel,
                      LabelEntryName})
        info->addWidget(l);
    info->addStretch(1);
    panelLayout->addWidget(PanelTriggerInfo);
}

void TSourceHeader::ShowTriggerInfo(const TriggerInfo& info) {
    LabelTriggerName->setText(Latin1(info.TriggerName));
    LabelFromWhatLabel->setText(Latin1(info.FromLabel));
    LabelFromWhatName->setText(Latin1(info.FromName));
    LabelFromWhatLabel->setVisible(info.FromVisible);
    LabelFromWhatName->setVisible(info.FromVisible);
    LabelEntryLabel->setText(Latin1(info.EntryLabel));
    LabelEntryName->setText(Latin1(info.EntryName));
    LabelEntryLabel->setVisible(info.EntryVisible);
    LabelEntryName->setVisible(info.EntryVisible);
}

}  // namespace lumorca::gui
