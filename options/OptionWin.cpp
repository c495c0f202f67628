#include "options/OptionWin.h"

#include <QButtonGroup>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>

#include "options/Overloaded.h"
#include "texts/Texts.h"
#include "ui_OptionWin.h"

namespace lumorca {
namespace {

// Labels have no buddy here, so "&&" would show doubled and "&x" would
// show its ampersand: resolve both as a captioned control would.
QString LabelCaption(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

QString EscapeMnemonic(QString text) { return text.replace(u'&', QStringLiteral("&&")); }

// Tab enters a group of radio buttons on its checked item; the arrow keys
// move the check within the group.
void TabStopOnChecked(const QButtonGroup* group) {
    for (QAbstractButton* button : group->buttons())
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

TFontInfo FromQFont(const QFont& font, TColor color) {
    TFontInfo info;
    info.Name = font.family();
    info.Size = qBound(MinFontSize, font.pointSize() > 0 ? font.pointSize() : 8, MaxFontSize);
    info.Color = color;
    info.Bold = font.bold();
    info.Italic = font.italic();
    return info;
}

constexpr TColor Inverted(TColor color) { return color ^ 0xFFFFFF; }

}  // namespace

QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

TColor FromQColor(const QColor& color) {
    return static_cast<TColor>(color.red()) | (static_cast<TColor>(color.green()) << 8) |
           (static_cast<TColor>(color.blue()) << 16);
}

TOptionWin::TOptionWin(TOptionSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), ui_(new Ui::TOptionWin) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ChooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent, QString(),
                                                QFontDialog::ScalableFonts | QFontDialog::NonScalableFonts);
        if (!ok) return std::nullopt;
        return font;
    };
    ChooseColor = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
        const QColor color = QColorDialog::getColor(initial, parent);
        if (!color.isValid()) return std::nullopt;
        return color;
    };
    // The toolkit's directory chooser offers to create a new folder itself.
    ChooseDirectory = [](QWidget* parent, const QString& start) {
        return QDir::toNativeSeparators(QFileDialog::getExistingDirectory(parent, QString(), start));
    };
    ConfirmReset = [](QWidget* parent, const QString& caption, const QString& text) {
        return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    };

    auto group = [this](std::initializer_list<QAbstractButton*> buttons) {
        auto* g = new QButtonGroup(this);
        int id = 0;
        for (QAbstractButton* b : buttons) g->addButton(b, id++);
        return g;
    };
    language_ = group({ui_->RadioButtonGerman, ui_->RadioButtonEnglish});
    how2ShowXRef_ = group({ui_->RadioButtonHow2showXref0, ui_->RadioButtonHow2showXref1,
                           ui_->RadioButtonHow2showXref2});
    sortCalls_ = group({ui_->RadioButtonSortCalls0, ui_->RadioButtonSortCalls1});

    connect(ui_->ButtonOK, &QPushButton::clicked, this, &TOptionWin::ButtonOKClick);
    connect(ui_->ButtonCancel, &QPushButton::clicked, this, &TOptionWin::ButtonCancelClick);
    connect(ui_->ButtonDefaults, &QPushButton::clicked, this, &TOptionWin::ButtonDefaultsClick);
    connect(ui_->ButtonSelectDir, &QToolButton::clicked, this, &TOptionWin::ButtonSelectDirClick);
    connect(ui_->CheckBoxSameFont, &QCheckBox::clicked, this, &TOptionWin::CheckBoxSameFontClick);
    connect(ui_->CheckBoxAutosize, &QCheckBox::toggled, this, &TOptionWin::CheckBoxAutosizeClick);
    connect(language_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) RadioGroupLanguageClick(id);
    });
    for (const QButtonGroup* g : {language_, how2ShowXRef_, sortCalls_})
        connect(g, &QButtonGroup::buttonToggled, this, [g] { TabStopOnChecked(g); });
    for (QCheckBox* box : {ui_->CheckBoxMarkEntries, ui_->CheckBoxMarkCompVars, ui_->CheckBoxMarkLocalVars,
                           ui_->CheckBoxMarkLabel})
        connect(box, &QCheckBox::toggled, this, &TOptionWin::CheckBoxMarkClick);
    for (QLabel* panel : FontPanels() + ColorPanels()) panel->installEventFilter(this);
    for (QPlainTextEdit* memo : ExceptionMemos()) memo->installEventFilter(this);

    // Window colours are remembered but not edited here.
    for (QWidget* hidden : {static_cast<QWidget*>(ui_->PanelStructWinColor),
                            static_cast<QWidget*>(ui_->PanelXRefWinColor),
                            static_cast<QWidget*>(ui_->PanelCallWinColor),
                            static_cast<QWidget*>(ui_->PanelSourceWinColor),
                            static_cast<QWidget*>(ui_->CheckBoxSameColor)})
        hidden->hide();
    QFont bold = ui_->LabelHintReload->font();
    bold.setBold(true);
    for (QLabel* hint : {ui_->LabelHintReload, ui_->LabelHintReload2, ui_->LabelHintReload3})
        hint->setFont(bold);
    ui_->PageControlOptions->setCurrentWidget(ui_->TabSheetGeneral);
}

