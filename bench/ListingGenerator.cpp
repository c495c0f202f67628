#include "bench/ListingGenerator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace lumorca::bench {

namespace {

// xorshift64*: fixed arithmetic, so the output does not depend on the
// standard library's distributions.
class Random {
public:
    explicit Random(uint32_t seed) : state_(0x9E3779B97F4A7C15ull ^ (uint64_t{seed} << 1 | 1)) {}
    uint32_t Next() {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
    }
    uint32_t Below(size_t n) { return n == 0 ? 0 : static_cast<uint32_t>(Next() % n); }
    bool Chance(int percent) { return Below(100) < static_cast<uint32_t>(percent); }
    template <typename T>
    const T& Pick(const std::vector<T>& list) { return list[Below(list.size())]; }

private:
    uint64_t state_;
};

constexpr std::array<const char*, 12> EntityWords = {
    "ORDER", "CUSTOMER", "ARTICLE", "ADDRESS", "CONTRACT", "INVOICE",
    "PAYMENT", "STOCK", "SUPPLIER", "PRICE", "DELIVERY", "ACCOUNT"};
constexpr std::array<const char*, 16> FieldWords = {
    "ORDNR", "CUSTNR", "STATUS", "AMOUNT", "ORDDATE", "REMARK", "CURRENCY", "NAME",
    "STREET", "ZIP",   "CITY",   "QTY",    "DESCR",   "CODE",   "STARTDATE", "TOTAL"};
constexpr std::array<const char*, 10> FormTriggers = {
    "EXEC", "INIT", "QUIT", "ACCF", "CLEAR", "STORE", "RETRIEVE", "LPMX", "APPL", "KEYB"};
constexpr std::array<const char*, 8> EntityTriggers = {"CROC", "LOCK", "READ", "WRIT",
                                                       "REMO", "LVOC", "DELE", "WRUP"};
constexpr std::array<const char*, 7> FieldTriggers = {"DETF", "VALF", "FMTF", "SELF",
                                                      "HLPF", "LFLD", "NEXT"};
constexpr std::array<const char*, 10> Words = {
    "order", "value", "total", "not found", "deleted", "please wait", "amount", "record",
    "data", "check"};

struct Entity {
    std::string Name;
    std::string Model;
    std::vector<std::string> Fields;
};

class Generator {
public:
    explicit Generator(const ListingShape& shape)
        : shape_(shape), random_(shape.Seed), eol_(shape.CrLf ? "\r\n" : "\n") {}

    std::string Run() {
        MakeEntities();
        out_.reserve(shape_.Lines * 48);
        // The entries every other part of the form calls.
        Trigger("Form: " + shape_.Component, "LPMX", true);
        while (lines_ < shape_.Lines) {
            const uint32_t pick = random_.Below(10);
            if (pick < 2) {
                Trigger("Form: " + shape_.Component, FormTriggers[random_.Below(FormTriggers.size())],
                        random_.Chance(50));
            } else if (pick < 5) {
                const Entity& e = random_.Pick(entities_);
                Trigger("Entity: " + e.Name + "." + e.Model,
                        EntityTriggers[random_.Below(EntityTriggers.size())], random_.Chance(15));
            } else {
                const Entity& e = random_.Pick(entities_);
                Trigger("Field: " + random_.Pick(e.Fields) + "." + e.Name + "." + e.Model,
                        FieldTriggers[random_.Below(FieldTriggers.size())], random_.Chance(10));
            }
        }
        Raw("INFO: 1600 - Form " + shape_.Component + " compiled: 0 errors, " +
            std::to_string(warnings_) + " warnings, 0 informations");
        return std::move(out_);
    }

private:
    void MakeEntities() {
        const size_t count = 4 + shape_.Lines / 4000;
        for (size_t i = 0; i < count; ++i) {
            Entity e;
            e.Name = EntityWords[i % EntityWords.size()];
            if (i >= EntityWords.size()) e.Name += std::to_string(i / EntityWords.size());
            e.Model = random_.Chance(70) ? "SALES" : "MASTER";
            const size_t fields = 5 + random_.Below(8);
            for (size_t f = 0; f < fields; ++f) {
                // Some field names occur in several entities, some in one only.
                std::string name = FieldWords[random_.Below(FieldWords.size())];
                if (random_.Chance(40)) name += "_" + e.Name.substr(0, 3);
                bool known = false;
                for (const std::string& have : e.Fields) known = known || have == name;
                if (!known) e.Fields.push_back(name);
            }
            entities_.push_back(std::move(e));
        }
    }

