// The RF output pi-network window: opened from the valve modulator tab, its
// plate supply following the tab's RF stage, the band list, bad texts and the
// keyboard.
#include "keyboard.h"
#include "ui_fixture.h"

#include <QTableView>

using namespace kelvora;
using namespace kelvora::test;

class TestCalcPiWindow : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheValveTabAndClosesWithItsButton();
    void plateSupplyFollowsTheRfStageAndStaysEditable();
    void bandListFillsTheFrequencyAndFollowsIt();
    void badTextsTurnRedWithAMessageAndNoErrorBox();
    void keyboardWalksTheFormWithNamedFields();
};

namespace {

struct PiApp {
    App app;
    TFCalcPI* pi = nullptr;
    PiApp()
    {
        pi = app.calcPi.get();
        app.showTab("TModValvul");
    }
    template <class W = QWidget>
    W* find(const char* name) const
    {
        W* w = pi->findChild<W*>(QString::fromLatin1(name));
        if (!w)
            qWarning("no control %s in FCalcPI", name);
        return w;
    }
    QString text(const char* name) const
    {
        if (auto* l = pi->findChild<QLabel*>(QString::fromLatin1(name)))
            return l->text();
        if (auto* e = pi->findChild<QLineEdit*>(QString::fromLatin1(name)))
            return e->text();
        if (auto* c = pi->findChild<QComboBox*>(QString::fromLatin1(name)))
            return c->currentText();
        return QStringLiteral("<none>");
    }
    void open()
    {
        QTest::mouseClick(app.find<QPushButton>("BCircuitoPI"), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(pi));
    }
    // Replaces a field's text in the window as the user would.
    void type(const char* name, const QString& text) const
    {
        auto* e = find<QLineEdit>(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, text);
    }
};

} // namespace

void TestCalcPiWindow::opensFromTheValveTabAndClosesWithItsButton()
{
    PiApp t;
    auto* button = t.app.find<QPushButton>("BCircuitoPI");
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text(), QStringLiteral("Circuito PI de saída"));
    QVERIFY(!t.pi->isVisible());
    t.open();
    QVERIFY(t.pi->isVisible());
    QCOMPARE(t.pi->windowTitle(),
             QStringLiteral("Cálculos relativos ao circuito PI de saída de RF"));
    // The valve modulator's RF stage, class C, Q 12 into 50 ohms on 40 m.
    QCOMPARE(t.text("EPiEb"), QStringLiteral("460"));
    QCOMPARE(t.text("EPiIb"), QStringLiteral("160"));
    QCOMPARE(t.text("CBPiClasse"), QStringLiteral("Classe C"));
    QCOMPARE(t.text("EPiFreq"), QStringLiteral("7,1"));
    QCOMPARE(t.text("CBPiBanda"), QStringLiteral("40 m"));
    QCOMPARE(t.text("LPiR1"), QStringLiteral("1437,5 ohms"));
    QCOMPARE(t.text("LPiC1"), QStringLiteral("161,2 pF"));
    QCOMPARE(t.text("LPiL"), QStringLiteral("3,58 µH"));
    QCOMPARE(t.text("LPiC2"), QStringLiteral("744,0 pF"));
    QCOMPARE(t.text("LPiVC1"), QStringLiteral("920 V"));
    QCOMPARE(shownBackground(t.find("LPiAval")), lime());
    // The band table shows the sheet's cells: 160 m in the first row.
    auto* table = t.find<QTableView>("TVPiBandas");
    QVERIFY(table);
    QCOMPARE(table->model()->rowCount(), 6);
    QCOMPARE(table->model()->index(0, 0).data().toString(), QStringLiteral("160 m"));
    QCOMPARE(table->model()->index(0, 1).data().toString(), QStringLiteral("1,85 MHz"));
    QCOMPARE(table->model()->index(0, 2).data().toString(), QStringLiteral("618,8 pF"));
    QCOMPARE(table->model()->index(5, 4).data().toString(), QStringLiteral("185,3 pF"));

    QTest::mouseClick(t.find<QPushButton>("Button1"), Qt::LeftButton);
    QVERIFY(!t.pi->isVisible());
    QVERIFY(t.app.errors.isEmpty());
}

void TestCalcPiWindow::plateSupplyFollowsTheRfStageAndStaysEditable()
{
    PiApp t;
    t.open();
    t.app.type("EEbrf", QStringLiteral("600"));
    QCOMPARE(t.text("EPiEb"), QStringLiteral("600"));
    QCOMPARE(t.text("LPiR1"), QStringLiteral("1875,0 ohms")); // 600 / (2 * 0.16)
    QCOMPARE(t.text("LPiVC1"), QStringLiteral("1200 V"));
    t.app.type("EIbrf", QStringLiteral("200"));
    QCOMPARE(t.text("EPiIb"), QStringLiteral("200"));
    QCOMPARE(t.text("LPiR1"), QStringLiteral("1500,0 ohms")); // 600 / (2 * 0.2)

    // Typed here, it stays through the tab's recalculations ...
    t.type("EPiEb", QStringLiteral("500"));
    QCOMPARE(t.text("LPiR1"), QStringLiteral("1250,0 ohms"));
    t.app.main->CBBnChange(); // the main window activated again
    t.app.main->TModValvulShow();
    QCOMPARE(t.text("EPiEb"), QStringLiteral("500"));
    QCOMPARE(t.text("LPiR1"), QStringLiteral("1250,0 ohms"));
    // ... until the tab's own value changes.
    t.app.type("EEbrf", QStringLiteral("700"));
    QCOMPARE(t.text("EPiEb"), QStringLiteral("700"));
    QCOMPARE(t.text("EPiIb"), QStringLiteral("200"));
    QCOMPARE(t.text("LPiR1"), QStringLiteral("1750,0 ohms"));
    // A bad text on the tab is a bad text here too.
    t.app.type("EIbrf", QStringLiteral("1x"));
    QCOMPARE(t.text("EPiIb"), QStringLiteral("1x"));
    QCOMPARE(shownBackground(t.find("EPiIb")), red());
    QCOMPARE(t.text("LPiAval"), QStringLiteral("Digite um número maior que zero em: Ib"));
}

