#pragma once
// Every test class registers itself; a test program runs them all.
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

namespace lumorca::gui::test {

using TestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<TestFactory>& TestClasses();

template <typename T>
struct RegisterTest {
    RegisterTest() { TestClasses().push_back([] { return std::make_unique<T>(); }); }
};

// Runs the registered classes, or with LUMORCA_TEST_CLASS set only the one
// whose name ends so; the exit code of the test program.
int RunTestClasses(int argc, char* argv[]);

}  // namespace lumorca::gui::test