    void Raw(std::string_view line) {
        out_.append(line);
        out_.append(eol_);
        ++lines_;
    }

    // A numbered line; a block's closing line carries the block's level in
    // the prefix but is written at the level outside it.
    void Numbered(std::string_view text, bool closing = false) {
        char prefix[2];
        const int number = ++own_ % 1000000;
        const char level = level_ == 0 ? ' ' : static_cast<char>('0' + std::min(level_, 9));
        std::string line = std::to_string(number);
        line.insert(0, line.size() < 6 ? 6 - line.size() : 0, ' ');
        prefix[0] = ' ';
        prefix[1] = level;
        line.append(prefix, 2);
        line.append(6, ' ');
        line.append(static_cast<size_t>(closing ? level_ - 1 : level_) * 3, ' ');
        line.append(text);
        Raw(line);
    }

    void StarHeader(std::string_view text) {
        ++own_;
        Raw("******        " + std::string(text));
    }

    std::string Field(bool qualified) {
        const Entity& e = entityOfTrigger_ != nullptr && random_.Chance(60) ? *entityOfTrigger_
                                                                             : random_.Pick(entities_);
        const std::string& f = random_.Pick(e.Fields);
        return qualified ? f + "." + e.Name : f;
    }

    std::string Value() {
        switch (random_.Below(7)) {
            case 0: return "0";
            case 1: return "\"\"";
            case 2: return std::to_string(random_.Below(1000));
            case 3: return "$" + std::to_string(1 + random_.Below(9));
            case 4: return Field(true);
            case 5: return Local();
            default: return "\"" + std::string(Words[random_.Below(Words.size())]) + "\"";
        }
    }

    std::string Local() {
        if (!locals_.empty() && random_.Chance(70)) return random_.Pick(locals_);
        if (!params_.empty() && random_.Chance(50)) return random_.Pick(params_);
        return random_.Chance(50) ? "$V_" + std::to_string(random_.Below(20)) + "$"
                                  : "$$G_" + std::to_string(random_.Below(8));
    }

    std::string EntryName(size_t index) const { return "LP_" + std::to_string(index); }

    // A call target: mostly the entries after this one in its group, now and
    // then a shared entry, a library entry or a way back up (recursion).
    std::string Callee() {
        if (currentEntry_ >= 0) {
            const size_t self = static_cast<size_t>(currentEntry_);
            if (self + 1 < groupEnd_ && random_.Chance(70)) {
                return EntryName(self + 1 + random_.Below(std::min<size_t>(3, groupEnd_ - self - 1)));
            }
            if (random_.Chance(8)) return EntryName(groupStart_);
        }
        if (random_.Chance(10)) return "LIB_" + std::string(Words[random_.Below(4)]).substr(0, 4);
        if (sharedEntries_ > 0) return EntryName(random_.Below(sharedEntries_));
        return "LIB_LOG";
    }

    std::string Arguments(int count) {
        std::string args;
        for (int i = 0; i < count; ++i) {
            if (i > 0) args += ", ";
            args += Value();
        }
        return args;
    }

