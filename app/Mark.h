#pragma once
// The text selection of the source view: an anchor where a drag began and
// a moving end, each snapped to a character boundary of its line's display
// text as drawn.
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "analyzer/SourceJumps.h"

namespace lumorca::gui {

// How the selection sees the shown text: a line's display text as drawn,
// and the width of a text in the source font.
struct TMarkText {
    std::function<std::string(int32_t line)> LineText;
    TextWidthFunction Width;
};

struct TMarkPosition {
    bool Valid = false;
    int32_t Line = -1;
    int PixelX = 0;     // from the start of the display text to the boundary
    int CharIndex = 1;  // 1-based character right after the boundary
    std::string LineText;

    void ResetPos();
    void SetLine(int32_t line, const TMarkText& text);
    void SetX(int x, const TMarkText& text);
};

class TMark {
public:
    explicit TMark(TMarkText text) : text_(std::move(text)) {}

    // A pixel offset past the end of any line, however long: an end set
    // there takes the whole line, and a line covered to its end is marked
    // up to it.
    static constexpr int LineEnd = std::numeric_limits<int>::max() / 4;

    // Called with true when an end moved during a drag, false when the
    // selection went.
    void SetOnChange(std::function<void(bool)> onChange) { OnChange = std::move(onChange); }

    void ClearMark();
    void ExtendMark(int32_t line, int x);
    void FinishMark();
    bool HasMark() const { return StartPos.Valid && EndPos.Valid; }
    const TMarkPosition& AnchorPos() const { return StartPos; }
    const TMarkPosition& MovingEndPos() const { return EndPos; }
    // A drag is running.
    bool IsActive() const { return Active; }
    // The moving end lies before the anchor.
    bool IsReversed() const { return Reversed; }

    enum What { MarkLine = 0, MarkCharIndex = 1, MarkPixelX = 2 };
    enum Which { Anchor = 0, MovingEnd = 1, FirstEnd = 2, LastEnd = 3 };
    int MarkValue(int what, int which) const;
    // The marked pixel range of a line; a line covered to its ends gives
    // 0..LineEnd.
    bool MarkedRange(int32_t line, int& fromX, int& toX) const;

private:
    const TMarkPosition& First() const { return Reversed ? EndPos : StartPos; }
    const TMarkPosition& Last() const { return Reversed ? StartPos : EndPos; }

    TMarkText text_;
    TMarkPosition StartPos;
    TMarkPosition EndPos;
    bool Active = false;
    bool Reversed = false;
    std::function<void(bool)> OnChange;
};

}  // namespace lumorca::gui
