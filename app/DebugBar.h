#pragma once
// The debug bar's share of the main window: the trace level to show, the
// memo below the child windows that the trace goes to and the switch that
// keeps the INI file from being written.
#include <QObject>
#include <string>

#include "analyzer/Trace.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QWidget;

namespace lumorca::gui {

class TDebugBar : public QObject, public TraceSink {
    Q_OBJECT
public:
    explicit TDebugBar(QWidget* owner);

    // The memo, to lay out below the child windows.
    QWidget* Panel() const { return DEBUGPanel; }
    // The controls of the debug tool bar.
    QWidget* LevelBox() const;
    QWidget* SaveIniBox() const;
    bool SaveIni() const;

    // -1 for none; a level out of range chooses none.
    void SelectTraceLevel(int level);
    void ShowPanel();
    void HidePanel();
    int Level() const override;
    void Line(const std::string& text) override;
    // Adds the line when `level` is the chosen one.
    void Trace(int level, const QString& text);
    void Append(const QString& text);
    void Clear();

signals:
    // The memo showed or went: the child windows have another height.
    void PanelChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QComboBox* DEBUGOption = nullptr;
    QWidget* DEBUGPanel = nullptr;
    QPlainTextEdit* DebugMemo = nullptr;
    QWidget* memoViewport_ = nullptr;
    QCheckBox* CheckBoxINI = nullptr;
};

}  // namespace lumorca::gui
