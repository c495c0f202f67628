#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "GuiTestSupport.h"
#include "WindowControls.h"
#include "TestRegistry.h"
#include "texts/Texts.h"

using namespace lumorca;
using namespace lumorca::gui;
using namespace lumorca::gui::test;

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
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        QFileDialog open(main.get());
        open.setOption(QFileDialog::DontUseNativeDialog);
        const QString english = FileTypeLabel(open);
        QCOMPARE(english, QStringLiteral("Files of type:"));
        QCOMPARE(Ask(main.get()).Buttons, QStringList({"Cancel", "No", "Yes"}));

        main->Options().Language = 0;
        main->ApplyOptions();
        QCOMPARE(Ask(main.get()).Buttons, QStringList({"Abbrechen", "Ja", "Nein"}));
        QVERIFY(!FileTypeLabel(open).isEmpty());
        QVERIFY(FileTypeLabel(open) != english);  // the open dialog too

        main->Options().Language = 1;
        main->ApplyOptions();
        QCOMPARE(Ask(main.get()).Buttons, QStringList({"Cancel", "No", "Yes"}));
        QCOMPARE(FileTypeLabel(open), english);
    }

    void BoxesAreWideEnoughForTheirTitle() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        const ShownBox box = Ask(main.get(), true);
        QVERIFY2(box.Width > box.TitleWidth + 100, qPrintable(QStringLiteral("%1 %2").arg(box.Width).arg(box.TitleWidth)));
    }

    void FindIsNoToggleAndButtonsWithoutTextHaveHints() {
        TSandbox sandbox;
        TScriptedMessages messages;
        auto main = StartMain(sandbox, messages);
        main->Analyzer = [](ListingLines& lines, const AnalysisSettings& settings, AnalysisObserver* observer,
                            TraceSink* trace) { return AnalyzeListing(lines, settings, observer, trace); };
        main->LoadFile(QStringLiteral(LUMORCA_SOURCE_DIR "/examples/orders.pro"));
        const QList<QAction*> items = PopupmenuXRefOf(main.get())->actions();
        QVERIFY(!items.isEmpty());
        QVERIFY(!items.back()->isCheckable());
        QVERIFY(items.front()->isCheckable());

        for (int language : {0, 1}) {
            main->Options().Language = language;
            main->ApplyOptions();
            QCOMPARE(main->ActionCallWin->toolTip(), QString::fromLatin1(Text(70, language).c_str()));
            for (QToolBar* bar : main->findChildren<QToolBar*>()) {
                for (QAction* action : bar->actions()) {
                    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action));
                    if (button == nullptr || action->isSeparator() || !button->isVisible()) continue;
                    QVERIFY2(!action->toolTip().isEmpty(),
                             qPrintable(action->objectName() + QLatin1Char(' ') + action->toolTip()));
                }
            }
        }
    }
};

lumorca::gui::test::RegisterTest<StandardDialogsTest> registered;

}  // namespace

#include "StandardDialogsTest.moc"
