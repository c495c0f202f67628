// Lumorca7: the Corvane Source Analyzer's window.
#include <QApplication>

#include "app/Application.h"
#include "app/Main.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumorca7"));

    lumorca::gui::TMessageBoxes messages;
    lumorca::gui::TMain main(QCoreApplication::applicationFilePath(), lumorca::RegistryStoreName,
                             &messages);
    lumorca::gui::TMainServices services;
    services.ClipboardText = lumorca::gui::ClipboardLatin1;
    main.SetServices(services);
    main.Startup(QCoreApplication::arguments());
    main.show();
    return QApplication::exec();
}
