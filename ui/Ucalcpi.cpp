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
    close->setGeometry(200, 328, 75, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace kelvora