TOptionWin::~TOptionWin() { delete ui_; }

QString TOptionWin::Txt(int entry, int language) const {
    const std::string& text = Text(entry, language);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QList<QLabel*> TOptionWin::FontPanels() const {
    return {ui_->PanelStructWinFont, ui_->PanelXRefWinFont, ui_->PanelCallWinFont, ui_->PanelSourceWinFont};
}

QList<QLabel*> TOptionWin::ColorPanels() const {
    return {ui_->PanelColorZnrAbs,        ui_->PanelColorZnrTrigger,    ui_->PanelColorContinue,
            ui_->PanelColorSource,        ui_->PanelColorSourceComment, ui_->PanelColorSourceNames,
            ui_->PanelColorSourceCommands, ui_->PanelColorSourceGold,   ui_->PanelColorSourceErrors,
            ui_->PanelColorSourceWarnings, ui_->PanelColorSourceInfos,  ui_->PanelColorSourceActiveline,
            ui_->PanelColorSourceMarked};
}

QList<QPlainTextEdit*> TOptionWin::ExceptionMemos() const {
    return {ui_->MemoMarkEntriesException, ui_->MemoMarkCompVarsException, ui_->MemoMarkLocalVarsException,
            ui_->MemoMarkLabelException};
}

bool TOptionWin::IsBackColorPanel(const QLabel* panel) const {
    return panel == ui_->PanelColorSourceActiveline || panel == ui_->PanelColorSourceMarked;
}

void TOptionWin::SetDialogLanguage(int language) {
    auto t = [this, language](int entry) { return Txt(entry, language); };
    setWindowTitle(t(104));
    ui_->ButtonOK->setText(t(105));
    ui_->ButtonCancel->setText(t(106));
    ui_->ButtonDefaults->setText(t(107));
    ui_->CheckBoxUseINI->setText(
        t(108).replace(QStringLiteral("%s"), EscapeMnemonic(QDir::toNativeSeparators(settings_.IniFileName))));

    QTabWidget* pages = ui_->PageControlOptions;
    const std::pair<QWidget*, int> tabs[] = {
        {ui_->TabSheetGeneral, 110}, {ui_->TabSheetAnalyze, 111},   {ui_->TabSheetAnalyze2, 112},
        {ui_->TabSheetWindows, 113}, {ui_->TabSheetSourceWin, 114}, {ui_->TabSheetCallWin, 115}};
    for (const auto& [page, entry] : tabs) pages->setTabText(pages->indexOf(page), t(entry));

    const std::pair<QGroupBox*, int> groups[] = {
        {ui_->RadioGroupLanguage, 116},   {ui_->GroupBoxDefaultDir, 117},  {ui_->GroupBoxAnalyze, 119},
        {ui_->GroupBoxWarnings, 127},     {ui_->GroupBoxSuspicious, 130},  {ui_->GroupBoxStructWin, 143},
        {ui_->GroupBoxXRefWin, 144},      {ui_->GroupBoxCallWin, 145},     {ui_->GroupBoxSizing, 150},
        {ui_->GroupBoxXRefOptions, 153},  {ui_->RadioGroupHow2showXref, 155}, {ui_->GroupBoxCallWinOptions, 159},
        {ui_->RadioGroupSortCalls, 162},  {ui_->GroupBoxColumns, 166},     {ui_->GroupBoxSourceWin, 170},
        {ui_->GroupBoxSource, 170},       {ui_->GroupBoxSourceColors, 173}};
    for (const auto& [group, entry] : groups) group->setTitle(t(entry));

    const std::pair<QAbstractButton*, int> buttons[] = {
        {ui_->CheckBoxAskToSave, 118},       {ui_->CheckBoxAutoReload, 204},
        {ui_->CheckBoxIgnoreERRF, 121},
        {ui_->CheckBoxListStatus, 122},      {ui_->CheckBoxListResult, 123},
        {ui_->CheckBoxMergeOther, 124},      {ui_->CheckBoxIgnoreEmptyLines, 125},
        {ui_->CheckBoxServiceWarnings, 126}, {ui_->CheckBoxMarkInvalidParams, 128},
        {ui_->CheckBoxMarkVarStrings, 129},  {ui_->CheckBoxMarkEntries, 132},
        {ui_->CheckBoxMarkCompVars, 135},    {ui_->CheckBoxMarkLocalVars, 138},
        {ui_->CheckBoxMarkLabel, 141},       {ui_->CheckBoxStructWinVisible, 146},
        {ui_->CheckBoxXRefWinVisible, 146},  {ui_->CheckBoxCallWinVisible, 146},
        {ui_->CheckBoxSourceWinVisible, 146}, {ui_->CheckBoxSameFont, 148},
        {ui_->CheckBoxSameColor, 149},       {ui_->CheckBoxAutosize, 151},
        {ui_->CheckBoxSourceSize2x, 152},    {ui_->CheckBoxSortLocals, 154},
        {ui_->RadioButtonHow2showXref0, 157}, {ui_->RadioButtonHow2showXref1, 156},
        {ui_->RadioButtonHow2showXref2, 158}, {ui_->CheckBoxListDuplicateCalls, 160},
        {ui_->CheckBoxlistLibraryCalls, 161}, {ui_->RadioButtonSortCalls0, 163},
        {ui_->RadioButtonSortCalls1, 164},   {ui_->CheckBoxExpandCallTree, 165},
        {ui_->CheckBoxLineNrTotal, 167},     {ui_->CheckBoxLineNrTrigger, 168},
        {ui_->CheckBoxContinueFlag, 169},    {ui_->CheckBoxLowerCases, 171},
        {ui_->CheckBoxAutoIndent, 172}};
    for (const auto& [button, entry] : buttons) button->setText(t(entry));

    const std::pair<QLabel*, int> labels[] = {
        {ui_->LabelHintReload, 120},         {ui_->LabelHintReload2, 120},
        {ui_->LabelHintReload3, 120},        {ui_->LabelIgnore, 131},
        {ui_->LabelBoxMarkEntries1, 133},    {ui_->LabelBoxMarkEntries2, 134},
        {ui_->LabelBoxMarkCompVars1, 136},   {ui_->LabelBoxMarkCompVars2, 137},
        {ui_->LabelMarkLocalVars1, 139},     {ui_->LabelMarkLocalVars2, 140},
        {ui_->LabelBoxMarkLabel1, 142},      {ui_->PanelStructWinColor, 147},
        {ui_->PanelXRefWinColor, 147},       {ui_->PanelCallWinColor, 147},
        {ui_->PanelSourceWinColor, 147},     {ui_->LabelColorSource, 174},
        {ui_->LabelColorSourceComment, 175}, {ui_->LabelColorSourceNames, 176},
        {ui_->LabelColorSourceCommands, 177}, {ui_->LabelColorSourceGold, 178},
        {ui_->LabelColorSourceErrors, 179},  {ui_->LabelColorSourceWarnings, 180},
        {ui_->LabelColorSourceInfos, 181},   {ui_->LabelColorSourceActiveLine, 182},
        {ui_->LabelColorSourceMarked, 183}};
    for (const auto& [label, entry] : labels) label->setText(LabelCaption(t(entry)));
}

void TOptionWin::SetFontPanel(QLabel* panel, const TFontInfo& font) {
    panelFonts_[panel] = font;
    panel->setFont(font.ToQFont());
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, ToQColor(font.Color));
    panel->setPalette(palette);
    panel->setText(font.Name);
}

