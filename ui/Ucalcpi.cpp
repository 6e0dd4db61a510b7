#include "Ucalcpi.h"

#include <QPushButton>

namespace kelvora {

TFCalcPI::TFCalcPI(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FCalcPI"));
    setWindowTitle(QStringLiteral("Cálculos relativos ao circuito PI de saída de RF"));
    resize(483, 442);
    auto* close = new QPushButton(QStringLiteral("Fecha Janela"), this);
    close->setObjectName(QStringLiteral("Button1"));
    // The form's place and least size; wider when the caption needs it.
    close->setGeometry(QRect(QPoint(200, 328), close->sizeHint().expandedTo(QSize(75, 25))));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace kelvora
