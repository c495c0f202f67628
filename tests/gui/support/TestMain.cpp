#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "TestRegistry.h"

// Every test class runs against a per-user store in a temporary folder,
// never against the user's own settings.
int main(int argc, char* argv[]) {
    QTemporaryDir configHome;
    if (!configHome.isValid()) return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, configHome.filePath(QStringLiteral("system")));
    QApplication app(argc, argv);
    return lumorca::gui::test::RunTestClasses(argc, argv);
}
