#include "app/MessageService.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace lumorca::gui {

namespace {

// The program title, the same in both languages.
QString Title() {
    return QStringLiteral("Corvane Source Analyzer");
}

// Room beside the title for the title bar's icon and buttons.
constexpr int TitleBarButtonsWidth = 160;

// A box as wide as its title needs: a short text makes a narrow box whose
// title the window manager cuts.
int ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text,
            QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, caption, text, buttons, parent);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = box.font();
        titleFont.setBold(true);
        const int width = QFontMetrics(titleFont).horizontalAdvance(caption) + TitleBarButtonsWidth;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    const int button = box.exec();
    // The box stood over the window that opened it; that window is the
    // active one again, so the keys go back where they came from.
    if (parent != nullptr && parent->window()->isVisible()) parent->window()->activateWindow();
    return button;
}

TAnswer FromButton(int button) {
    switch (button) {
        case QMessageBox::Yes: return TAnswer::Yes;
        case QMessageBox::No: return TAnswer::No;
        case QMessageBox::Ok: return TAnswer::Ok;
        default: return TAnswer::Cancel;
    }
}

}  // namespace

void TMessageBoxes::Error(QWidget* parent, const QString& text) {
    ShowBox(parent, QMessageBox::Critical, Title(), text, QMessageBox::Ok);
}

TAnswer TMessageBoxes::ConfirmYesCancel(QWidget* parent, const QString& text) {
    return FromButton(ShowBox(parent, QMessageBox::Question, Title(), text, QMessageBox::Yes | QMessageBox::Cancel));
}

TAnswer TMessageBoxes::ConfirmYesNoCancel(QWidget* parent, const QString& text) {
    return FromButton(ShowBox(parent, QMessageBox::Question, Title(), text,
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
}

TAnswer TMessageBoxes::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return FromButton(ShowBox(parent, QMessageBox::Question, caption.isEmpty() ? Title() : caption, text, QMessageBox::Yes | QMessageBox::No));
}

}  // namespace lumorca::gui

namespace lumorca::gui {

void TMessageService::Information(QWidget* parent, const QString& caption, const QString& text) {
    ShowBox(parent, QMessageBox::Information, caption.isEmpty() ? Title() : caption, text, QMessageBox::Ok);
}

}  // namespace lumorca::gui
