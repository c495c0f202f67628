#pragma once
// The panel that covers the child windows while no listing is shown, and
// the information panel on it: what was read and how far the analysis is.
#include <QString>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QWidget;

namespace lumorca::gui {

class TInfoPanel {
public:
    // Both panels are children of `area`, which they cover.
    explicit TInfoPanel(QWidget* area);

    // Covers the whole area again and centres the information panel.
    void Fit();
    void Cover(bool covered);
    // A load begins: the information panel shows `firstLine` alone.
    void Start(const QString& firstLine);
    void ShowInfo();
    void AddLine(const QString& line);
    void SetTask(const QString& task);
    void SetProgressMaximum(int maximum);
    void SetProgress(int position);
    void ShowProgress(bool shown);

private:
    QWidget* area_;
    QFrame* HidePanel = nullptr;
    QFrame* PanelInfo = nullptr;
    QPlainTextEdit* MemoInfo = nullptr;
    QLabel* LabelCurrentTask = nullptr;
    QProgressBar* ProgressBar = nullptr;
};

}  // namespace lumorca::gui
