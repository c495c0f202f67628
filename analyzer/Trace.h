#pragma once
// Optional sink for the debug traces; the program's debug memo is one.
#include <string>

namespace lumorca {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    // The selected trace level (0 = none).
    virtual int Level() const = 0;
    virtual void Line(const std::string& text) = 0;
    virtual void Clear() {}
    virtual void SetVisible(bool /*visible*/) {}
};

inline bool TraceAt(const TraceSink* sink, int level) {
    return sink != nullptr && sink->Level() == level;
}

}  // namespace lumorca
