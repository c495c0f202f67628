#pragma once
// Test cases kept as text under tests/data, read by the analysis and the
// command-line tests alike.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumorca::test {

// "== Name" (one word) starts a case, "--" its next part, "//" a comment
// line; "<empty>" stands for an empty line and \xHH for a byte.
struct DataCase {
    std::string Name;
    std::vector<std::vector<std::string>> Parts;
};

inline std::string Unescaped(std::string line) {
    for (size_t at = 0; (at = line.find("\\x", at)) != std::string::npos && at + 4 <= line.size(); ++at) {
        line.replace(at, 4, 1, static_cast<char>(std::stoi(line.substr(at + 2, 2), nullptr, 16)));
    }
    return line;
}

inline std::vector<DataCase> LoadCases(const std::string& file) {
    std::ifstream in(std::string(LUMORCA_SOURCE_DIR) + "/tests/data/" + file, std::ios::binary);
    std::vector<DataCase> cases;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("== ", 0) == 0 && line.find(' ', 3) == std::string::npos) {
            cases.push_back({line.substr(3), {{}}});
        } else if (line == "--" && !cases.empty()) {
            cases.back().Parts.emplace_back();
        } else if (!cases.empty() && !line.empty() && line.rfind("//", 0) != 0) {
            cases.back().Parts.back().push_back(line == "<empty>" ? "" : Unescaped(line));
        }
    }
    if (cases.empty()) throw std::runtime_error("no cases in " + file);
    return cases;
}

inline void PrintTo(const DataCase& c, std::ostream* out) { *out << c.Name; }

inline std::string CaseName(const ::testing::TestParamInfo<DataCase>& info) { return info.param.Name; }

// Checks a case of "input => result" lines, several arguments of the
// function separated by " | ".
inline void ExpectResults(const DataCase& c,
                          const std::function<std::string(const std::vector<std::string>&)>& function) {
    for (const std::string& line : c.Parts.at(0)) {
        const std::string input = line.substr(0, line.find(" =>"));
        std::vector<std::string> arguments;
        for (size_t from = 0;;) {
            const size_t bar = input.find(" | ", from);
            arguments.push_back(input.substr(from, bar - from));
            if (bar == std::string::npos) break;
            from = bar + 3;
        }
        EXPECT_EQ(function(arguments), line.size() > input.size() + 4 ? line.substr(input.size() + 4) : "") << line;
    }
}

}  // namespace lumorca::test