TFontInfo TOptionWin::PanelFont(const QLabel* panel) const { return panelFonts_.value(panel); }

void TOptionWin::SetTextColor(QLabel* panel, TColor color) {
    if (!IsBackColorPanel(panel)) panelColors_[panel] = color;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::WindowText, ToQColor(color));
    panel->setPalette(palette);
}

void TOptionWin::SetBackColor(QLabel* panel, TColor color) {
    panelColors_[panel] = color;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    panel->setPalette(palette);
    // The marked-text sample stays readable on any background.
    if (panel == ui_->PanelColorSourceMarked) SetTextColor(panel, Inverted(color));
}

TColor TOptionWin::PanelTextColor(const QLabel* panel) const {
    return FromQColor(panel->palette().color(QPalette::WindowText));
}

TColor TOptionWin::PanelBackColor(const QLabel* panel) const {
    return FromQColor(panel->palette().color(QPalette::Window));
}

void TOptionWin::OptionsToDialog(const TLumorcaOptions& record) {
    SetDialogLanguage(settings_.Options.Language);
    ui_->CheckBoxUseINI->setChecked(!settings_.UseRegistry);

    language_->button(record.Language == 0 ? 0 : 1)->setChecked(true);
    // Setting the item acts like a click on it, also when it was set already.
    RadioGroupLanguageClick(record.Language == 0 ? 0 : 1);

    ui_->EditProcListingDir->setText(record.ProcListingDir);
    RowsToControls(record);
    CheckBoxMarkClick();

    SetFontPanel(ui_->PanelStructWinFont, record.StructureWin.Font);
    SetFontPanel(ui_->PanelXRefWinFont, record.XRefWin.Font);
    SetFontPanel(ui_->PanelCallWinFont, record.CallWin.Font);
    SetFontPanel(ui_->PanelSourceWinFont, record.SourceWin.Font);
    ui_->CheckBoxStructWinVisible->setChecked(record.StructureWin.State != StateMinimized);
    ui_->CheckBoxXRefWinVisible->setChecked(record.XRefWin.State != StateMinimized);
    ui_->CheckBoxCallWinVisible->setChecked(record.CallWin.State != StateMinimized);
    ui_->CheckBoxSourceWinVisible->setChecked(record.SourceWin.State != StateMinimized);

    CheckBoxAutosizeClick();

    if (QAbstractButton* b = how2ShowXRef_->button(record.How2ShowXRef)) b->setChecked(true);
    if (QAbstractButton* b = sortCalls_->button(record.SortCalls)) b->setChecked(true);
    ui_->ComboBoxIndentVal->setCurrentText(QString::number(record.Indent));

    for (const QButtonGroup* g : {language_, how2ShowXRef_, sortCalls_}) TabStopOnChecked(g);
    update();
}

