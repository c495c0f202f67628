// Every test runs against a private per-user store in a temporary directory,
// never against the user's real settings.
#include "TestSupport.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lumorca::test {

void ClearTestRegistry() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, TestRegistryName.mid(9));
    settings.clear();
    settings.sync();
    QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, TestRegistryName.mid(9));
    machine.clear();
    machine.sync();
}

}  // namespace lumorca::test

int main(int argc, char** argv) {
    QTemporaryDir configHome;
    if (!configHome.isValid()) return 2;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, configHome.path());
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, configHome.filePath("system"));
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
