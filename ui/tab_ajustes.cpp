#include "form_helpers.h"
#include "tab_builders.h"

namespace kelvora {

void buildAjustesTab(QWidget* page)
{
    auto* group = makeGroup(page, QStringLiteral("Densidade de Corrente nos Condutores"),
                            "GBSigma");
    group->setGeometry(16, 16, 420, 120);

    auto* caption = makeLabel(group, QStringLiteral("Sigma ="));
    caption->move(16, 32);
    auto* sigma = makeCombo(group, "CBSigma", 56);
    sigma->move(72, 28);
    makeLabel(group, QStringLiteral("A/mm^2"))->move(136, 32);

    // The sizing formula, with "10" set as the subscript of "Log".
    const QString formula = QStringLiteral("AWG = 50+10*Log   (2100*Corrente/Sigma)");
    auto* st1 = makeLabel(group, formula, "StaticText1");
    st1->move(16, 76);
    st1->adjustSize();
    auto* st2 = makeLabel(group, QStringLiteral("10"), "StaticText2");
    QFont f = st2->font();
    f.setPixelSize(8);
    st2->setFont(f);
    const QFontMetrics fm(st1->font());
    st2->move(16 + fm.horizontalAdvance(QStringLiteral("AWG = 50+10*Log")),
              76 + fm.ascent() - 3);
    st2->adjustSize();
}

} // namespace kelvora