void TestCalcPiWindow::bandListFillsTheFrequencyAndFollowsIt()
{
    PiApp t;
    t.open();
    auto* band = t.find<QComboBox>("CBPiBanda");
    band->setFocus();
    QTest::keyClick(band, Qt::Key_Up); // 40 m -> 80 m, as chosen by the user
    QCOMPARE(t.text("EPiFreq"), QStringLiteral("3,6"));
    QCOMPARE(t.text("CBPiBanda"), QStringLiteral("80 m"));
    QCOMPARE(t.text("LPiC1"), QStringLiteral("318,0 pF"));
    QCOMPARE(t.text("LPiL"), QStringLiteral("7,07 µH"));
    t.type("EPiFreq", QStringLiteral("14,2"));
    QCOMPARE(t.text("CBPiBanda"), QStringLiteral("20 m"));
    QCOMPARE(t.text("LPiC2"), QStringLiteral("372,0 pF"));
    t.type("EPiFreq", QStringLiteral("7"));
    QCOMPARE(band->currentIndex(), -1);
    QCOMPARE(t.text("LPiC1"), QStringLiteral("163,6 pF")); // 161.248 * 7.1 / 7
}

void TestCalcPiWindow::badTextsTurnRedWithAMessageAndNoErrorBox()
{
    PiApp t;
    t.open();
    t.type("EPiQ", QStringLiteral("abc"));
    QCOMPARE(shownBackground(t.find("EPiQ")), red());
    QCOMPARE(t.text("LPiAval"), QStringLiteral("Digite um número maior que zero em: Q"));
    QCOMPARE(shownBackground(t.find("LPiAval")), red());
    QCOMPARE(shownFont(t.find("LPiAval")), white());
    QCOMPARE(t.text("LPiC1"), QString());
    QCOMPARE(t.find<QTableView>("TVPiBandas")->model()->index(2, 2).data().toString(), QString());
    // Too low for 1437.5 to 50 ohms: sqrt(1437.5/50 - 1) = 5.268.
    t.type("EPiQ", QStringLiteral("3"));
    QCOMPARE(t.text("LPiAval"),
             QStringLiteral("Q muito baixo para esta relação de impedâncias: use Q ≥ 5,27"));
    QCOMPARE(t.text("LPiL"), QString());
    QCOMPARE(t.text("LPiR1"), QStringLiteral("1437,5 ohms"));
    t.type("EPiQ", QStringLiteral("12"));
    QVERIFY(shownBackground(t.find("EPiQ")) != red());
    QCOMPARE(t.text("LPiC1"), QStringLiteral("161,2 pF"));
    auto* classe = t.find<QComboBox>("CBPiClasse");
    classe->setCurrentIndex(0);
    QCOMPARE(t.text("LPiR1"), QStringLiteral("2211,5 ohms")); // 460 / (1.3 * 0.16)
    QVERIFY(t.app.errors.isEmpty());
}

void TestCalcPiWindow::keyboardWalksTheFormWithNamedFields()
{
    PiApp t;
    t.open();
    const QList<QWidget*> order = readingOrder(t.pi);
    QStringList names, captions;
    for (QWidget* w : order) {
        names << w->objectName();
        captions << w->accessibleName();
    }
    QCOMPARE(names, QStringList({"EPiEb", "EPiIb", "CBPiClasse", "EPiQ", "EPiR2", "EPiFreq",
                                 "CBPiBanda", "Button1"}));
    QCOMPARE(captions, QStringList({"Tensão de placa (Eb)", "Corrente de placa (Ib)",
                                    "Classe de operação", "Q de operação", "Carga de saída (R2)",
                                    "Freqüência", "Banda", "Fecha Janela"}));
    QCOMPARE(t.find("TVPiBandas")->accessibleName(), QStringLiteral("Valores por banda"));
    // The tab's button is named by its caption like the other buttons, and
    // Tab reaches it right after the RF stage's fields it stands beside.
    QCOMPARE(t.app.find("BCircuitoPI")->accessibleName(), QStringLiteral("Circuito PI de saída"));
    const QList<QWidget*> tabOrder = readingOrder(t.app.find("TModValvul"));
    const qsizetype at = tabOrder.indexOf(t.app.find("EIbrf"));
    QVERIFY(at >= 0 && at + 1 < tabOrder.size());
    QCOMPARE(tabOrder[at + 1]->objectName(), QStringLiteral("BCircuitoPI"));
    // Tab from the first field reaches the second.
    t.pi->activateWindow();
    auto* eb = t.find("EPiEb");
    eb->setFocus();
    QTest::keyClick(eb, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), t.find("EPiIb"));
}

QTEST_MAIN(TestCalcPiWindow)
#include "test_calcpi_window.moc"
