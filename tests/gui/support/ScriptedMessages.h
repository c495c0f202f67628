#pragma once
// Message boxes of the window under test: every box is recorded, questions
// are answered from a queue (Cancel when it is empty).
#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "app/MessageService.h"

namespace lumorca::gui::test {

class TScriptedMessages : public TMessageService {
public:
    struct Box {
        QString Kind;  // "error", "info", "yescancel", "yesnocancel", "yesno"
        QString Caption;
        QString Text;
    };
    std::vector<Box> Boxes;
    std::deque<TAnswer> Answers;

    void Error(QWidget*, const QString& text) override { Boxes.push_back({QStringLiteral("error"), {}, text}); }
    void Information(QWidget*, const QString& caption, const QString& text) override {
        Boxes.push_back({QStringLiteral("info"), caption, text});
    }
    TAnswer ConfirmYesCancel(QWidget*, const QString& text) override { return Record("yescancel", text); }
    TAnswer ConfirmYesNoCancel(QWidget*, const QString& text) override {
        return Record("yesnocancel", text);
    }
    TAnswer AskYesNo(QWidget*, const QString&, const QString& text) override {
        return Record("yesno", text);
    }
    QString LastText() const { return Boxes.empty() ? QString() : Boxes.back().Text; }

private:
    TAnswer Record(const char* kind, const QString& text) {
        Boxes.push_back({QString::fromLatin1(kind), {}, text});
        if (Answers.empty()) return TAnswer::Cancel;
        const TAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

}  // namespace lumorca::gui::test
