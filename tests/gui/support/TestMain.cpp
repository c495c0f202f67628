#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "TestRegistry.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Keeps the per-user settings store of the tests away from the user's.
    QStandardPaths::setTestModeEnabled(true);
    return lumorca::gui::test::RunTestClasses(argc, argv);
}
