#include "picture.h"

#include <QMouseEvent>

namespace kelvora {

void Picture::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit mousePressed(p.x(), p.y());
    QWidget::mousePressEvent(e);
}

} // namespace kelvora
