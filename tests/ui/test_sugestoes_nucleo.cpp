#include "ui_fixture.h"

#include "Uconstrucao.h"
#include "designs.h"
#include "sugestoes_nucleo.h"

#include <QComboBox>
#include <QTableView>

using namespace kelvora;
using namespace kelvora::test;

class TestSugestoesNucleo : public QObject {
    Q_OBJECT
private slots:
    void tableOpensOnTheButtonWithTheBestTen();
    void usarEsteNucleoWritesTheTabWhichRecalculates();
    void listFieldsOfTheChoke();
    void nothingPassesSaysWhichCheckFailedMostOften();
    void construcaoWindowFollowsTheTabAndUsesTheCore();
};

namespace {

// The panel wired to one tab of the program as the construction window wires it.
struct Wired {
    App& app;
    const char* tab;
    PainelSugestoes panel;
    construction::ConstructionSettings set;

    Wired(App& a, const char* t) : app(a), tab(t)
    {
        set.projeto = construction::Projeto::TabTurns; // the figures checked below
        QObject::connect(&panel, &PainelSugestoes::openRequested, [this] { refresh(); });
        QObject::connect(
            &panel, &PainelSugestoes::coreChosen, [this](const QString& bn, const QString& en) {
                useCore(app.find<QWidget>(tab), findDesign(tab)->part->core, bn, en);
                refresh(); // the window follows every recalculation of the tab
            });
        panel.show();
    }
    const Design& design() const
    {
        for (const Design& d : designs())
            if (d.tab == tab)
                return d;
        return designs()[0];
    }
    void refresh()
    {
        panel.refresh(*design().part, app.main->sheet(tab), app.main->results(), app.errors.size() > 0,
                      set, app.main->settings());
    }
    QString cell(int row, int column) const
    {
        return panel.model().data(panel.model().index(row, column), Qt::DisplayRole).toString();
    }
    QString message() const { return panel.findChild<QLabel*>("LSugestoes")->text(); }
};

} // namespace

void TestSugestoesNucleo::tableOpensOnTheButtonWithTheBestTen()
{
    App app;
    app.showTab("TTrafoAlim");
    Wired w(app, "TTrafoAlim");
    auto* table = w.panel.findChild<QTableView*>("GSugestoes");
    auto* sugerir = w.panel.findChild<QPushButton*>("BSugereNucleo");
    QVERIFY(table && sugerir);
    QCOMPARE(sugerir->text(), QString("Sugerir núcleo"));
    QCOMPARE(w.panel.findChild<QPushButton*>("BUsaNucleo")->text(), QString("Usar este núcleo"));
    QVERIFY(!table->isVisible());
    QCOMPARE(w.panel.model().rowCount(), 0);
    QVERIFY(!w.panel.isOpen());

    QTest::mouseClick(sugerir, Qt::LeftButton);
    QVERIFY(w.panel.isOpen());
    QVERIFY(table->isVisible());
    QCOMPARE(w.panel.model().rowCount(), 10);
    QCOMPARE(w.panel.model().columnCount(), 6);
    QCOMPARE(w.panel.model().headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Pior regulação (%)"));
    // The rows are the adviser's, lightest first, written with the tab's separator.
    const construction::Advice advice = construction::adviseCore(*w.design().part,
                                                                 app.main->sheet("TTrafoAlim"),
                                                                 app.main->results(), false, w.set,
                                                                 app.main->settings());
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 6; ++c)
            QCOMPARE(w.cell(r, c), QString::fromStdString(construction::suggestionRow(
                                       advice.ranked[std::size_t(r)], advice.part,
                                       app.main->settings())[std::size_t(c)]));
    QCOMPARE(
        w.message(),
        QString("%1 de 1110 núcleos passam em todas as verificações.").arg(advice.ranked.size()));
    QCOMPARE(table->currentIndex().row(), 0);

    // A heavier load asks for more iron: the list follows the tab.
    const QString before = w.cell(0, 5);
    app.type("EIs1", "300");
    w.refresh();
    QVERIFY(w.cell(0, 5) != before);
}

void TestSugestoesNucleo::usarEsteNucleoWritesTheTabWhichRecalculates()
{
    App app;
    app.showTab("TTrafoAlim");
    app.type("EEn1", "20");
    QCOMPARE(app.text("LAlimAval"), QString("Seção escolhida menor que a mínima"));
    Wired w(app, "TTrafoAlim");
    QTest::mouseClick(w.panel.findChild<QPushButton*>("BSugereNucleo"), Qt::LeftButton);
    const construction::Suggestion best = *w.panel.model().suggestion(0);
    QTest::mouseClick(w.panel.findChild<QPushButton*>("BUsaNucleo"), Qt::LeftButton);
    QCOMPARE(app.text("EBn1"),
             QString::fromStdString(construction::coreText(best.a, app.main->settings())));
    QCOMPARE(app.text("EEn1"),
             QString::fromStdString(construction::coreText(best.b, app.main->settings())));
    // The tab recalculated with the new core and now accepts it.
    QCOMPARE(app.main->results().trafoAlim.Bn, float(best.a));
    QCOMPARE(app.main->results().trafoAlim.En, float(best.b));
    QCOMPARE(app.text("LAlimAval"), QString("Seção escolhida atende à aplicação!"));
    // The list is still the same, the chosen core still selected.
    QCOMPARE(w.panel.model().suggestion(0)->b, best.b);

    // The third row, chosen with a double click.
    auto* table = w.panel.findChild<QTableView*>("GSugestoes");
    const construction::Suggestion third = *w.panel.model().suggestion(2);
    table->selectRow(2);
    emit table->doubleClicked(table->currentIndex());
    QCOMPARE(app.main->results().trafoAlim.En, float(third.b));
    QCOMPARE(app.main->results().trafoAlim.Bn, float(third.a));
    QCOMPARE(table->currentIndex().row(), 2);
}

