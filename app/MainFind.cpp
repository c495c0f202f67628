// Searching the listing from the find dialog.
#include <QLineEdit>

#include "analyzer/LineModel.h"
#include "app/FindDialog.h"
#include "app/Main.h"
#include "app/SourceGrid.h"

namespace lumorca::gui {

void TMain::ActionFindExecute() {
    if (ListingLines_.empty()) return;
    ShowFindDialog();
}

void TMain::ActionFindNextExecute() {
    if (ListingLines_.empty()) return;
    if (FindDialog == nullptr || FindDialog->FindText().isEmpty())
        ShowFindDialog();
    else
        FindDialogFind();
}

void TMain::ShowFindDialog() {
    if (FindDialog == nullptr) {
        FindDialog = new TFindDialog(this);
        connect(FindDialog, &TFindDialog::Find, this, &TMain::FindDialogFind);
    }
    FindDialog->SetLanguage(Options().Language);
    if (Selection->HasMark() && Selection->StartPos.Line == Selection->EndPos.Line) {
        const int32_t line = Selection->StartPos.Line;
        const int from = Selection->MarkValue(TMark::MarkCharIndex, TMark::FirstEnd);
        const int to = Selection->MarkValue(TMark::MarkCharIndex, TMark::LastEnd) - 1;
        const std::string word = SelectionCopyText(ListingLines_, line, from, line, to, SourceIndent());
        setFindDialogText(QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size())));
    }
    FindDialog->show();
    FindDialog->raise();
    FindDialog->activateWindow();
    FindDialog->Edit->setFocus();
}

void TMain::setFindDialogText(const QString& text) {
    if (FindDialog != nullptr) FindDialog->SetFindText(text);
}

void TMain::FindDialogFind() {
    if (!HasListing() || FindDialog == nullptr) return;
    const bool matchCase = FindDialog->MatchCase();
    const bool down = FindDialog->Down();
    std::string needle = FindDialog->FindText().toLatin1().toStdString();
    if (needle.empty()) return;
    if (!matchCase) needle = UpperCase(needle);
    const int32_t current = SourceGrid->RowCount() > 0 ? CurrentLine() : TopLine;
    const int32_t hit = FindInListing(ListingLines_, current + (down ? 1 : -1), down, needle, matchCase);
    if (hit < 0) {
        Messages->Information(this, QString(), Txt(93));
        return;
    }
    const QString key = QString::fromLatin1(needle.data(), static_cast<qsizetype>(needle.size()));
    if (key == LastFindText && down == LastFindDown) {
        // Back at the first hit of this series: all places have been seen.
        if (hit == LastFindLine && Messages->AskYesNo(this, QString(), Txt(92)) != TAnswer::Yes)
            return;
    } else {
        LastFindText = key;
        LastFindLine = hit;
        LastFindDown = down;
    }
    GotoPosition(-1, hit, true);
}

}  // namespace lumorca::gui