    void Statement() {
        const uint32_t pick = random_.Below(100);
        if (pick < 12) {
            Numbered(Field(random_.Chance(60)) + " = " + Value());
        } else if (pick < 18) {
            Numbered(Local() + " = " + Value() + (random_.Chance(30) ? " + 1" : ""));
        } else if (pick < 28) {
            const std::string callee = Callee();
            const int args = static_cast<int>(random_.Below(4));
            if (random_.Chance(60)) {
                Numbered("call " + callee + (args > 0 || random_.Chance(50) ? "(" + Arguments(args) + ")" : ""));
            } else {
                Numbered("$" + std::to_string(1 + random_.Below(9)) + " = " + callee + "(" +
                         Arguments(args) + ")");
            }
        } else if (pick < 34) {
            const uint32_t kind = random_.Below(4);
            if (kind == 0) {
                Numbered("message \"" + std::string(Words[random_.Below(Words.size())]) + " %%" +
                         Field(true) + "%%% " + Words[random_.Below(Words.size())] + "\"");
            } else if (kind == 1) {
                Numbered("message/info \"%%$text(MSG_" + std::to_string(random_.Below(30)) +
                         ")%%% " + Words[random_.Below(Words.size())] + (random_.Chance(20) ? " %%" : "") +
                         "\"");
            } else if (kind == 2) {
                Numbered("message $text(TXT_" + std::to_string(random_.Below(30)) + ")");
            } else {
                Numbered("$" + std::to_string(1 + random_.Below(9)) + " = \"X1\x1b" "C\x1b" "A\"");
            }
        } else if (pick < 38) {
            const Entity& e = random_.Pick(entities_);
            std::string text = "selectdb " + random_.Pick(e.Fields) + ", max(" + random_.Pick(e.Fields) +
                               ") from \"" + e.Name + "\"";
            if (random_.Chance(60)) text += " u_where (" + random_.Pick(e.Fields) + " = " + Value() + ")";
            text += " to ($" + std::to_string(1 + random_.Below(9)) + ", " + Local() + ")";
            Numbered(text);
        } else if (pick < 42) {
            if (random_.Chance(50)) {
                Numbered("putitem " + Local() + ", " + std::to_string(random_.Below(9)) + ", " + Value());
            } else {
                Numbered("getlistitems " + Field(true) + ", " + Local());
            }
        } else if (pick < 46) {
            // A statement continued over two or three lines.
            Numbered("call " + Callee() + "(" + Value() + ", %\\");
            if (random_.Chance(40)) Numbered("   " + Value() + ", %\\");
            Numbered("   " + Value() + ")");
        } else if (pick < 48) {
            Numbered("message \"" + std::string(Words[random_.Below(Words.size())]) + " %\\");
            Numbered("continued text %%" + Field(true) + "%%%\"");
        } else if (pick < 51) {
            const std::string label = "L_" + std::to_string(random_.Below(5));
            if (random_.Chance(50)) {
                Numbered(label + ":");
            } else {
                Numbered("goto " + label);
            }
        } else if (pick < 57) {
            Numbered("; " + std::string(Words[random_.Below(Words.size())]) + " " +
                     Words[random_.Below(Words.size())] + (random_.Chance(10) ? " \xc4nderung" : ""));
        } else if (pick < 60) {
            Numbered("");
        } else if (pick < 62) {
            Numbered("#define C_" + std::to_string(random_.Below(10)) + " = \"EN\"");
        } else if (pick < 65) {
            Numbered("activate \"" + std::string(random_.Chance(50) ? shape_.Component : "LOOKUPFRM") +
                     "\".OPER_" + std::to_string(random_.Below(6)) + "(" + Arguments(1) + ")");
        } else if (pick < 67) {
            Numbered("read u_where (" + Field(false) + " = " + Field(false) + ")");
        } else if (pick < 70) {
            Numbered(Field(false) + " = <C_" + std::to_string(random_.Below(5)) + ">");
        } else if (pick < 74) {
            const char* first[] = {"setocc", "creocc", "clear", "store", "retrieve", "release"};
            Numbered(std::string(first[random_.Below(6)]) + " \"" + random_.Pick(entities_).Name + "\"" +
                     (random_.Chance(50) ? ", 1" : ""));
        } else if (pick < 76) {
            Numbered("if (" + Field(true) + " = -1) " + Local() + " = 0");
        } else if (pick < 88 && level_ < 6) {
            Block();
        } else if (level_ > 0 || random_.Chance(30)) {
            Numbered("return ($status)");
        } else {
            Numbered(Field(true) + " = " + Field(false));
        }
        if (random_.Chance(1)) {
            Raw("WARNING: 1032 - Field video attributes are ignored");
            ++warnings_;
        }
    }

