#include "windows/Arrangement.h"

namespace lumorca::gui {

std::array<std::optional<QRect>, 4> ArrangeChildWindows(const ArrangeInput& input) {
    int shares = 0;
    for (int i = 0; i < 4; ++i) {
        if (input.States[static_cast<size_t>(i)] != 0) continue;
        shares += (i == ChildSource && input.SourceSize2x) ? 2 : 1;
    }
    std::array<std::optional<QRect>, 4> placed;
    if (shares == 0) return placed;
    int x = 0;
    for (int i = 0; i < 4; ++i) {
        if (input.States[static_cast<size_t>(i)] != 0) continue;
        const int top = 0;
        // The source window takes what is left.
        const int width = i == ChildSource ? input.ClientWidth - x - 4 : input.ClientWidth / shares;
        const int height =
            input.ClientHeight - input.PanelHeight - top - 4 - input.DebugPanelHeight;
        placed[static_cast<size_t>(i)] = QRect(x, top, width, height);
        x += width;
    }
    return placed;
}

}  // namespace lumorca::gui
