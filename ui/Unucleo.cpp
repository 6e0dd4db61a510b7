#include "Unucleo.h"

#include "nucleo.h"

#include <QLabel>
#include <QPushButton>

namespace kelvora {

TFNucleo::TFNucleo(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FNucleo"));
    setWindowTitle(QStringLiteral("Visualiza Núcleo"));
    resize(789, 529);
    auto* close = new QPushButton(QStringLiteral("Fecha Visualização"), this);
    close->setObjectName(QStringLiteral("BitBtn1"));
    close->setGeometry(304, 16, 153, 25);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    for (int i = 1; i <= 19; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label%1").arg(i));
        l->setAlignment(Qt::AlignCenter);
    }
}

void TFNucleo::VisNucleo(float En, float Bn, char decimalSeparator)
{
    Settings cfg;
    cfg.decimalSeparator = decimalSeparator;
    for (const auto& [name, text] : VisNucleoLabels(En, Bn, cfg))
        if (auto* l = findChild<QLabel*>(QString::fromStdString(name)))
            l->setText(QString::fromStdString(text));
}

} // namespace kelvora
