#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "TestRegistry.h"

namespace lumorca::gui::test {
std::vector<TestFactory>& TestClasses() {
    static std::vector<TestFactory> classes;
    return classes;
}
}  // namespace lumorca::gui::test

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Keeps the per-user settings store of the tests away from the user's.
    QStandardPaths::setTestModeEnabled(true);
    // LUMORCA_TEST_CLASS runs one test class alone (its functions may be named).
    const QByteArray only = qgetenv("LUMORCA_TEST_CLASS");
    int failures = 0;
    for (const auto& make : lumorca::gui::test::TestClasses()) {
        const auto test = make();
        if (!only.isEmpty() && !QByteArray(test->metaObject()->className()).endsWith(only)) continue;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
