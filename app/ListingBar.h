#pragma once
// The bar at the top of the source window that tells what happened to the
// listing's file on disk, without interrupting the user the way a box would.
#include <QFrame>
#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

namespace lumorca::gui {

class TListingBar : public QFrame {
    Q_OBJECT
public:
    enum class TKind {
        Changed,     // a readable listing again: offers to reload
        Removed,     // deleted or renamed away
        NotListing,  // something that is no listing stands there now
        Unreadable,  // there, but could not be read for a long while
    };

    // `text` looks up an entry of the text table in the current language.
    TListingBar(std::function<QString(int)> text, QWidget* parent);

    void ShowChange(TKind kind, const QString& fileName);
    void Dismiss();
    // After a switch of language.
    void Retext();
    bool IsShown() const { return shown_; }
    TKind Kind() const { return kind_; }
    // The message with the whole path, as its tool tip shows it.
    QString Message() const;
    QPushButton* ReloadButton() const { return reload_; }
    QToolButton* CloseButton() const { return close_; }

signals:
    void ReloadClicked();
    // Shown or dismissed: the source window lays itself out again.
    void ShownChanged();

private:
    QString MessageNaming(const QString& fileName) const;

    std::function<QString(int)> text_;
    QLabel* message_ = nullptr;
    QPushButton* reload_ = nullptr;
    QToolButton* close_ = nullptr;
    TKind kind_ = TKind::Changed;
    QString fileName_;
    bool shown_ = false;
};

}  // namespace lumorca::gui