void TestSugestoesNucleo::listFieldsOfTheChoke()
{
    App app;
    app.showTab("TReatorFiltro");
    Wired w(app, "TReatorFiltro");
    QTest::mouseClick(w.panel.findChild<QPushButton*>("BSugereNucleo"), Qt::LeftButton);
    // The default choke: EI-150 (1 1/2") at its own width, 38,1 x 38,1 mm.
    QCOMPARE(w.cell(0, 0), QString("EI-150 (1 1/2\")"));
    QCOMPARE(w.cell(0, 1), QString("38,1 × 38,1"));
    QCOMPARE(w.panel.model().headerData(4, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("L (H)"));
    QTest::mouseClick(w.panel.findChild<QPushButton*>("BUsaNucleo"), Qt::LeftButton);
    QCOMPARE(app.text("CBRFBn"), QString("38,1"));
    QCOMPARE(app.text("CBRFEn"), QString("38,1"));
    QCOMPARE(app.main->results().reatorFiltro.RFBn, 38.1f);
    QCOMPARE(app.main->results().reatorFiltro.RFEn, 38.1f);
    QCOMPARE(app.text("LRFNAval"), QString("Seção escolhida atende à aplicação!"));
}

void TestSugestoesNucleo::nothingPassesSaysWhichCheckFailedMostOften()
{
    App app;
    app.showTab("TTrafoAlim");
    Wired w(app, "TTrafoAlim");
    w.set.ambient = 100; // class A cannot take it
    QTest::mouseClick(w.panel.findChild<QPushButton*>("BSugereNucleo"), Qt::LeftButton);
    QCOMPARE(w.panel.model().rowCount(), 0);
    QVERIFY(w.message().startsWith("Nenhum núcleo do catálogo passa em todas as verificações. "
                                   "A que mais falhou: elevação de temperatura ("));
    QVERIFY(!w.panel.findChild<QPushButton*>("BUsaNucleo")->isEnabled());
}

// The program's own window: the table under "Sugerir núcleo" follows the tab,
// "Usar este núcleo" writes the tab, and the window names the lamination.
void TestSugestoesNucleo::construcaoWindowFollowsTheTabAndUsesTheCore()
{
    App app;
    app.showTab("TReatorFiltro");
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoReator"), Qt::LeftButton);
    TFConstrucao* w = app.main->construcao();
    QVERIFY(w && w->isVisible());
    w->findChild<QComboBox*>("CBCoProjeto")->setCurrentText(QStringLiteral("Espiras da aba"));
    auto* lamina = w->findChild<QLabel*>("LCoLamina");
    QVERIFY(lamina);
    QCOMPARE(lamina->text(), QString("lâmina fora do catálogo")); // the tab's 36 mm
    auto* panel = w->findChild<PainelSugestoes*>("PSugestoes");
    QVERIFY(panel && !panel->isOpen());
    QCOMPARE(panel->model().rowCount(), 0); // no search until asked

    QTest::mouseClick(w->findChild<QPushButton*>("BSugereNucleo"), Qt::LeftButton);
    QCOMPARE(panel->model().rowCount(), 10);
    auto cell = [&](int row, int column) {
        return panel->model().data(panel->model().index(row, column), Qt::DisplayRole).toString();
    };
    QCOMPARE(cell(0, 0), QString("EI-150 (1 1/2\")"));

    // The tab's keystrokes: 5 H instead of 10 H needs less iron. The keys
    // themselves leave the list alone (the search would cost each a frame);
    // it follows once the typing pauses.
    const QString before = cell(0, 5);
    app.type("ERFLr", "5");
    QCOMPARE(cell(0, 5), before);
    QTRY_VERIFY(cell(0, 5) != before);
    // The core chosen before stays chosen while it is listed.
    const int row = panel->findChild<QTableView*>("GSugestoes")->currentIndex().row();
    const construction::Suggestion best = *panel->model().suggestion(row);

    QTest::mouseClick(w->findChild<QPushButton*>("BUsaNucleo"), Qt::LeftButton);
    QCOMPARE(app.main->results().reatorFiltro.RFBn, float(best.a));
    QCOMPARE(app.main->results().reatorFiltro.RFEn, float(best.b));
    QCOMPARE(app.text("LRFNAval"), QString("Seção escolhida atende à aplicação!"));
    // The window followed: the analysis of that core, its lamination by name.
    QCOMPARE(w->analysis().mTotalG, best.mTotalG);
    QCOMPARE(lamina->text(), QString::fromUtf8(best.lamination->name.data(),
                                               qsizetype(best.lamination->name.size())));
    for (const construction::Verdict& v : w->analysis().verdicts)
        QVERIFY2(v.good, v.text.c_str());
    QCOMPARE(app.errors.size(), 0);
}

QTEST_MAIN(TestSugestoesNucleo)
#include "test_sugestoes_nucleo.moc"
