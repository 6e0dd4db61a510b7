#pragma once
// Where the nineteen dimension labels of the E/I lamination drawing stand,
// on the window and on the winding sheet's drawing page alike.
#include <QLineF>
#include <QRect>

#include <array>
#include <vector>

namespace kelvora {

// Design box of each dimension label (window coordinates), Label1..Label19.
struct NucleoLabelSlot {
    int left, top, width;
    // A label beyond the end of its dimension line grows away from the line.
    bool growsRight = false;
};
constexpr int nucleoLabelHeight = 13;
extern const std::array<NucleoLabelSlot, 19> nucleoLabelSlots;

// Where the labels go for texts of the given widths (px, Label1 first).
// A label keeps its design box while its text fits; a longer one grows
// evenly about the box's centre (away from its line when it sits at the
// line's end), kept inside the window. When the five
// labels under the front view would then overlap, they step down into rows
// below their chain, the outer pair first, each hung from the middle of its
// segment by a leader that passes between the labels above it.
struct NucleoLabelLayout {
    std::array<QRect, 19> rects;
    std::vector<QLineF> leaders;
};
NucleoLabelLayout layoutNucleoLabels(const std::array<int, 19>& textWidths, int windowWidth);

} // namespace kelvora
