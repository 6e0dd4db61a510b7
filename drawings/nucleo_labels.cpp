#include "nucleo_labels.h"

#include "lamination_drawing.h"

#include <algorithm>

namespace kelvora {

// Each box sits on (or, for the short chain under the front view, just
// below) the dimension line it names; the drawing is laid out around them.
// The three overall lengths get the wider box: they carry the largest numbers.
const std::array<NucleoLabelSlot, 19> nucleoLabelSlots{{
    {168, 80, 38},       // Label1   3 Bn  front view, overall width
    {26, 190, 32},       // Label2   2 Bn  front view, height of the E
    {26, 302, 32},       // Label3   Bn/2  I bar
    {26, 376, 32},       // Label4   En    stack seen from below
    {72, 456, 32},       // Label5   Bn/2  outer leg
    {109, 456, 32},      // Label6   Bn/2  window
    {168, 456, 32},      // Label7   Bn    centre leg
    {222, 456, 32},      // Label8   Bn/2  window
    {261, 456, 32},      // Label9   Bn/2  outer leg
    {304, 216, 38},      // Label10  3 Bn  E stack, overall width
    {408, 64, 32},       // Label11  2 Bn  E stack, length along the top
    {536, 80, 32, true}, // Label12  En    E stack, stack height
    {556, 142, 32},      // Label13  Bn/2  E stack, upper leg
    {556, 240, 32},      // Label14  Bn    E stack, centre leg
    {556, 332, 32},      // Label15  Bn/2  E stack, lower leg
    {456, 368, 32},      // Label16  2 Bn  E stack, length along the bottom
    {616, 64, 32},       // Label17  Bn/2  I stack, thickness
    {688, 80, 32, true}, // Label18  En    I stack, stack height
    {704, 240, 38},      // Label19  3 Bn  I stack, length
}};

namespace {

constexpr int textPadding = 4; // keeps digits off the label's edges
constexpr int windowMargin = 2;
constexpr int chainFirst = 4; // Label5..Label9: the chain under the front view
constexpr int chainCount = 5;
constexpr int chainRowPitch = nucleoLabelHeight + 1;
constexpr int leaderClearance = 3; // between a leader and the labels it passes

int clampLeft(int left, int width, int windowWidth)
{
    return std::clamp(left, windowMargin,
                      std::max(windowMargin, windowWidth - windowMargin - width));
}

bool chainOverlaps(const std::array<QRect, 19>& r)
{
    for (int i = chainFirst; i + 1 < chainFirst + chainCount; ++i)
        if (r[i].right() + 2 > r[i + 1].left())
            return true;
    return false;
}

// Nested rows: row k holds the k-th label from each end, pushed outwards so
// that the leaders of the inner labels (deeper rows) pass between them.
void stepChainDown(NucleoLabelLayout& out, int windowWidth)
{
    auto anchor = [](int i) { return qRound(lamination::chainMiddle(i)); };
    const int top0 = nucleoLabelSlots[chainFirst].top;
    for (int k = 0; 2 * k < chainCount; ++k) {
        const int i = k, j = chainCount - 1 - k;
        const int top = top0 + k * chainRowPitch;
        QRect& left = out.rects[chainFirst + i];
        QRect& right = out.rects[chainFirst + j];
        if (i == j) {
            left.moveTo(clampLeft(anchor(i) - left.width() / 2, left.width(), windowWidth), top);
            continue;
        }
        const int leftEnd = std::min(anchor(i) + left.width() / 2, anchor(i + 1) - leaderClearance);
        left.moveTo(clampLeft(leftEnd - left.width() + 1, left.width(), windowWidth), top);
        const int rightStart = std::max(anchor(j) - right.width() / 2,
                                        anchor(j - 1) + leaderClearance);
        right.moveTo(clampLeft(rightStart, right.width(), windowWidth), top);
    }
    for (int i = 0; i < chainCount; ++i) {
        const QRect& r = out.rects[chainFirst + i];
        out.leaders.emplace_back(QPointF(anchor(i), lamination::chainY),
                                 QPointF(anchor(i), r.top()));
    }
}

} // namespace

NucleoLabelLayout layoutNucleoLabels(const std::array<int, 19>& textWidths, int windowWidth)
{
    NucleoLabelLayout out;
    for (size_t i = 0; i < nucleoLabelSlots.size(); ++i) {
        const NucleoLabelSlot& s = nucleoLabelSlots[i];
        const int width = std::max(s.width, textWidths[i] + textPadding);
        const int left = width == s.width || s.growsRight ? s.left : s.left + (s.width - width) / 2;
        out.rects[i] = QRect(clampLeft(left, width, windowWidth), s.top, width, nucleoLabelHeight);
    }
    if (chainOverlaps(out.rects))
        stepChainDown(out, windowWidth);
    return out;
}

} // namespace kelvora
