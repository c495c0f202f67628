#pragma once
// The panel above the source grid: the source tool bar and, below it, the
// shown structure's trigger, what it belongs to and its entry.
#include <QWidget>

#include "analyzer/SourceText.h"

class QLabel;
class QToolBar;

namespace lumorca::gui {

class TSourceHeader : public QWidget {
public:
    explicit TSourceHeader(QWidget* parent);

    QToolBar* ToolBar() const { return ToolBarSource; }
    void ShowTriggerInfo(const TriggerInfo& info);

private:
    QToolBar* ToolBarSource;
    QWidget* PanelTriggerInfo;
    QLabel* LabelTriggerName;
    QLabel* LabelFromWhatLabel;
    QLabel* LabelFromWhatName;
    QLabel* LabelEntryLabel;
    QLabel* LabelEntryName;
};

}  // namespace lumorca::gui
