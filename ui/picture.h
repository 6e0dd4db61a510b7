#pragma once
// Base of the painted pictures (winding symbols, circuit diagrams, the
// lamination drawing): a widget that reports where it was pressed.
#include <QWidget>

namespace kelvora {

class Picture : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    void mousePressed(int x, int y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
};

} // namespace kelvora
