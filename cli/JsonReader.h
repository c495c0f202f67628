#pragma once
// Just enough JSON reading for a baseline file: a whole document into a
// tree of values. Numbers are kept as their text.
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumorca::cli {

class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class JsonValue {
public:
    enum class Kind { Null, Bool, Number, String, Array, Object };

    // Throws JsonError naming the byte offset of the first fault.
    static JsonValue Parse(std::string_view text);

    Kind Type() const { return kind_; }
    bool IsString() const { return kind_ == Kind::String; }
    bool IsArray() const { return kind_ == Kind::Array; }
    bool IsObject() const { return kind_ == Kind::Object; }
    // Text of a string (UTF-8) or of a number.
    const std::string& Text() const { return text_; }
    const std::vector<JsonValue>& Items() const { return items_; }
    // Member of an object; null when absent.
    const JsonValue* Member(const std::string& key) const;

private:
    friend class JsonParser;
    Kind kind_ = Kind::Null;
    std::string text_;
    std::vector<JsonValue> items_;
    std::vector<std::pair<std::string, JsonValue>> members_;
};

}  // namespace lumorca::cli
