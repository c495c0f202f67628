#pragma once
// The non-modal find dialog of the source view: the text to find, match
// case and the direction; "Find Next" tells the window to search.
#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumorca::gui {

class TFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFindDialog(QWidget* parent = nullptr);

    QString FindText() const;
    void SetFindText(const QString& text);
    bool MatchCase() const;
    bool Down() const;
    void SetDown(bool down);
    // Captions in the language (0 German, 1 English).
    void SetLanguage(int language);
    // Gives the focus to the text to find.
    void FocusFindText();

signals:
    void Find();

private:
    QLineEdit* Edit = nullptr;
    QCheckBox* MatchCaseBox = nullptr;
    QRadioButton* UpButton = nullptr;
    QRadioButton* DownButton = nullptr;
    QPushButton* FindNextButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QLabel* label_ = nullptr;
    QGroupBox* direction_ = nullptr;
};

}  // namespace lumorca::gui
