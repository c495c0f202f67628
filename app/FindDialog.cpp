#include "app/FindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "texts/Texts.h"

namespace lumorca::gui {

namespace {

QString Entry(int entry, int language) {
    const std::string& text = lumorca::Text(entry, language);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TFindDialog::TFindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog"));
    setModal(false);
    label_ = new QLabel(this);
    Edit = new QLineEdit(this);
    Edit->setObjectName(QStringLiteral("FindText"));
    label_->setBuddy(Edit);
    MatchCaseBox = new QCheckBox(this);
    MatchCaseBox->setObjectName(QStringLiteral("MatchCase"));
    direction_ = new QGroupBox(this);
    UpButton = new QRadioButton(direction_);
    UpButton->setObjectName(QStringLiteral("Up"));
    DownButton = new QRadioButton(direction_);
    DownButton->setObjectName(QStringLiteral("Down"));
    DownButton->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction_);
    directionLayout->addWidget(UpButton);
    directionLayout->addWidget(DownButton);
    FindNextButton = new QPushButton(this);
    FindNextButton->setObjectName(QStringLiteral("FindNext"));
    FindNextButton->setDefault(true);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName(QStringLiteral("Cancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(label_, 0, 0);
    grid->addWidget(Edit, 0, 1, 1, 2);
    grid->addWidget(MatchCaseBox, 1, 0, 1, 2, Qt::AlignBottom);
    grid->addWidget(direction_, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(FindNextButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 3, 2, 1);

    connect(Edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { FindNextButton->setEnabled(!text.isEmpty()); });
    connect(FindNextButton, &QPushButton::clicked, this, [this] {
        if (!FindText().isEmpty()) emit Find();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::close);
    FindNextButton->setEnabled(false);
    SetLanguage(LanguageEnglish);
}

QString TFindDialog::FindText() const {
    return Edit->text();
}

void TFindDialog::SetFindText(const QString& text) {
    Edit->setText(text);
    Edit->selectAll();
}

bool TFindDialog::MatchCase() const {
    return MatchCaseBox->isChecked();
}

bool TFindDialog::Down() const {
    return DownButton->isChecked();
}

void TFindDialog::SetDown(bool down) {
    (down ? DownButton : UpButton)->setChecked(true);
}

void TFindDialog::FocusFindText() {
    Edit->setFocus();
}

void TFindDialog::SetLanguage(int language) {
    setWindowTitle(Entry(63, language));
    label_->setText(Entry(194, language));
    MatchCaseBox->setText(Entry(195, language));
    direction_->setTitle(Entry(196, language));
    UpButton->setText(Entry(197, language));
    DownButton->setText(Entry(198, language));
    FindNextButton->setText(Entry(199, language));
    CancelButton->setText(Entry(200, language));
}

}  // namespace lumorca::gui
