#pragma once
// "Visualiza Núcleo": the dimensioned drawing of a standard E/I lamination
// stack, or of a U/I core.
#include "lamination.h"

#include <QLineF>
#include <QRect>
#include <QWidget>

#include <array>
#include <vector>

class QLabel;
class QPainter;
class QPlainTextEdit;
class QPushButton;

namespace kelvora {

class LaminationDrawing;
class UICoreDrawing;

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

class TFNucleo : public QWidget {
    Q_OBJECT
public:
    explicit TFNucleo(QWidget* parent = nullptr);
    // Writes the nineteen dimension labels for stack height En and
    // centre-leg width Bn (mm); does not show the window.
    void VisNucleo(float En, float Bn, char decimalSeparator);
    // Shows the dimensioned U/I core instead of the E/I drawing, whose labels
    // keep their texts; VisNucleo brings the E/I drawing back.
    void VisNucleoUI(const construction::Core& core, char decimalSeparator);
    bool showsUI() const { return ui_; }

private:
    void placeLabels();
    void showFamily(bool ui);
    void paintLeaders(QPainter& p) const;

    class Canvas;
    Canvas* canvas_; // the drawing and its labels at their design places, scrolling

    LaminationDrawing* Image3;
    std::array<QLabel*, 19> labels_{};
    QPushButton* BitBtn1;
    QPlainTextEdit* Memo1;
    std::vector<QLineF> leaders_;
    UICoreDrawing* ImgNucleoUI;
    bool ui_ = false;
};

} // namespace kelvora
