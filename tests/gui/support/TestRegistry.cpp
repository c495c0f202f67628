#include "TestRegistry.h"

#include <QTest>

namespace lumorca::gui::test {

std::vector<TestFactory>& TestClasses() {
    static std::vector<TestFactory> classes;
    return classes;
}

int RunTestClasses(int argc, char* argv[]) {
    const QByteArray only = qgetenv("LUMORCA_TEST_CLASS");
    int failures = 0;
    for (const auto& make : TestClasses()) {
        const auto test = make();
        if (!only.isEmpty() && !QByteArray(test->metaObject()->className()).endsWith(only)) continue;
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

}  // namespace lumorca::gui::test
