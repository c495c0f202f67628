#pragma once
// Test cases kept as text under tests/data, read by the analysis and the
// command-line tests alike.
#include <gtest/gtest.h>

#include <fstream>
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

}  // namespace lumorca::test
