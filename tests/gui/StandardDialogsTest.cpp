#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

#include "StartedWindow.h"

namespace lumorca::gui::test {

namespace {

struct ShownBox {
    QStringList Buttons;
    int Width = 0;
    int TitleWidth = 0;
};

// Shows the program's own box and reads it while it is open; a question
// with three buttons unless `error`.
ShownBox Ask(QWidget* parent, bool error = false) {
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        for (QAbstractButton* button : box->buttons()) shown.Buttons << button->text().remove(QLatin1Char('&'));
        QFont bold = box->font();
        bold.setBold(true);
        shown.Width = box->width();
        shown.TitleWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
        box->reject();
    });
    TMessageBoxes boxes;
    if (error)
        boxes.Error(parent, QStringLiteral("?"));
    else
        boxes.ConfirmYesNoCancel(parent, QStringLiteral("?"));
    shown.Buttons.sort();
    return shown;
}

QString FileTypeLabel(QFileDialog& dialog) {
    auto* label = dialog.findChild<QLabel*>(QStringLiteral("fileTypeLabel"));
    return label ? label->text() : QString();
}

class StandardDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void QtsOwnTextsFollowTheLanguageAtOnce() {
        TStarted w;
        QFileDialog open(w.Window());
        open.setOption(QFileDialog::DontUseNativeDialog);
        const QString english = FileTypeLabel(open);
        QCOMPARE(english, QStringLiteral("Files of type:"));
        QCOMPARE(Ask(w.Window()).Buttons, QStringList({"Cancel", "No", "Yes"}));

        w->Options().Language = 0;
        w->ApplyOptions();
        QCOMPARE(Ask(w.Window()).Buttons, QStringList({"Abbrechen", "Ja", "Nein"}));
        QVERIFY(!FileTypeLabel(open).isEmpty());
        QVERIFY(FileTypeLabel(open) != english);  // the open dialog too

        w->Options().Language = 1;
        w->ApplyOptions();
        QCOMPARE(Ask(w.Window()).Buttons, QStringList({"Cancel", "No", "Yes"}));
        QCOMPARE(FileTypeLabel(open), english);
        // Boxes are wide enough for their title.
        const ShownBox box = Ask(w.Window(), true);
        QVERIFY2(box.Width > box.TitleWidth + 100, qPrintable(QStringLiteral("%1 %2").arg(box.Width).arg(box.TitleWidth)));
    }
};

RegisterTest<StandardDialogsTest> registered;

}  // namespace
}  // namespace lumorca::gui::test

#include "StandardDialogsTest.moc"
