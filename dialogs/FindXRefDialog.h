#pragma once
// The find-XRef dialog: a tool window, not modal, that searches the
// cross-reference tree for a symbol, in all groups or in one.
#include <QDialog>
#include <QStringList>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumorca {

class Tree;
struct TreeNode;

// What the dialog needs from the main window.
class TFindXRefHost {
public:
    virtual ~TFindXRefHost() = default;
    virtual int Language() const = 0;
    virtual const Tree& XRefTree() const = 0;
    // Captions of the XRef pop-up menu's items in order, the separator as "-".
    virtual QStringList XRefPopupCaptions() const = 0;
    virtual TreeNode* SelectedXRefNode() const = 0;
    // Expands the node with all its descendants, selects it and brings the
    // XRef window to the front.
    virtual void ShowFoundNode(const TreeNode* node) = 0;
    virtual void ShowMessage(const QString& text) = 0;
};

class TFormFindXRef : public QDialog {
    Q_OBJECT
public:
    TFormFindXRef(TFindXRefHost* host, QWidget* parent = nullptr);

    // False until the group list is built; cleared after each new listing.
    bool ListBuilt() const { return ListBuilt_; }
    void ListingChanged() { ListBuilt_ = false; }
    // The language the group list was built in.
    int DialogLanguage() const { return DialogLanguage_; }
    // A paste while the dialog is in front goes into the search text.
    void InsertFindText(const QString& text);

    QList<QRadioButton*> GroupItems() const;
    int GroupColumns() const { return columns_; }

    void FormActivate();
    void CheckBoxSearchAllClick();
    // Find (from the start of the range) or Find next (after the selected node).
    void ButtonFindClick(bool findNext);

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void BuildGroupList();
    const TreeNode* FindMatch(bool findNext) const;

    bool ListBuilt_ = false;
    int DialogLanguage_ = 1;
    QLineEdit* EditFindWhat;
    QCheckBox* CheckBoxSearchAll;
    QCheckBox* CheckBoxFindExact;
    QGroupBox* RadioGroupFindWhat;
    QPushButton* ButtonFind;
    QPushButton* ButtonFindNext;
    QPushButton* ButtonClose;
    TFindXRefHost* host_;
    QGridLayout* groupLayout_;
    QButtonGroup* groups_;
    int columns_ = 1;
};

}  // namespace lumorca
