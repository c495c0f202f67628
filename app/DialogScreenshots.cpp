#include "app/DialogScreenshots.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QTabWidget>

#include "app/Main.h"
#include "dialogs/Aboutbox.h"
#include "dialogs/FindXRefDialog.h"
#include "options/OptionWin.h"
#include "texts/TextIds.h"

namespace lumorca::gui {
namespace {

void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget& window, const QString& file) {
    Settle();
    return window.grab().save(file);
}

}  // namespace

bool WriteDialogScreenshots(TMain& main, const QDir& out) {
    bool ok = true;
    const int language = main.Options().Language;
    for (const int lang : {1, 0}) {
        const QString suffix = lang == 0 ? QStringLiteral("german") : QStringLiteral("english");
        main.Options().Language = lang;
        main.ApplyOptions();

        TOptionWin& options = *main.findChild<TOptionWin*>();
        options.show();
        QTabWidget* pages = options.findChild<QTabWidget*>(QStringLiteral("PageControlOptions"));
        for (int i = 0; i < pages->count(); ++i) {
            pages->setCurrentIndex(i);
            const QString name = QStringLiteral("options-%1-%2-%3.png")
                                     .arg(suffix)
                                     .arg(i + 1)
                                     .arg(pages->widget(i)->objectName());
            ok = Save(options, out.filePath(name)) && ok;
        }
        pages->setCurrentIndex(0);
        options.reject();

        main.XRefFindDialogClick();
        auto* findXRef = main.findChild<TFormFindXRef*>();
        ok = Save(*findXRef, out.filePath(QStringLiteral("findxref-%1.png").arg(suffix))) && ok;
        findXRef->hide();

        TAbout about(lang, &main);
        about.show();
        ok = Save(about, out.filePath(QStringLiteral("about-%1.png").arg(suffix))) && ok;
        about.hide();

        // Qt's own dialogs and buttons follow the language too.
        QMessageBox box(QMessageBox::Question, main.windowTitle(), main.Txt(TextAskSaveListing),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &main);
        box.show();
        ok = Save(box, out.filePath(QStringLiteral("box-%1.png").arg(suffix))) && ok;
        box.hide();
        QFileDialog file(&main);
        file.setOption(QFileDialog::DontUseNativeDialog);
        file.setNameFilter(QStringLiteral("Proc listings (*.pro)"));
        file.show();
        ok = Save(file, out.filePath(QStringLiteral("filedialog-%1.png").arg(suffix))) && ok;
        file.hide();
        QColorDialog color(&main);
        color.setOption(QColorDialog::DontUseNativeDialog);
        color.show();
        ok = Save(color, out.filePath(QStringLiteral("colordialog-%1.png").arg(suffix))) && ok;
        color.hide();
        QFontDialog font(&main);
        font.setOption(QFontDialog::DontUseNativeDialog);
        font.show();
        ok = Save(font, out.filePath(QStringLiteral("fontdialog-%1.png").arg(suffix))) && ok;
        font.hide();
    }
    main.Options().Language = language;
    main.ApplyOptions();
    return ok;
}

}  // namespace lumorca::gui
