// The "Fonte de alimentação" window driven through the real main window:
// opened by the button beside "Construção", live on its own controls, each
// secondary keeping its own circuit, a broken rating in red.
#include "Ufonte.h"
#include "Uconstrucao.h"
#include "design_file.h"
#include "design_files.h"
#include "ui_fixture.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QTemporaryDir>

#include <fstream>

using namespace kelvora;
using kelvora::test::App;

namespace {

TFFonte* open(App& app)
{
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BBFonteTA"), Qt::LeftButton);
    return app.main->fonteWindow();
}

template <class W = QWidget>
W* in(TFFonte* w, const char* name)
{
    W* c = w->findChild<W*>(QString::fromLatin1(name));
    if (!c)
        qWarning("no control %s", name);
    return c;
}

void typeInto(TFFonte* w, const char* name, const QString& text)
{
    auto* e = in<QLineEdit>(w, name);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

void choose(TFFonte* w, const char* name, const QString& item)
{
    auto* c = in<QComboBox>(w, name);
    const int i = c->findText(item);
    QVERIFY(i >= 0);
    c->setCurrentIndex(i);
    emit c->activated(i);
}

QString results(TFFonte* w) { return in<QLabel>(w, "LFoResultados")->text(); }

} // namespace

class TestFonteWindow : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheButtonAndFollowsItsControls();
    void eachSecondaryKeepsItsCircuit();
    void aDesignFileGivesEachSecondaryItsCircuit();
    void theConstructionFollowsTheSimulatedCurrent();
};

void TestFonteWindow::opensFromTheButtonAndFollowsItsControls()
{
    App app;
    TFFonte* w = open(app);
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Fonte de alimentação"));
    QVERIFY(!w->run().error);
    QVERIFY(results(w).contains(QStringLiteral("Fonte: nó 1: ")));
    const double before = w->run().result.nodes.back().ripplePp;
    // A larger capacitor: less ripple, at once.
    typeInto(w, "EFoValor1", QStringLiteral("100"));
    QVERIFY(w->run().result.nodes.back().ripplePp < 0.7 * before);
    // The plots carry the steady cycles, the turn-on and the sweep.
    for (QChartView* v : w->findChildren<QChartView*>())
        QVERIFY(!v->chart()->series().isEmpty());
    // A 5U4G after 100 uF breaks its 40 uF: the line is red and names it.
    choose(w, "CBFoDiodo", QStringLiteral("5U4G"));
    QVERIFY(results(w).contains(
        QStringLiteral("<span style='color:#c00000'>Fonte: FALHA: Primeiro capacitor 100,0 µF acima "
                       "do máximo do 5U4G (40,0 µF)</span>")));
    // The tab changes, the window follows.
    const double vdc = w->run().result.nodes.back().vdc;
    QLineEdit* vs1 = app.find<QLineEdit>("EVs1");
    vs1->setFocus();
    vs1->selectAll();
    QTest::keyClicks(vs1, QStringLiteral("300"));
    QVERIFY(std::abs(w->run().result.nodes.back().vdc - vdc) > 1);
    QVERIFY(app.errors.isEmpty());
}

void TestFonteWindow::eachSecondaryKeepsItsCircuit()
{
    App app;
    TFFonte* w = open(app);
    typeInto(w, "EFoValor1", QStringLiteral("22"));
    choose(w, "CBFoSecundario", QStringLiteral("2"));
    QCOMPARE(in<QLineEdit>(w, "EFoValor1")->text(), QStringLiteral("47"));
    choose(w, "CBFoSecundario", QStringLiteral("1"));
    QCOMPARE(in<QLineEdit>(w, "EFoValor1")->text(), QStringLiteral("22"));
    QCOMPARE(w->run().circuit.ladder[0].value, 22e-6);
    QVERIFY(fonte::simulated(w->secondarySheet(1)));
    // What design files store: each secondary's own sheet.
    QCOMPARE(w->bindingOf("FFonte1")->sheet()["EFoValor1"].text, std::string("22"));
    QCOMPARE(w->bindingOf("FFonte2")->sheet()["EFoValor1"].text, std::string("47"));
    QCOMPARE(w->bindingOf("FFonte")->sheet()["CBFoSecundario"].itemIndex, 0);
}

void TestFonteWindow::aDesignFileGivesEachSecondaryItsCircuit()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fonte.kelvora"));
    DesignInputs inputs(',');
    inputs["FFonte2"]["EFoValor1"].text = "33";
    inputs["FFonte2"]["CBFoRetificador"].text = "onda-completa-ct";
    inputs["FFonte2"]["CBFoRetificador"].itemIndex = 1;
    std::ofstream(path.toStdString()) << writeDesign(inputs, ',');
    App app;
    TFFonte* w = open(app);
    QVERIFY(app.main->designFiles().openFile(path));
    QCOMPARE(in<QLineEdit>(w, "EFoValor1")->text(), QStringLiteral("47")); // secondary 1: defaults
    choose(w, "CBFoSecundario", QStringLiteral("2"));
    QCOMPARE(in<QLineEdit>(w, "EFoValor1")->text(), QStringLiteral("33"));
    QCOMPARE(in<QComboBox>(w, "CBFoRetificador")->currentText(), QStringLiteral("onda-completa-ct"));
    QCOMPARE(w->run().circuit.rectifier, supply::Rectifier::CentreTap);
}

void TestFonteWindow::theConstructionFollowsTheSimulatedCurrent()
{
    App app;
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoTA"), Qt::LeftButton);
    TFConstrucao* co = app.main->construcao();
    QVERIFY(co);
    // Not simulated yet: the tab's 100 mA as the rms current ("CA" load).
    QCOMPARE(co->analysis().windings[1].iRmsA, 0.1f);
    TFFonte* w = open(app);
    const double simulated = w->run().result.windingRms;
    QCOMPARE(co->analysis().windings[1].iRmsA, simulated);
    QVERIFY(co->analysis().windings[1].simulatedCurrent);
    QVERIFY(co->sheetText().find("A/mm²) (da simulação do retificador)") != std::string::npos);
    // The summary beside the button judges the same analysis as the window.
    app.type("EBn1", QStringLiteral("32"));
    QStringList verdicts;
    for (const construction::Verdict& v : co->analysis().verdicts)
        verdicts << QString::fromStdString(v.text);
    const QString summary = app.find<QLabel>("LCoResumoTA")->toolTip();
    QVERIFY2(summary.endsWith(u'\n' + verdicts.join(u'\n')), qPrintable(summary));
    // Another capacitor changes the current pulses: the construction follows at once.
    typeInto(w, "EFoValor1", QStringLiteral("220"));
    QVERIFY(w->run().result.windingRms != simulated);
    QCOMPARE(co->analysis().windings[1].iRmsA, w->run().result.windingRms);
    // "do fator fixo" in the Construção window: back to the load's rule.
    auto* c = co->findChild<QComboBox*>(QStringLiteral("CBCoCorrRet"));
    QVERIFY(c);
    c->setCurrentIndex(1);
    emit c->activated(1);
    QCOMPARE(co->analysis().windings[1].iRmsA, 0.1f);
    QVERIFY(app.errors.isEmpty());
}

QTEST_MAIN(TestFonteWindow)
#include "test_fonte_window.moc"
