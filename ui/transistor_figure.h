#pragma once
// The circuit of the transistor modulator tab: a class-B (AB) push-pull pair
// Q1/Q2 with emitter resistors, fed through the driver transformer (primary
// m2 from the driver Rd, centre-tapped secondary n2 to the bases), its
// base bias supplied by the follower Q3 from the chain R1, D1, D2, and the
// collectors into the modulation transformer towards the load Ro.
#include "picture.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace kelvora {

class TransistorFigure : public Picture {
    Q_OBJECT
public:
    static constexpr int DrawingWidth = 495, DrawingHeight = 330;
    static constexpr int Width = DrawingWidth, Height = DrawingHeight;

    // A caption of the circuit: drawn from `origin` (its baseline start) in `font`;
    // `ink` is the extent of its glyphs. All in drawing units.
    struct Caption {
        QString text;
        QFont font;
        QPointF origin;
        QRectF ink;
    };

    explicit TransistorFigure(QWidget* parent);
    QSize sizeHint() const override;

    // The captions as this widget's font sets them, placed from the font's metrics.
    QList<Caption> captions() const;
    // The circuit without its captions, in drawing units.
    static void paintCircuit(QPainter& p);
    // Maps drawing units onto a `size` device, keeping the proportions and centring.
    static void fitDrawing(QPainter& p, QSize size);

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace kelvora
