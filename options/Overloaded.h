#pragma once
// A visitor made of lambdas, one per alternative of a std::variant.

namespace lumorca {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

}  // namespace lumorca
