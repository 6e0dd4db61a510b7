#include "winding_picture.h"

#include <QPainter>
#include <QPainterPath>

namespace kelvora {

WindingPicture::WindingPicture(QWidget* parent, const char* name, bool coreOnRight, int turns)
    : Picture(parent), coreOnRight_(coreOnRight), turns_(turns < 1 ? 1 : turns)
{
    setObjectName(QString::fromLatin1(name));
}

void WindingPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));

    const qreal w = width(), h = height();
    const qreal margin = 6;
    const qreal pitch = (h - 2 * margin) / turns_;
    const qreal r = pitch / 2;
    // The column of turns stands next to the core; the leads run away from it.
    const qreal axis = coreOnRight_ ? w - r - 3 : r + 3;
    const qreal leadEnd = coreOnRight_ ? 0 : w;

    QPainterPath coil;
    coil.moveTo(leadEnd, margin);
    coil.lineTo(axis, margin);
    for (int i = 0; i < turns_; ++i) {
        // Each turn is a half circle bulging towards the core.
        const QRectF box(axis - r, margin + i * pitch, 2 * r, pitch);
        coil.arcTo(box, 90, coreOnRight_ ? -180 : 180);
    }
    coil.lineTo(leadEnd, h - margin);
    p.drawPath(coil);

    // Terminal dots at the lead ends.
    p.setBrush(palette().color(QPalette::WindowText));
    const qreal dot = 2.5;
    const qreal dx = coreOnRight_ ? dot : w - dot;
    p.drawEllipse(QPointF(dx, margin), dot, dot);
    p.drawEllipse(QPointF(dx, h - margin), dot, dot);
}

} // namespace kelvora
