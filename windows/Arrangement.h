#pragma once
// Where the automatic arrangement puts the child windows: side by side from
// left to right, structure, XRef, call, source.
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>

namespace lumorca::gui {

// Child windows in arrangement order.
enum ChildIndex { ChildStructure = 0, ChildXRef = 1, ChildCall = 2, ChildSource = 3 };

struct ArrangeInput {
    int ClientWidth = 0;
    int ClientHeight = 0;
    int PanelHeight = 0;       // tool panel inside the client area
    int DebugPanelHeight = 0;  // 0 when the debug panel is hidden
    std::array<std::uint8_t, 4> States{0, 0, 0, 0};  // 0 normal, 1 off, 2 maximised
    bool SourceSize2x = true;
};

// Bounds for every window in normal state; nothing for the others.
std::array<std::optional<QRect>, 4> ArrangeChildWindows(const ArrangeInput& input);

}  // namespace lumorca::gui
