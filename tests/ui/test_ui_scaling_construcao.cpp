// The "Construção e perdas" window at 100 %, 150 % and 200 %, for each design
// and for an error: every caption and button shown whole, inside the window,
// none on another; the drawing painted at the screen's own resolution; the
// three "Construção" buttons whole beside their core buttons. main() runs the
// cases once per scale, each in a child process with its own QT_SCALE_FACTOR.
#include "Uconstrucao.h"
#include "at_every_scale.h"
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QLineEdit>
#include <QRadioButton>

using namespace kelvora;
using namespace kelvora::test;

namespace {

QString where(const QString& what)
{
    return QStringLiteral("%1 at QT_SCALE_FACTOR=%2")
        .arg(what, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
}

QString describe(const QWidget* w)
{
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    else if (auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
}

QRect onTop(const QWidget* w, const QWidget* top)
{
    return QRect(w->mapTo(top, QPoint()), w->size());
}

// Captions, values, buttons, fields and lists a user reads under `top`.
QList<QWidget*> readable(const QWidget* top)
{
    QList<QWidget*> out;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top) || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty())
            out << w;
        else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                 || qobject_cast<QComboBox*>(w))
            out << w;
    }
    return out;
}

void check(const QWidget* top, QStringList& problems)
{
    const QList<QWidget*> shown = readable(top);
    for (QWidget* w : shown) {
        auto* l = qobject_cast<QLabel*>(w);
        auto* b = qobject_cast<QAbstractButton*>(w);
        const bool whole = l   ? showsWholeText(l)
                           : b ? b->sizeHint().width() <= b->width()
                                     && b->sizeHint().height() <= b->height()
                               : true;
        if (!whole)
            problems << where(QStringLiteral("%1 is %2x%3 but needs %4x%5")
                                  .arg(describe(w))
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(w->sizeHint().width())
                                  .arg(w->sizeHint().height()));
        if (!top->rect().contains(onTop(w, top)))
            problems << where(describe(w) + QStringLiteral(" reaches out of ") + top->objectName());
    }
    for (int i = 0; i < shown.size(); ++i)
        for (int j = i + 1; j < shown.size(); ++j)
            if (onTop(shown[i], top).adjusted(-1, -1, 1, 1).intersects(onTop(shown[j], top)))
                problems << where(describe(shown[i]) + QStringLiteral(" on ") + describe(shown[j]));
}

TFConstrucao* open(App& app, const char* tab, const char* button)
{
    app.showTab(tab);
    QTest::mouseClick(app.find<QPushButton>(button), Qt::LeftButton);
    TFConstrucao* w = app.main->construcao();
    return w && QTest::qWaitForWindowExposed(w) ? w : nullptr;
}

} // namespace

class TestUiScalingConstrucao : public QObject {
    Q_OBJECT
private slots:
    void everyDesignShowsEveryCaptionWhole();
    void errorShowsWhole();
    void drawingIsPaintedAtTheScreensResolution();
    void construcaoButtonsStandWholeBesideTheCoreButtons();
};

void TestUiScalingConstrucao::everyDesignShowsEveryCaptionWhole()
{
    App app;
    QStringList problems;
    for (auto [tab, button] : {std::pair{"TTrafoAlim", "BBConstrucaoTA"},
                               {"TModValvul", "BBConstrucaoTM"},
                               {"TReatorFiltro", "BBConstrucaoReator"}}) {
        TFConstrucao* w = open(app, tab, button);
        QVERIFY(w);
        check(w, problems);
    }
    // U/I: the two window settings besides the others.
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoU"), Qt::LeftButton);
    TFConstrucao* ui = open(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(ui->findChild<QWidget*>(QStringLiteral("ECoUIAltura"))->isVisible());
    check(ui, problems);
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoE"), Qt::LeftButton);
    // Six secondaries: the six load lists.
    open(app, "TTrafoAlim", "BBConstrucaoTA");
    app.find<QComboBox>("CNumSec")->setCurrentIndex(5);
    check(app.main->construcao(), problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestUiScalingConstrucao::errorShowsWhole()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    // Flanges and margins that leave no layer.
    w->findChild<QLineEdit*>(QStringLiteral("ECoAba"))->setText(QStringLiteral("10"));
    w->findChild<QLineEdit*>(QStringLiteral("ECoMargem"))->setText(QStringLiteral("20"));
    auto* error = w->findChild<QLabel*>(QStringLiteral("LCoErro"));
    QVERIFY(error->isVisible());
    QStringList problems;
    check(w, problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestUiScalingConstrucao::drawingIsPaintedAtTheScreensResolution()
{
    App app;
    TFConstrucao* w = open(app, "TReatorFiltro", "BBConstrucaoReator");
    QWidget* view = w->findChild<QWidget*>(QStringLiteral("PBCoCorte"));
    QVERIFY(view->width() >= 150 && view->height() >= 200);
    // Vector painting at the device pixel ratio: as many pixels as the screen has.
    const QPixmap shot = view->grab();
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(shot.devicePixelRatio(), scale);
    QCOMPARE(shot.width(), qRound(view->width() * scale));
    // The copper is drawn (the reactor fits: no bad colour).
    const QImage image = shot.toImage();
    int copper = 0, bad = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            copper += p == qRgb(196, 112, 52);
            bad += p == qRgb(255, 0, 0);
        }
    QVERIFY(copper > 100);
    QCOMPARE(bad, 0);
}

void TestUiScalingConstrucao::construcaoButtonsStandWholeBesideTheCoreButtons()
{
    App app;
    QStringList problems;
    for (auto [tab, button, core] :
         {std::tuple{"TTrafoAlim", "BBConstrucaoTA", "BBVisNucleoTA"},
          {"TModValvul", "BBConstrucaoTM", "BBVisNucleoTM"},
          {"TReatorFiltro", "BBConstrucaoReator", "BBVisNucleoReator"}}) {
        app.showTab(tab);
        QWidget* page = app.find<QWidget>(tab);
        auto* b = app.find<QPushButton>(button);
        auto* c = app.find<QPushButton>(core);
        QVERIFY(b->isVisible());
        QCOMPARE(b->text(), QStringLiteral("Construção"));
        if (b->sizeHint().width() > b->width() || b->sizeHint().height() > b->height())
            problems << where(describe(b) + QStringLiteral(" is cut"));
        if (!page->rect().contains(onTop(b, page)))
            problems << where(describe(b) + QStringLiteral(" reaches out of its page"));
        // Beside: touching neither, and within a button's height of it.
        const QRect rb = onTop(b, page), rc = onTop(c, page);
        if (rb.intersects(rc) || qAbs(rb.center().y() - rc.center().y()) > 2 * rc.height()
            || qAbs(rb.center().x() - rc.center().x()) > 2 * rc.width())
            problems << where(describe(b) + QStringLiteral(" is not beside ") + describe(c));
        check(b->parentWidget(), problems);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

int main(int argc, char** argv) { return runAtEveryScale<TestUiScalingConstrucao>(argc, argv); }

#include "test_ui_scaling_construcao.moc"