    void Block() {
        const uint32_t kind = random_.Below(3);
        const int body = 1 + static_cast<int>(random_.Below(4));
        if (kind == 0) {
            Numbered("if ($status < " + std::to_string(random_.Below(3)) + ")");
        } else if (kind == 1) {
            Numbered("while (" + Field(true) + " <= " + Value() + ")");
        } else {
            Numbered("repeat");
        }
        ++level_;
        for (int i = 0; i < body; ++i) Statement();
        if (kind == 0 && random_.Chance(40)) {
            Numbered("else", true);
            Statement();
        }
        if (kind == 0) {
            Numbered("endif", true);
        } else if (kind == 1) {
            Numbered("endwhile", true);
        } else {
            Numbered("until (" + Local() + " > " + std::to_string(random_.Below(700)) + ")", true);
        }
        --level_;
    }

    void Declarations(const char* open, const char* close, std::vector<std::string>& names,
                      const char* prefix, bool directions) {
        const int count = 1 + static_cast<int>(random_.Below(4));
        Numbered(open);
        ++level_;
        for (int i = 0; i < count; ++i) {
            const std::string name = prefix + std::to_string(names.size());
            names.push_back(name);
            const char* type = random_.Chance(50) ? "string" : "numeric";
            if (directions) {
                const char* dirs[] = {"IN", "OUT", "INOUT"};
                Numbered(std::string(type) + " " + name + " : " + dirs[random_.Below(3)]);
            } else {
                Numbered(std::string(type) + " " + name);
            }
        }
        --level_;
        ++level_;
        Numbered(close, true);
        --level_;
    }

    void Procedure(const std::string& header) {
        StarHeader(header);
        params_.clear();
        locals_.clear();
        if (random_.Chance(80)) Declarations("params", "endparams", params_, "P_", true);
        if (random_.Chance(70)) Declarations("variables", "endvariables", locals_, "V_", false);
        const int statements = 3 + static_cast<int>(random_.Below(14));
        for (int i = 0; i < statements; ++i) Statement();
        Numbered("return (0)");
    }

    void Trigger(const std::string& from, const char* name, bool withEntries) {
        Raw("Trigger <" + std::string(name) + "> from " + from);
        Raw(std::string(78, '='));
        own_ = 0;
        level_ = 0;
        entityOfTrigger_ = nullptr;
        for (const Entity& e : entities_) {
            if (from.find(" " + e.Name + ".") != std::string::npos ||
                from.find("." + e.Name + ".") != std::string::npos) {
                entityOfTrigger_ = &e;
            }
        }
        currentEntry_ = -1;
        params_.clear();
        locals_.clear();
        Numbered("; " + std::string(name) + " trigger");
        const int statements = 1 + static_cast<int>(random_.Below(10));
        for (int i = 0; i < statements; ++i) Statement();
        if (withEntries) {
            const size_t group = 2 + random_.Below(6);
            groupStart_ = entryCount_;
            groupEnd_ = entryCount_ + group;
            for (size_t i = 0; i < group; ++i) {
                currentEntry_ = static_cast<int64_t>(entryCount_);
                Procedure("entry " + EntryName(entryCount_++));
            }
            if (sharedEntries_ == 0) sharedEntries_ = entryCount_;
            currentEntry_ = -1;
            if (random_.Chance(30)) {
                Procedure(std::string(random_.Chance(50) ? "partner " : "") + "operation OPER_" +
                          std::to_string(random_.Below(6)));
            }
        }
        Raw("");
    }

    const ListingShape& shape_;
    Random random_;
    const char* eol_;
    std::string out_;
    size_t lines_ = 0;
    int own_ = 0;
    int level_ = 0;
    int warnings_ = 0;
    std::vector<Entity> entities_;
    const Entity* entityOfTrigger_ = nullptr;
    std::vector<std::string> params_;
    std::vector<std::string> locals_;
    size_t entryCount_ = 0;
    size_t sharedEntries_ = 0;
    size_t groupStart_ = 0;
    size_t groupEnd_ = 0;
    int64_t currentEntry_ = -1;
};

}  // namespace

std::string GenerateListing(const ListingShape& shape) { return Generator(shape).Run(); }

}  // namespace lumorca::bench
