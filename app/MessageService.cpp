#include "app/MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace lumorca::gui {

namespace {

// The program title, the same in both languages.
QString Title() {
    return QStringLiteral("Corvane Source Analyzer");
}

// The box stands over the window that opened it; once it is closed that
// window is the active one again, so the keys go back where they came from.
int Closed(QWidget* parent, int button) {
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
    Closed(parent, QMessageBox::critical(parent, Title(), text, QMessageBox::Ok));
}

TAnswer TMessageBoxes::ConfirmYesCancel(QWidget* parent, const QString& text) {
    return FromButton(Closed(parent, QMessageBox::question(parent, Title(), text,
                                                           QMessageBox::Yes | QMessageBox::Cancel)));
}

TAnswer TMessageBoxes::ConfirmYesNoCancel(QWidget* parent, const QString& text) {
    return FromButton(Closed(parent, QMessageBox::question(parent, Title(), text,
                                                           QMessageBox::Yes | QMessageBox::No |
                                                               QMessageBox::Cancel)));
}

TAnswer TMessageBoxes::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return FromButton(Closed(parent, QMessageBox::question(parent, caption.isEmpty() ? Title() : caption,
                                                           text, QMessageBox::Yes | QMessageBox::No)));
}

}  // namespace lumorca::gui

namespace lumorca::gui {

void TMessageService::Information(QWidget* parent, const QString& caption, const QString& text) {
    Closed(parent,
           QMessageBox::information(parent, caption.isEmpty() ? Title() : caption, text, QMessageBox::Ok));
}

}  // namespace lumorca::gui
