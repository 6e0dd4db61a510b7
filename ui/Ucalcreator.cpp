#include "Ucalcreator.h"

#include <QPushButton>

namespace kelvora {

TFCalcReator::TFCalcReator(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FCalcReator"));
    setWindowTitle(QStringLiteral("Cálculo do Reator para Modulação"));
    resize(504, 477);
    auto* close = new QPushButton(QStringLiteral("Fecha Janela"), this);
    close->setObjectName(QStringLiteral("Button1"));
    close->setGeometry(214, 400, 75, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace kelvora
