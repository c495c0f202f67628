#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace lumorca::gui {

namespace {

constexpr int German = 0;

QTranslator& QtBase() {
    static QTranslator translator;
    return translator;
}

}  // namespace

void UseQtTranslations(int language) {
    QTranslator& translator = QtBase();
    const bool german = language == German;
    const bool loaded = !translator.isEmpty();
    if (german == loaded) return;
    if (german) {
        if (translator.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&translator);
    } else {
        QCoreApplication::removeTranslator(&translator);
        (void)translator.load(QString());  // empties it
    }
}

}  // namespace lumorca::gui
