// The "Rede" group of the Construção window: shown for the power transformer
// only, its figures those of the mains checks, the verdict lines in the good
// and bad colours, the insulation table and the plot of the no-load current.
#include "Uconstrucao.h"
#include "painel_rede.h"
#include "ui_fixture.h"

#include <QAbstractItemModel>
#include <QImage>
#include <QTableView>

using namespace kelvora;
using kelvora::test::App;

namespace {

TFConstrucao* open(App& app, const char* tab, const char* button)
{
    app.showTab(tab);
    QTest::mouseClick(app.find<QPushButton>(button), Qt::LeftButton);
    return app.main->construcao();
}

template <class W = QWidget>
W* in(TFConstrucao* w, const char* name)
{
    W* c = w->findChild<W*>(QString::fromLatin1(name));
    if (!c)
        qWarning("no control %s", name);
    return c;
}

QString label(TFConstrucao* w, const char* name) { return in<QLabel>(w, name)->text(); }

// The verdict line with that beginning, or null.
QLabel* verdictLine(TFConstrucao* w, const QString& start)
{
    for (int i = 1; i <= 6; ++i) {
        auto* l = in<QLabel>(w, ("LCoAval" + std::to_string(i)).c_str());
        if (l->isVisible() && l->text().startsWith(start))
            return l;
    }
    return nullptr;
}

void typeInto(TFConstrucao* w, const char* name, const QString& text)
{
    auto* e = in<QLineEdit>(w, name);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

} // namespace

class TestConstrucaoRede : public QObject {
    Q_OBJECT
private slots:
    void groupShowsTheMainsChecksOfThePowerTransformer();
    void verdictLinesInTheGoodAndBadColours();
    void plotPointsAreThoseOfTheAnalysis();
};

void TestConstrucaoRede::groupShowsTheMainsChecksOfThePowerTransformer()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(in(w, "GBCoRede")->isVisible());
    const construction::Analysis& a = w->analysis();
    QVERIFY(a.mains);
    const construction::MainsChecks& m = *a.mains;
    // The default design: I_p = 0.988 A, 1.5 I_p = 1.48 A -> 1.6 A.
    QCOMPARE(label(w, "LCoFusivel"), QStringLiteral("Fusível do primário: 1,6 A retardado"));
    QVERIFY(!in(w, "LCoFusivelSerie")->isVisible());
    QCOMPARE(label(w, "LCoRedeAlta"), QStringLiteral("Rede alta (+10,0 %)"));
    QCOMPARE(label(w, "LCoImagAlta"), QString::fromStdString(fixed(m.iMagHighA, 15, 3, ',')));
    QCOMPARE(label(w, "LCoRedeBAlta"), QString::fromStdString(fixed(m.bHighGauss, 15, 0, ',')));
    QCOMPARE(label(w, "LCoNormaIsol"),
             QStringLiteral("IEC 61558-1 (valores de referência; confira na norma)"));

    // One insulation row per secondary; with basic insulation no distance through it.
    const QAbstractItemModel* t = in<QTableView>(w, "TVCoIsolacao")->model();
    QCOMPARE(t->rowCount(), 3);
    QCOMPARE(t->columnCount(), 5);
    QCOMPARE(t->data(t->index(0, 0)).toString(), QStringLiteral("Secundário 1"));
    QCOMPARE(t->data(t->index(0, 2)).toString(),
             QString::fromStdString(fixed(m.insulation[0].testV, 15, 0, ',')));
    in<QComboBox>(w, "CBCoIsolacao")->setCurrentText(QStringLiteral("Reforçada"));
    QCOMPARE(t->columnCount(), 6);
    QCOMPARE(label(w, "LCoIsolacao"), QStringLiteral("Isolação reforçada (IEC 61558-1):"));
    QVERIFY(w->analysis().mains->insulation[0].throughMm);

    // Two primary halves: the fuse for the series connection too.
    app.find<QComboBox>("CNumPri")->setCurrentText(QStringLiteral("Duplo"));
    QVERIFY(in(w, "LCoFusivelSerie")->isVisible());
    QVERIFY(label(w, "LCoFusivelSerie").startsWith(QStringLiteral("Com os primários em série: ")));

