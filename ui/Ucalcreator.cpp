#include "Ucalcreator.h"

#include "language.h"
#include "scroll_window.h"

#include <QLabel>
#include <QPushButton>

namespace kelvora {

TFCalcReator::TFCalcReator(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FCalcReator"));
    setWindowTitle(tx("Cálculo do Reator para Modulação"));
    resize(504, 477);
    // The form at its design size, scrolling in a smaller window.
    QWidget* form = scrolledContent(this);
    form->setMinimumSize(504, 477);

    // Caption and value label of each requirement, one row each.
    struct Row {
        const char* caption;
        const char* name;
        const char* value;
    };
    const Row rows[] = {
        {QT_TRANSLATE_NOOP("kelvora", "Indutância mínima necessária:"), "Label1", "LReatInd"},
        {QT_TRANSLATE_NOOP("kelvora", "Corrente mínima necessária:"), "Label2", "LReatCorr"},
        {QT_TRANSLATE_NOOP("kelvora", "Capacitância mínima necessária:"), "Label4", "LReatCap"},
    };
    int y = 48;
    for (const Row& r : rows) {
        auto* caption = new QLabel(QString::fromUtf8(r.caption), form);
        caption->setObjectName(QString::fromLatin1(r.name));
        caption->setGeometry(40, y, 200, 20);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* value = new QLabel(form);
        value->setObjectName(QString::fromLatin1(r.value));
        value->setGeometry(252, y, 180, 20);
        value->setFrameShape(QFrame::StyledPanel);
        y += 40;
    }

    auto* close = new QPushButton(tx("Fecha Janela"), form);
    close->setObjectName(QStringLiteral("Button1"));
    // The form's place and least size; wider when the caption needs it.
    close->setGeometry(QRect(QPoint(214, 400), close->sizeHint().expandedTo(QSize(75, 25))));
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
}

} // namespace kelvora
