#include "dialogs/Aboutbox.h"

#include <QDate>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "dialogs/ProgramIcon.h"
#include "texts/TextIds.h"
#include "texts/Texts.h"

namespace lumorca {

QString BuildDateText() {
    // __DATE__ reads "Mmm dd yyyy" with a blank before a one-digit day.
    const QString compiled = QString::fromLatin1(__DATE__).simplified();
    const QDate date = QLocale::c().toDate(compiled, QStringLiteral("MMM d yyyy"));
    return QStringLiteral("Build ") + (date.isValid() ? date.toString(Qt::ISODate) : compiled);
}

TAbout::TAbout(int language, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Infos"));
    setAttribute(Qt::WA_DeleteOnClose);
    OpenUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);

    auto label = [panel](const char* name, const QString& text, bool bold = false, int pointDelta = 0) {
        auto* l = new QLabel(text, panel);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextFormat(Qt::PlainText);
        QFont f = l->font();
        f.setBold(bold);
        if (pointDelta != 0 && f.pointSize() > 0) f.setPointSize(f.pointSize() + pointDelta);
        l->setFont(f);
        return l;
    };
    ProgramIcon = new QLabel(panel);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(ProgramPixmap(64));
    ProgramIcon->setFixedSize(64, 64);
    ProductName = label("ProductName", QStringLiteral("Corvane Source-Analyzer"), true, 4);
    Version = label("Version", QStringLiteral("Lumorca 7"), true, 2);
    Beta = label("Beta", QStringLiteral("BETA-Version"));
    BuildDate = label("BuildDate", BuildDateText());
    const std::string& comment = Text(TextBugReports, language);
    Comments = label("Comments", QString::fromLatin1(comment.data(), static_cast<qsizetype>(comment.size())));
    Comments->setWordWrap(true);
    LabelMail = label("LabelMail", ContactAddress);
    LabelMail->setCursor(Qt::PointingHandCursor);
    // Reached with Tab and opened with Enter or Space too; a dotted frame
    // shows when it has the focus.
    LabelMail->setFocusPolicy(Qt::StrongFocus);
    LabelMail->setStyleSheet(QStringLiteral("QLabel { color: #0000ff; text-decoration: underline;"
                                            " border: 1px solid transparent; }"
                                            " QLabel:focus { border: 1px dotted #000000; }"));
    LabelMail->installEventFilter(this);

    auto* names = new QVBoxLayout;
    names->addWidget(ProductName);
    names->addWidget(Version);
    names->addWidget(Beta);
    names->addWidget(BuildDate);
    auto* top = new QHBoxLayout;
    top->addWidget(ProgramIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(names, 1);
    auto* inner = new QVBoxLayout(panel);
    inner->setContentsMargins(12, 12, 12, 12);
    inner->addLayout(top);
    inner->addSpacing(12);
    inner->addWidget(Comments);
    inner->addWidget(LabelMail);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TAbout::showEvent(QShowEvent* event) {
    // Centred on the screen, not on the main window.
    if (const QScreen* screen = this->screen()) {
        adjustSize();
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

void TAbout::LabelMailClick() {
    if (OpenUrl) OpenUrl(QUrl(QStringLiteral("mailto:") + LabelMail->text()));
}

bool TAbout::eventFilter(QObject* watched, QEvent* event) {
    if (watched == LabelMail && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        LabelMailClick();
        return true;
    }
    if (watched == LabelMail && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            LabelMailClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace lumorca
