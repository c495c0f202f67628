#pragma once
// The About box: program name, version, build date and where to write to.
#include <QDialog>
#include <QUrl>

#include <functional>

class QLabel;
class QPushButton;

namespace lumorca {

// Where bug reports go.
inline const QString ContactAddress = QStringLiteral("lumorca@example.org");

class TAbout : public QDialog {
    Q_OBJECT
public:
    TAbout(int language, QWidget* parent = nullptr);

    // Opens a link; the system's program for it unless replaced (tests do).
    void SetOpenUrl(std::function<bool(const QUrl&)> openUrl) { OpenUrl = std::move(openUrl); }
    void LabelMailClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Beta;
    QLabel* BuildDate;
    QLabel* Comments;
    QLabel* LabelMail;
    QPushButton* OKButton;
    std::function<bool(const QUrl&)> OpenUrl;
};

// The build-date line shown in the box.
QString BuildDateText();

}  // namespace lumorca