void TOptionWin::OptionsFromDialog() {
    const bool useIni = ui_->CheckBoxUseINI->isChecked();
    if (useIni == settings_.UseRegistry) settings_.SwitchSettingsStore(!useIni);

    TLumorcaOptions& o = settings_.Options;
    o.Language = language_->checkedId() == 0 ? 0 : 1;
    // Blanks name no directory: the previous one stays.
    if (!ui_->EditProcListingDir->text().trimmed().isEmpty()) o.ProcListingDir = ui_->EditProcListingDir->text();
    RowsFromControls(o);

    o.StructureWin.Font = PanelFont(ui_->PanelStructWinFont);
    o.XRefWin.Font = PanelFont(ui_->PanelXRefWinFont);
    o.CallWin.Font = PanelFont(ui_->PanelCallWinFont);
    o.SourceWin.Font = PanelFont(ui_->PanelSourceWinFont);
    auto state = [](const QCheckBox* visible) { return visible->isChecked() ? StateNormal : StateMinimized; };
    o.StructureWin.State = state(ui_->CheckBoxStructWinVisible);
    o.XRefWin.State = state(ui_->CheckBoxXRefWinVisible);
    o.CallWin.State = state(ui_->CheckBoxCallWinVisible);
    o.SourceWin.State = state(ui_->CheckBoxSourceWinVisible);

    o.How2ShowXRef = qMax(0, how2ShowXRef_->checkedId());
    o.SortCalls = qMax(0, sortCalls_->checkedId());
    // Text that is no whole number keeps the indent there was.
    bool ok = false;
    const int indent = ui_->ComboBoxIndentVal->currentText().trimmed().toInt(&ok, 10);
    if (ok && indent >= 0) o.Indent = indent;
}

QWidget* TOptionWin::RowControl(const TOptionRow& row) const {
    QWidget* control = findChild<QWidget*>(row.Control);
    Q_ASSERT_X(control != nullptr, "settings table", "no control of that name");
    return control;
}

void TOptionWin::RowsToControls(const TLumorcaOptions& record) {
    for (const TOptionRow& row : OptionRows()) {
        if (row.Control.isEmpty()) continue;
        QWidget* control = RowControl(row);
        std::visit(Overloaded{
                       [&](bool TLumorcaOptions::*m) { qobject_cast<QCheckBox*>(control)->setChecked(record.*m); },
                       [&](QStringList TLumorcaOptions::*m) {
                           qobject_cast<QPlainTextEdit*>(control)->setPlainText((record.*m).join(u'\n'));
                       },
                       [&](TColor TLumorcaOptions::*m) {
                           auto* panel = qobject_cast<QLabel*>(control);
                           if (IsBackColorPanel(panel)) SetBackColor(panel, record.*m);
                           else SetTextColor(panel, record.*m);
                       },
                       [](auto) {},
                   },
                   row.Member);
    }
}

