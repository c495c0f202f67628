#pragma once
// Every test class registers itself; the test program runs them all.
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

}  // namespace lumorca::gui::test