    // Not a power transformer: no group.
    open(app, "TReatorFiltro", "BBConstrucaoReator");
    QVERIFY(!in(w, "GBCoRede")->isVisible());
    open(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(in(w, "GBCoRede")->isVisible());
    QVERIFY(app.errors.isEmpty());
}

void TestConstrucaoRede::verdictLinesInTheGoodAndBadColours()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    QLabel* noLoad = verdictLine(w, QStringLiteral("Corrente em vazio "));
    QVERIFY(noLoad);
    QVERIFY(noLoad->text().endsWith(QStringLiteral("% da nominal) na rede alta")));
    QCOMPARE(kelvora::shownBackground(noLoad), kelvora::test::lime());

    // A limit below the current: red, and the plot's high-line point in the bad colour.
    typeInto(w, "ECoImagMax", QStringLiteral("1"));
    noLoad = verdictLine(w, QStringLiteral("Corrente em vazio "));
    QVERIFY(noLoad);
    QVERIFY(noLoad->text().endsWith(QStringLiteral(": núcleo perto da saturação")));
    QCOMPARE(kelvora::shownBackground(noLoad), kelvora::test::red());
    QVERIFY(!w->rede()->plot()->content().highGood);
    // Out of its range (1 - 100 %): red field, and the default limit of 25 %.
    typeInto(w, "ECoImagMax", QStringLiteral("0"));
    QCOMPARE(kelvora::shownBackground(in(w, "ECoImagMax")), kelvora::test::red());
    QCOMPARE(kelvora::shownBackground(verdictLine(w, QStringLiteral("Corrente em vazio "))),
             kelvora::test::lime());

    // Reinforced insulation thinner than the table asks for: its verdict line, red.
    in<QComboBox>(w, "CBCoIsolacao")->setCurrentText(QStringLiteral("Reforçada"));
    typeInto(w, "ECoIsolEnrol", QStringLiteral("0,1"));
    QLabel* insulation = verdictLine(w, QStringLiteral("Isolação "));
    QVERIFY(insulation);
    QVERIFY(insulation->text().startsWith(QStringLiteral("Isolação 0,10 mm menor que ")));
    QCOMPARE(kelvora::shownBackground(insulation), kelvora::test::red());
    typeInto(w, "ECoIsolEnrol", QStringLiteral("0,5"));
    insulation = verdictLine(w, QStringLiteral("Isolação reforçada: 0,50 mm ≥ "));
    QVERIFY(insulation);
    QCOMPARE(kelvora::shownBackground(insulation), kelvora::test::lime());
}

void TestConstrucaoRede::plotPointsAreThoseOfTheAnalysis()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    const NoLoadPlot* plot = w->rede()->plot();
    const construction::Analysis& a = w->analysis();
    const NoLoadPlot::Content& c = plot->content();
    QCOMPARE(c.curve.size(), std::size_t(41));
    // 100 % and 110 % of the nominal voltage: the analysis's two currents.
    QCOMPARE(c.curve[20].volts, a.primaryVolts);
    QCOMPARE(c.curve[20].amps, a.mains->iMagA);
    QVERIFY(std::abs(c.curve[30].amps - a.mains->iMagHighA) < 1e-12);
    QCOMPARE(c.nominal.amps, a.mains->iMagA);
    QCOMPARE(c.high.amps, a.mains->iMagHighA);
    QVERIFY(std::abs(c.high.volts - 1.1 * a.primaryVolts) < 1e-9);
    QVERIFY(c.highGood);
    QVERIFY(std::abs(c.limitA - 0.25 * a.primaryAmps) < 1e-12);

    // The curve follows the settings: a wider joint gap, more current.
    const double before = c.curve[20].amps;
    typeInto(w, "ECoJunta", QStringLiteral("0,05"));
    QVERIFY(plot->content().curve[20].amps > before);
    QCOMPARE(plot->content().curve[20].amps, w->analysis().mains->iMagA);

    // Painted: the curve's blue on the plot.
    QImage image(plot->size(), QImage::Format_RGB32);
    const_cast<NoLoadPlot*>(plot)->render(&image);
    int blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor p = image.pixelColor(x, y);
            blue += p.blue() > 100 && p.red() < 60 && p.green() < 60;
        }
    QVERIFY(blue > 50);
}

QTEST_MAIN(TestConstrucaoRede)
#include "test_construcao_rede.moc"
