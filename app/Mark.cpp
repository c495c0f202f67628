#include "app/Mark.h"

namespace lumorca::gui {

void TMarkPosition::ResetPos() {
    Valid = false;
    Line = -1;
}

void TMarkPosition::SetLine(int32_t line, const TMarkText& text) {
    if (line != Line) {
        Line = line;
        LineText = text.LineText ? text.LineText(line) : std::string();
    }
    Valid = true;
}

void TMarkPosition::SetX(int x, const TMarkText& text) {
    // Past the end of a long line there is no need to measure every character.
    const int whole = text.Width(LineText);
    if (x > whole) {
        CharIndex = static_cast<int>(LineText.size()) + 1;
        PixelX = whole;
        return;
    }
    CharIndex = CharIndexAtX(LineText, x, text.Width);
    PixelX = text.Width(std::string_view(LineText).substr(0, static_cast<size_t>(CharIndex) - 1));
}

void TMark::ClearMark() {
    StartPos.ResetPos();
    EndPos.ResetPos();
    Active = false;
    Reversed = false;
    if (OnChange) OnChange(false);
}

void TMark::ExtendMark(int32_t line, int x) {
    if (!Active) {
        StartPos.SetLine(line, text_);
        StartPos.SetX(x, text_);
        Active = true;
        return;
    }
    EndPos.SetLine(line, text_);
    EndPos.SetX(x, text_);
    Reversed = EndPos.Line < StartPos.Line ||
               (EndPos.Line == StartPos.Line && StartPos.PixelX > EndPos.PixelX);
    if (OnChange) OnChange(true);
}

void TMark::FinishMark() {
    Active = false;
    // A click without a drag leaves nothing marked.
    if (StartPos.Line == EndPos.Line && StartPos.CharIndex == EndPos.CharIndex) ClearMark();
}

int TMark::MarkValue(int what, int which) const {
    const TMarkPosition* pos = &StartPos;
    if (which == MovingEnd) pos = &EndPos;
    if (which == FirstEnd) pos = &First();
    if (which == LastEnd) pos = &Last();
    if (what == MarkCharIndex) return pos->CharIndex;
    if (what == MarkPixelX) return pos->PixelX;
    return pos->Line;
}

bool TMark::MarkedRange(int32_t line, int& fromX, int& toX) const {
    if (!HasMark()) return false;
    const TMarkPosition& first = First();
    const TMarkPosition& last = Last();
    if (line < first.Line || line > last.Line) return false;
    fromX = line == first.Line ? first.PixelX : 0;
    toX = line == last.Line ? last.PixelX : LineEnd;
    return true;
}

}  // namespace lumorca::gui
