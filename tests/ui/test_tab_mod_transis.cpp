#include "ui_fixture.h"

#include "picture.h"

#include <QGroupBox>
#include <QImage>

using namespace kelvora;
using namespace kelvora::test;

class TestModTransis : public QObject {
    Q_OBJECT
private slots:
    void formHasItsControlsAndCaptions();
    void defaultsAreShownAfterStartUp();
    void typingIntoEPoRecalculatesTheStage();
    void unusedInputsChangeNoResult_data();
    void unusedInputsChangeNoResult();
    void badTextReportsOneErrorPerKeystrokeAndSkipsThePowerTransformer();
    void figureIsPaintedInsideThePage();
};

namespace {

QWidget* page(const App& app) { return app.find<QWidget>("TModTransis"); }

const char* const Results[] = {
    "LRc",  "LVcm",   "LIcm",   "LIdc",   "LPi",      "LNteor",   "LPdiss",   "LVcemax",
    "LIc0", "LIb",    "LI2",    "LId",    "LI1",      "LR1",      "LPR1",     "LPdrv",
    "LRe",  "LNprat", "LRBmin", "LRBmax", "LPdrvmin", "LPdrvmax", "LM2N2min", "LM2N2max",
};

QStringList resultTexts(const App& app)
{
    QStringList s;
    for (const char* name : Results)
        s << QStringLiteral("%1=%2").arg(QLatin1String(name), app.text(name));
    return s;
}

// Start-up activation runs CBBnChange; on the offscreen platform the
// activation may come late, so wait for it (or give it ourselves).
void waitForFirstCalculation(App& app)
{
    if (app.text("LRc").isEmpty()) {
        app.main->activateWindow();
        QTest::qWait(50);
    }
    if (app.text("LRc").isEmpty())
        app.main->CBBnChange();
}

// Types one key into a line edit as the user would, one event.
void key(QWidget* w, char c) { QTest::keyClick(w, c); }


// A text compared with the control's name in the failure message.
void expectText(const App& app, const char* name, const QString& expected)
{
    const QString actual = app.text(name);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1: \"%2\", expected \"%3\"")
                                                .arg(QLatin1String(name), actual, expected)));
}

} // namespace

