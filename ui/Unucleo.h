#pragma once
// "Visualiza Núcleo": the dimensioned drawing of a standard E/I lamination
// stack, or of a U/I core.
#include "lamination.h"
#include "nucleo_labels.h"

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
