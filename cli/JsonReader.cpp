#include "cli/JsonReader.h"

namespace lumorca::cli {

namespace {
// Deeper documents are refused instead of running out of stack.
constexpr int kMaxDepth = 64;
}  // namespace

class JsonParser {
public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonValue Document() {
        JsonValue value = Value(0);
        Blanks();
        if (pos_ != text_.size()) Fail("text after the document");
        return value;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;

    [[noreturn]] void Fail(const std::string& what) const {
        throw JsonError(what + " at byte " + std::to_string(pos_));
    }

    void Blanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\n' || text_[pos_] == '\r')) {
            ++pos_;
        }
    }

    bool Take(char c) {
        Blanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void Expect(char c) {
        if (!Take(c)) Fail(std::string("'") + c + "' expected");
    }

    bool Word(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) return false;
        pos_ += word.size();
        return true;
    }

    JsonValue Value(int depth) {
        if (depth > kMaxDepth) Fail("nested too deeply");
        Blanks();
        if (pos_ >= text_.size()) Fail("value expected");
        JsonValue value;
        const char c = text_[pos_];
        if (c == '{') {
            ++pos_;
            value.kind_ = JsonValue::Kind::Object;
            if (Take('}')) return value;
            do {
                Blanks();
                if (pos_ >= text_.size() || text_[pos_] != '"') Fail("member name expected");
                std::string key = String();
                Expect(':');
                value.members_.emplace_back(std::move(key), Value(depth + 1));
            } while (Take(','));
            Expect('}');
        } else if (c == '[') {
            ++pos_;
            value.kind_ = JsonValue::Kind::Array;
            if (Take(']')) return value;
            do {
                value.items_.push_back(Value(depth + 1));
            } while (Take(','));
            Expect(']');
        } else if (c == '"') {
            value.kind_ = JsonValue::Kind::String;
            value.text_ = String();
        } else if (Word("true")) {
            value.kind_ = JsonValue::Kind::Bool;
            value.text_ = "true";
        } else if (Word("false")) {
            value.kind_ = JsonValue::Kind::Bool;
            value.text_ = "false";
        } else if (Word("null")) {
            value.kind_ = JsonValue::Kind::Null;
        } else {
            value.kind_ = JsonValue::Kind::Number;
            value.text_ = Number();
        }
        return value;
    }

    std::string Number() {
        const size_t start = pos_;
        while (pos_ < text_.size() &&
               std::string_view("+-0123456789.eE").find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
        if (pos_ == start) Fail("value expected");
        return std::string(text_.substr(start, pos_ - start));
    }

    unsigned Hex4() {
        if (pos_ + 4 > text_.size()) Fail("bad \\u escape");
        unsigned code = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = text_[pos_++];
            code <<= 4;
            if (c >= '0' && c <= '9') {
                code |= static_cast<unsigned>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                code |= static_cast<unsigned>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                code |= static_cast<unsigned>(c - 'A' + 10);
            } else {
                Fail("bad \\u escape");
            }
        }
        return code;
    }

    static void AppendUtf8(std::string& out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string String() {
        ++pos_;  // the opening quote
        std::string out;
        while (true) {
            if (pos_ >= text_.size()) Fail("unterminated string");
            const char c = text_[pos_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) Fail("control character in string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) Fail("unterminated string");
            const char e = text_[pos_++];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    unsigned code = Hex4();
                    if (code >= 0xD800 && code < 0xDC00 && Word("\\u")) {
                        const unsigned low = Hex4();
                        if (low < 0xDC00 || low > 0xDFFF) Fail("bad surrogate pair");
                        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                    } else if (code >= 0xD800 && code < 0xE000) {
                        Fail("bad surrogate pair");
                    }
                    AppendUtf8(out, code);
                    break;
                }
                default:
                    Fail("bad escape");
            }
        }
    }
};

JsonValue JsonValue::Parse(std::string_view text) { return JsonParser(text).Document(); }

const JsonValue* JsonValue::Member(const std::string& key) const {
    for (const auto& [name, value] : members_) {
        if (name == key) return &value;
    }
    return nullptr;
}

}  // namespace lumorca::cli