void TOptionWin::RowsFromControls(TLumorcaOptions& o) const {
    for (const TOptionRow& row : OptionRows()) {
        if (row.Control.isEmpty()) continue;
        QWidget* control = RowControl(row);
        std::visit(Overloaded{
                       [&](bool TLumorcaOptions::*m) { o.*m = qobject_cast<QCheckBox*>(control)->isChecked(); },
                       // Empty lines name nothing and would vanish at the next start anyway.
                       [&](QStringList TLumorcaOptions::*m) {
                           o.*m = qobject_cast<QPlainTextEdit*>(control)->toPlainText().split(u'\n',
                                                                                             Qt::SkipEmptyParts);
                       },
                       [&](TColor TLumorcaOptions::*m) { o.*m = panelColors_.value(qobject_cast<QLabel*>(control)); },
                       [](auto) {},
                   },
                   row.Member);
    }
}

void TOptionWin::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OptionsToDialog(settings_.Options);
    QDialog::showEvent(event);
}

void TOptionWin::ButtonOKClick() {
    OptionsFromDialog();
    if (settings_.ApplyOptions) settings_.ApplyOptions();
    accept();
}

void TOptionWin::ButtonCancelClick() { reject(); }

void TOptionWin::ButtonDefaultsClick() {
    const int language = settings_.Options.Language;
    if (ConfirmReset && ConfirmReset(this, Txt(107, language), Txt(109, language)))
        OptionsToDialog(settings_.DefaultOptions);
}

void TOptionWin::ButtonSelectDirClick() {
    if (!ChooseDirectory) return;
    const QString chosen = ChooseDirectory(this, ui_->EditProcListingDir->text());
    if (!chosen.isEmpty()) ui_->EditProcListingDir->setText(chosen);
}

void TOptionWin::FontPanelDblClick(QLabel* panel) {
    if (!ChooseFont) return;
    chooserFont_ = PanelFont(panel);
    const std::optional<QFont> chosen = ChooseFont(this, chooserFont_.ToQFont());
    if (!chosen) return;
    chooserFont_ = FromQFont(*chosen, chooserFont_.Color);
    if (ui_->CheckBoxSameFont->isChecked()) {
        for (QLabel* each : FontPanels()) SetFontPanel(each, chooserFont_);
    } else {
        SetFontPanel(panel, chooserFont_);
    }
}

void TOptionWin::ColorPanelDblClick(QLabel* panel) {
    if (!ChooseColor) return;
    const bool back = IsBackColorPanel(panel);
    const TColor current = back ? PanelBackColor(panel) : PanelTextColor(panel);
    const std::optional<QColor> chosen = ChooseColor(this, ToQColor(current));
    if (!chosen) return;
    if (back)
        SetBackColor(panel, FromQColor(*chosen));
    else
        SetTextColor(panel, FromQColor(*chosen));
}

void TOptionWin::CheckBoxSameFontClick() {
    if (!ui_->CheckBoxSameFont->isChecked()) return;
    for (QLabel* panel : FontPanels()) SetFontPanel(panel, chooserFont_);
}

void TOptionWin::CheckBoxAutosizeClick() {
    ui_->CheckBoxSourceSize2x->setEnabled(ui_->CheckBoxAutosize->isChecked());
}

void TOptionWin::RadioGroupLanguageClick(int index) { SetDialogLanguage(index == 0 ? 0 : 1); }

void TOptionWin::CheckBoxMarkClick() {
    ui_->MemoMarkEntriesException->setEnabled(ui_->CheckBoxMarkEntries->isChecked());
    ui_->MemoMarkCompVarsException->setEnabled(ui_->CheckBoxMarkCompVars->isChecked());
    ui_->MemoMarkLocalVarsException->setEnabled(ui_->CheckBoxMarkLocalVars->isChecked());
    ui_->MemoMarkLabelException->setEnabled(ui_->CheckBoxMarkLabel->isChecked());
}

bool TOptionWin::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* panel = qobject_cast<QLabel*>(watched);
        if (panel != nullptr && FontPanels().contains(panel)) {
            FontPanelDblClick(panel);
            return true;
        }
        if (panel != nullptr && ColorPanels().contains(panel)) {
            ColorPanelDblClick(panel);
            return true;
        }
    }
    if (event->type() == QEvent::KeyPress) {
        auto* memo = qobject_cast<QPlainTextEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (memo != nullptr && ExceptionMemos().contains(memo) && !text.isEmpty() &&
            !text.front().isNull() && text.front().category() != QChar::Other_Control) {
            const QString upper = QLocale().toUpper(text);
            if (upper != text) {
                QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), upper,
                                   key->isAutoRepeat(), static_cast<ushort>(key->count()));
                QCoreApplication::sendEvent(memo, &replaced);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lumorca
