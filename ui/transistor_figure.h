#pragma once
// The circuit of the transistor modulator tab: a class-B (AB) push-pull pair
// Q1/Q2 with emitter resistors, fed through the driver transformer (primary
// m2 from the driver Rd, centre-tapped secondary n2 to the bases), its
// base bias supplied by the follower Q3 from the chain R1, D1, D2, and the
// collectors into the modulation transformer towards the load Ro.
#include "picture.h"

namespace kelvora {

class TransistorFigure : public Picture {
    Q_OBJECT
public:
    static constexpr int DrawingWidth = 495, DrawingHeight = 330;
    static constexpr int Width = DrawingWidth, Height = DrawingHeight;

    explicit TransistorFigure(QWidget* parent);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace kelvora
