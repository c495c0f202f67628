#pragma once
// The options dialog. Its controls hold uncommitted edits only; OK copies
// them into the options, switches the settings store if asked, and pushes
// the options into the windows.
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QHash>

#include <functional>
#include <optional>

#include "options/OptionSettings.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;

namespace Ui {
class TOptionWin;
}

namespace lumorca {

QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

// The dialogs the options dialog asks the user through. An empty result
// means the user cancelled.
struct TOptionChoosers {
    std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> ChooseFont;
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> ChooseColor;
    std::function<QString(QWidget* parent, const QString& start)> ChooseDirectory;
    std::function<bool(QWidget* parent, const QString& caption, const QString& text)> ConfirmReset;
};

class TOptionWin : public QDialog {
    Q_OBJECT
public:
    explicit TOptionWin(TOptionSettings& settings, QWidget* parent = nullptr);
    ~TOptionWin() override;

    void OptionsToDialog(const TLumorcaOptions& record);
    void OptionsFromDialog();
    void SetDialogLanguage(int language);

    // The controls, as laid out in the form.
    Ui::TOptionWin& Form() const { return *ui_; }

    // The font a font panel shows (its sample), and the colours of the
    // colour panels: text colour, or background for the two background panels.
    TFontInfo PanelFont(const QLabel* panel) const;
    TColor PanelTextColor(const QLabel* panel) const;
    TColor PanelBackColor(const QLabel* panel) const;
    // What the font chooser starts with when CheckBoxSameFont is ticked.
    const TFontInfo& ChooserFont() const { return chooserFont_; }

    // The common dialogs and the question box; the program's own unless
    // replaced (tests do).
    const TOptionChoosers& Choosers() const { return choosers_; }
    void SetChoosers(TOptionChoosers choosers) { choosers_ = std::move(choosers); }

    // Event handlers of the controls.
    void ButtonOKClick();
    void ButtonCancelClick();
    void ButtonDefaultsClick();
    void ButtonSelectDirClick();
    void FontPanelDblClick(QLabel* panel);
    void ColorPanelDblClick(QLabel* panel);
    void CheckBoxSameFontClick();
    void CheckBoxAutosizeClick();
    void RadioGroupLanguageClick(int index);
    void CheckBoxMarkClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString Txt(int entry, int language) const;
    void SetFontPanel(QLabel* panel, const TFontInfo& font);
    void SetTextColor(QLabel* panel, TColor color);
    void SetBackColor(QLabel* panel, TColor color);
    bool IsBackColorPanel(const QLabel* panel) const;
    // The settings a single control shows, as the settings table names them.
    QWidget* RowControl(const TOptionRow& row) const;
    void RowsToControls(const TLumorcaOptions& record);
    void RowsFromControls(TLumorcaOptions& record) const;
    QList<QLabel*> FontPanels() const;
    QList<QLabel*> ColorPanels() const;
    QList<QPlainTextEdit*> ExceptionMemos() const;

    TOptionSettings& settings_;
    Ui::TOptionWin* ui_;
    QButtonGroup* language_;
    QButtonGroup* how2ShowXRef_;
    QButtonGroup* sortCalls_;
    QHash<const QLabel*, TFontInfo> panelFonts_;
    QHash<const QLabel*, TColor> panelColors_;
    TOptionChoosers choosers_;
    TFontInfo chooserFont_{QStringLiteral("MS Sans Serif"), 8};
};

}  // namespace lumorca
