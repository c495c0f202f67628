#include "app/MessageService.h"

#include <QApplication>
#include <QMessageBox>

namespace lumorca::gui {

namespace {

// The program title, the same in both languages.
QString Title() {
    return QStringLiteral("Corvane Source Analyzer");
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
    QMessageBox::critical(parent, Title(), text, QMessageBox::Ok);
}

TAnswer TMessageBoxes::ConfirmYesCancel(QWidget* parent, const QString& text) {
    return FromButton(QMessageBox::question(parent, Title(), text,
                                            QMessageBox::Yes | QMessageBox::Cancel));
}

TAnswer TMessageBoxes::ConfirmYesNoCancel(QWidget* parent, const QString& text) {
    return FromButton(QMessageBox::question(parent, Title(), text,
                                            QMessageBox::Yes | QMessageBox::No |
                                                QMessageBox::Cancel));
}

TAnswer TMessageBoxes::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
    return FromButton(
        QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No));
}

}  // namespace lumorca::gui