void TestModTransis::formHasItsControlsAndCaptions()
{
    App app;
    app.showTab("TModTransis");
    QStringList captions;
    for (QLabel* l : page(app)->findChildren<QLabel*>())
        captions << l->text();
    for (const char* c :
         {"Modulador - Classe B (AB) transistorizado",
          "Cálculos dos transformadores e demais variáveis serão incluídos em versão futura...",
          "Cálculos em fase de teste Confira novas versões para atualização...",
          "Potência de Audio Requerida (Po)",
          "Freqüência Mínima de Áudio (Fm)",
          "Tensão de Coletor Modulador (Vcc)",
          "Impedância da carga (Ro)",
          "Impedância do Driver (Rd)",
          "Corrente Quiescente (Repouso)",
          "% de Icm",
          "Ganho de corrente de Q1/Q2 Mínimo",
          "Ganho de corrente de Q1/Q2 Máximo",
          "Ganho de corrente de Q3",
          "(beta)",
          "W",
          "Hz",
          "V",
          "ohms",
          "Resistência de Coletor (Rc) = ",
          "Tensão máxima de coletor (Vcm) = ",
          "Corrente máxima de Coletor (Icm) = ",
          "Corrente contínua total (Idc) = ",
          "Potência de Entrada CC (Pi) = ",
          "Eficiência Teórica (Nteor) = ",
          "Potência de dissipação de Q1/Q2 = ",
          "Tensão Coletor-Emissor máx de Q1/Q2 = ",
          "Corrente Quiescente (Repouso) Ic0 =",
          "Corrente de Base de Q1 e Q2 (Ib) =",
          "Corrente de base de Q3 (I2) =",
          "Corrente sobre os diodos (Id) =",
          "Corrente sobre resistor R1 (I1) =",
          "Valor de Resistência de R1 =",
          "Dissipação de Potência de R1 =",
          "Potência de Excitação teórica (Pdrv) =",
          "Valor da resistência de emissor R1 e R2 =",
          "Eficiência Real (Nprat) = ",
          "Resistência de base para Beta mínimo =",
          "Resistência de base para Beta máximo =",
          "Potência de Excitação p/ Beta mínimo =",
          "Potência de Excitação p/ Beta máximo =",
          "Relação de espiras (m2/n2) para B mín = ",
          "Relação de espiras (m2/n2) para B máx = "})
        QVERIFY2(captions.contains(QString::fromUtf8(c)), c);

    // Each result sits on the row of its caption.
    const std::pair<const char*, const char*> rows[] = {
        {"LRc", "Resistência de Coletor (Rc) = "},
        {"LIc0", "Corrente Quiescente (Repouso) Ic0 ="},
        {"LM2N2max", "Relação de espiras (m2/n2) para B máx = "}};
    for (const auto& [name, caption] : rows) {
        QLabel* value = app.find<QLabel>(name);
        QLabel* cap = nullptr;
        for (QLabel* l : page(app)->findChildren<QLabel*>())
            if (l->text() == QString::fromUtf8(caption))
                cap = l;
        QVERIFY(value && cap);
        const int vy = value->mapTo(page(app), value->rect().center()).y();
        const int cy = cap->mapTo(page(app), cap->rect().center()).y();
        QVERIFY2(std::abs(vy - cy) <= 3, name);
        QVERIFY(cap->mapTo(page(app), QPoint()).x() < value->mapTo(page(app), QPoint()).x());
    }

    for (const char* name :
         {"EPo", "EFm", "EVcc", "ERo", "ERd", "EBetaQ1Q2min", "EBetaQ1Q2max", "EBetaQ3"})
        QVERIFY2(app.find<QLineEdit>(name), name);
    auto* ic0 = app.find<QComboBox>("CBIc0");
    QVERIFY(ic0 && ic0->isEditable());
    QCOMPARE(ic0->count(), 10);
    QCOMPARE(ic0->itemText(0), QStringLiteral("1"));
    QCOMPARE(ic0->itemText(9), QStringLiteral("10"));
    QCOMPARE(ic0->currentText(), QStringLiteral("2"));
    for (const char* name : Results) {
        auto* l = app.find<QLabel>(name);
        QVERIFY2(l && l->isVisible(), name);
    }

    auto* calcRo = app.find<QPushButton>("BCalcRo");
    QVERIFY(calcRo);
    QCOMPARE(calcRo->text(), QStringLiteral("Calcula Ro"));
    QVERIFY(calcRo->isHidden());

    for (QGroupBox* g : page(app)->findChildren<QGroupBox*>())
        QVERIFY2(page(app)->rect().contains(g->geometry()), qPrintable(g->title()));
}

void TestModTransis::defaultsAreShownAfterStartUp()
{
    App app;
    waitForFirstCalculation(app);
    const std::pair<const char*, const char*> expected[] = {
        {"LRc", "9,00 ohms"}, {"LVcm", "30,00 V"},   {"LIcm", "3,33 A"},    {"LIdc", "2,12 A"},
        {"LPi", "63,66 W"},   {"LNteor", "78,54 %"}, {"LPdiss", "10,13 W"}, {"LVcemax", "60,00 V"},
        {"LIc0", "66,67 mA"}, {"LRe", "0,90 ohms"},
    };
    for (const auto& [name, text] : expected) {
        expectText(app, name, QString::fromUtf8(text));
    }
    // The turns ratios carry no unit.
    QVERIFY(!app.text("LM2N2min").contains(QLatin1Char(' ')));
    QVERIFY(!app.text("LM2N2min").isEmpty());
    QVERIFY(app.errors.isEmpty());
}

void TestModTransis::typingIntoEPoRecalculatesTheStage()
{
    App app;
    waitForFirstCalculation(app);
    app.showTab("TModTransis");
    app.type("EPo", QStringLiteral("100"));
    // Twice the power into the same supply halves the load; the swing stays Vcc.
    QCOMPARE(app.text("LRc"), QStringLiteral("4,50 ohms"));
    QCOMPARE(app.text("LVcm"), QStringLiteral("30,00 V"));
    QCOMPARE(app.text("LIcm"), QStringLiteral("6,67 A"));
    QCOMPARE(app.text("LVcemax"), QStringLiteral("60,00 V"));
    QCOMPARE(app.text("LRe"), QStringLiteral("0,45 ohms"));
    // Typing "100" passed through "" which does not convert: one error for it.
    QCOMPARE(app.errors.size(), 1);

    app.type("EVcc", QStringLiteral("40"));
    QCOMPARE(app.text("LRc"), QStringLiteral("8,00 ohms"));
    QCOMPARE(app.text("LVcemax"), QStringLiteral("80,00 V"));
}

