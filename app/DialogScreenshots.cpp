#include "app/DialogScreenshots.h"

#include <QApplication>
#include <QTabWidget>

#include "app/Main.h"
#include "dialogs/Aboutbox.h"
#include "dialogs/FindXRefDialog.h"
#include "options/OptionWin.h"

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
        main.Options().Language = static_cast<std::uint8_t>(lang);
        main.ApplyOptions();

        TOptionWin& options = *main.OptionForm;
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
        ok = Save(*main.FormFindXRef, out.filePath(QStringLiteral("findxref-%1.png").arg(suffix))) && ok;
        main.FormFindXRef->hide();

        TAbout about(lang, &main);
        about.show();
        ok = Save(about, out.filePath(QStringLiteral("about-%1.png").arg(suffix))) && ok;
        about.hide();
    }
    main.Options().Language = static_cast<std::uint8_t>(language);
    main.ApplyOptions();
    return ok;
}

}  // namespace lumorca::gui
