#include "form_helpers.h"
#include "language.h"
#include "tab_builders.h"
#include "text_encoding_setting.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

const QString FormulaHead = QStringLiteral("AWG = 50-10*Log");
const QString FormulaTail = QStringLiteral("   (2100*Corrente/Sigma)");
constexpr int MinPixels = 6; // the smallest subscript still legible on a screen

// Sets the "10" under the end of "Log", in the gap the formula leaves before "(".
// It runs again whenever the formula's font changes: placed for another font, the
// "10" would land on the "(".
class Subscript : public QObject {
public:
    Subscript(QLabel* formula, QLabel* index) : QObject(formula), formula_(formula), index_(index)
    {
        formula->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        // The label takes in a new font only after its filters have seen the change.
        if (watched == formula_ && e->type() == QEvent::FontChange)
            QMetaObject::invokeMethod(this, &Subscript::place, Qt::QueuedConnection);
        else if (watched == formula_ && (e->type() == QEvent::Polish || e->type() == QEvent::Show))
            place();
        return false;
    }

private:
    void place()
    {
        formula_->adjustSize();
        const QFontMetricsF fm(formula_->font(), formula_);
        const int x = int(std::ceil(fm.horizontalAdvance(FormulaHead)));
        const qreal parenInk = fm.horizontalAdvance(FormulaHead + FormulaTail.left(3))
                               + fm.leftBearing(QLatin1Char('('));
        // About seven tenths of the formula's size, smaller until the ink of "10" keeps a
        // pixel clear of the "(".
        QFont f = formula_->font();
        int px = std::max(MinPixels, int(std::lround(QFontInfo(f).pixelSize() * 0.7)));
        f.setPixelSize(px);
        while (px > MinPixels
               && x + QFontMetricsF(f, index_).tightBoundingRect(index_->text()).right() + 1
                      > parenInk)
            f.setPixelSize(--px);
        index_->setFont(f);
        index_->adjustSize();
        // Its baseline drops half its figure height below the formula's.
        const QFontMetricsF sub(f, index_);
        const QPoint at = formula_->pos() + formula_->contentsRect().topLeft();
        const qreal baseline = at.y() + fm.ascent() + sub.capHeight() / 2;
        index_->move(at.x() + x, int(std::lround(baseline - sub.ascent())));
        index_->raise();
    }

    QLabel* formula_;
    QLabel* index_;
};

} // namespace

void buildAjustesTab(QWidget* page)
{
    auto* group = makeGroup(page, tx("Densidade de Corrente nos Condutores"), "GBSigma");
    group->setGeometry(16, 16, 420, 120);

    auto* caption = makeLabel(group, QStringLiteral("Sigma ="));
    caption->move(16, 32);
    auto* sigma = makeCombo(group, "CBSigma", 56);
    sigma->move(72, 28);
    makeLabel(group, QStringLiteral("A/mm^2"))->move(136, 32);

    // The sizing formula, with "10" set as the subscript of "Log".
    auto* st1 = makeLabel(group,
                          // FormulaHead + FormulaTail: the "10" is placed by their widths,
                          // which the English "Current" keeps within the bracket.
                          tx("AWG = 50-10*Log   (2100*Corrente/Sigma)"), "StaticText1");
    st1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    st1->move(16, 76);
    auto* st2 = makeLabel(group, QStringLiteral("10"), "StaticText2");
    st2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    new Subscript(st1, st2);

    buildTextEncodingSetting(page);
}

} // namespace kelvora