void TestModTransis::unusedInputsChangeNoResult_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("Fm") << "EFm"
                        << "20";
    QTest::newRow("Ro") << "ERo"
                        << "8000";
}

void TestModTransis::unusedInputsChangeNoResult()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    App app;
    waitForFirstCalculation(app);
    app.showTab("TModTransis");
    const QStringList before = resultTexts(app);
    QVERIFY(!before.isEmpty());
    // A stale text that only a recalculation can put right.
    app.find<QLabel>("LRc")->setText(QStringLiteral("stale"));
    auto* edit = app.find<QLineEdit>(field.toLatin1().constData());
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text(), text);
    QCOMPARE(resultTexts(app), before);
    QVERIFY(app.errors.isEmpty());
}

void TestModTransis::badTextReportsOneErrorPerKeystrokeAndSkipsThePowerTransformer()
{
    App app;
    waitForFirstCalculation(app);
    app.showTab("TModTransis");
    const QString rc = app.text("LRc");
    const QString pas = app.text("LPas");
    QVERIFY(!pas.isEmpty());

    // A new secondary current, not yet calculated: only a run of the
    // power-transformer calculation would change LPas.
    auto* is1 = app.find<QLineEdit>("EIs1");
    {
        const QSignalBlocker block(is1);
        is1->setText(QStringLiteral("3000"));
    }

    auto* po = app.find<QLineEdit>("EPo");
    po->setFocus();
    po->selectAll();
    key(po, '5');
    QCOMPARE(app.errors.size(), 0);
    QCOMPARE(app.text("LRc"), QStringLiteral("90,00 ohms"));
    const QString pasAfterGood = app.text("LPas");
    QVERIFY2(pasAfterGood != pas, "a good keystroke recalculates the power transformer");

    {
        const QSignalBlocker block(is1);
        is1->setText(QStringLiteral("100"));
    }
    for (int i = 1; i <= 2; ++i) {
        key(po, 'a');
        QCOMPARE(app.errors.size(), i);
        // Po is read before anything is written: no result of "5" W stays.
        QCOMPARE(app.text("LRc"), QString());
        QCOMPARE(app.text("LM2N2max"), QString());
        QCOMPARE(app.text("LPas"), pasAfterGood);
    }
    QCOMPARE(po->text(), QStringLiteral("5aa"));

    // Back to a number: both calculations run again.
    key(po, '\b');
    QCOMPARE(app.errors.size(), 3); // "5a" is still not a number
    key(po, '\b');
    QCOMPARE(app.errors.size(), 3);
    QCOMPARE(po->text(), QStringLiteral("5"));
    QVERIFY(app.text("LPas") != pasAfterGood);
    QCOMPARE(rc, QStringLiteral("9,00 ohms"));
}

void TestModTransis::figureIsPaintedInsideThePage()
{
    App app;
    app.showTab("TModTransis");
    auto* fig = app.find<Picture>("Image7");
    QVERIFY(fig);
    QVERIFY(fig->isVisible());
    const QRect onPage(fig->mapTo(page(app), QPoint()), fig->size());
    QVERIFY(page(app)->rect().contains(onPage));
    QVERIFY(fig->width() >= 400 && fig->height() >= 250);
    // Nothing of the tab lies under the figure.
    for (QGroupBox* g : page(app)->findChildren<QGroupBox*>())
        QVERIFY2(!g->geometry().intersects(onPage), qPrintable(g->title()));

    // Drawn in black on white, in every quarter of the circuit.
    const QImage img = fig->grab().toImage();
    const int w = img.width(), h = img.height();
    for (const QRect& quarter :
         {QRect(0, 0, w / 2, h / 2), QRect(w / 2, 0, w / 2, h / 2), QRect(0, h / 2, w / 2, h / 2),
          QRect(w / 2, h / 2, w / 2, h / 2)}) {
        int dark = 0, light = 0;
        for (int y = quarter.top(); y <= quarter.bottom(); ++y)
            for (int x = quarter.left(); x <= quarter.right(); ++x) {
                const int g = qGray(img.pixel(x, y));
                dark += g < 80;
                light += g > 240;
            }
        QVERIFY2(dark > 200, "a quarter of the figure is empty");
        QVERIFY(light > dark);
    }
}

QTEST_MAIN(TestModTransis)
#include "test_tab_mod_transis.moc"
