#include "construction_summary.h"

#include "colour.h"
#include "language.h"

namespace kelvora {


QLabel* makeSummaryLabel(QWidget* parent, const char* name)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAutoFillBackground(true);
    l->setMargin(2);
    return l;
}

void showSummary(QLabel* label, const construction::Summary& s)
{
    const ColourPair pair = s.good ? GoodPair : BadPair;
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(rgb(pair.background)));
    p.setColor(QPalette::WindowText, QColor::fromRgb(rgb(pair.font)));
    label->setPalette(p);
    label->setText(QString::fromStdString(construction::summaryLine(s, inInstalledLanguage)));
    // The verdicts in full, where the line has no room for them.
    label->setToolTip(
        trNow("O que a construção diz deste projeto no núcleo escolhido:\n")
        + QString::fromStdString(construction::summaryDetail(s, inInstalledLanguage)));
}

} // namespace kelvora
