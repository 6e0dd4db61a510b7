#include "ui_fixture.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

using namespace kelvora;
using namespace kelvora::test;

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheStartTabWithTheSevenTabsInOrder();
    void secondaryWindowsExistHiddenAndCloseByHiding();
    void startTabTexts();
    void settingsTab();
};

void TestShell::startsOnTheStartTabWithTheSevenTabsInOrder()
{
    App app;
    QCOMPARE(app.main->objectName(), QStringLiteral("FKelvora"));
    QCOMPARE(app.main->windowTitle(), QStringLiteral("Cálculo de Transformadores V4.0 (beta)"));
    // The menu bar adds its height above the tabs' area, which keeps the design's size.
    auto* bar = app.find<QMenuBar>("MenuPrincipal");
    QVERIFY(bar);
    QVERIFY(bar->height() >= 15);
    QCOMPARE(bar->geometry(), QRect(0, 0, 954, bar->height()));
    QCOMPARE(app.main->size(), QSize(954, 709 + bar->height()));
    QCOMPARE(app.find("AreaAbas")->geometry(), QRect(0, bar->height(), 954, 709));
    QCOMPARE(app.main->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(app.main->font().pixelSize(), 11);
    auto* pc = app.find<QTabWidget>("PageControl1");
    QVERIFY(pc);
    QCOMPARE(pc->geometry(), QRect(8, 8, 929, 673));
    const char* names[] = {"TInicio",       "TTrafoAlim", "TModValvul", "TModTransis",
                           "TReatorFiltro", "TAjustes",   "Historico"};
    const char* captions[] = {"Início",
                              "Trafo Alimentação",
                              "Modulador Valvulado",
                              "Modulador Transistorizado",
                              "Reator de Filtro",
                              "Ajustes",
                              "Histórico"};
    QCOMPARE(pc->count(), 7);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(pc->widget(i)->objectName(), QString::fromLatin1(names[i]));
        QCOMPARE(pc->tabText(i), QString::fromUtf8(captions[i]));
    }
    QCOMPARE(pc->currentIndex(), 0);
}

void TestShell::secondaryWindowsExistHiddenAndCloseByHiding()
{
    App app;
    QCOMPARE(app.nucleo->windowTitle(), QStringLiteral("Visualiza Núcleo"));
    QCOMPARE(app.calcPi->windowTitle(),
             QStringLiteral("Cálculos relativos ao circuito PI de saída de RF"));
    QCOMPARE(app.calcReator->windowTitle(), QStringLiteral("Cálculo do Reator para Modulação"));
    for (QWidget* w :
         {static_cast<QWidget*>(app.nucleo.get()), static_cast<QWidget*>(app.calcPi.get()),
          static_cast<QWidget*>(app.calcReator.get())})
        QVERIFY(!w->isVisible());
    app.calcPi->show();
    QVERIFY(app.calcPi->isVisible());
    QVERIFY(app.calcPi->close());
    QVERIFY(!app.calcPi->isVisible());
    app.calcPi->show();
    QTest::mouseClick(app.calcPi->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QVERIFY(!app.calcPi->isVisible());
}

void TestShell::startTabTexts()
{
    App app;
    QCOMPARE(app.text("StaticText3"),
             QStringLiteral("Programa para Cálculo de Transformadores - KelvoraV4.0 (beta)"));
    QCOMPARE(app.text("StaticText9"),
             QStringLiteral("Utilize as abas acima para selecionar o cálculo desejado"));
    auto* memo1 = app.find<QPlainTextEdit>("Memo1");
    QVERIFY(memo1->isReadOnly());
    QCOMPARE(memo1->size(), QSize(905, 377));
    QVERIFY(memo1->toPlainText().contains(QStringLiteral("devem ser conferidos antes")));
    auto* memo2 = app.find<QPlainTextEdit>("Memo2");
    QVERIFY(memo2->isReadOnly());
    QCOMPARE(memo2->size(), QSize(649, 553));
    QVERIFY(memo2->toPlainText().contains(QStringLiteral("Versão 1.0")));
    QVERIFY(memo2->toPlainText().contains(QStringLiteral("Versão 4.0 (beta)")));
}

void TestShell::settingsTab()
{
    App app;
    auto* sigma = app.find<QComboBox>("CBSigma");
    QCOMPARE(sigma->currentText(), QStringLiteral("3"));
    QCOMPARE(sigma->count(), 4);
    QCOMPARE(sigma->itemText(0), QStringLiteral("2"));
    QCOMPARE(sigma->itemText(3), QStringLiteral("5"));
    QCOMPARE(app.text("StaticText1"), QStringLiteral("AWG = 50-10*Log   (2100*Corrente/Sigma)"));
    QCOMPARE(app.text("StaticText2"), QStringLiteral("10"));
    app.type("CBSigma", "4");
    QCOMPARE(app.main->settings().sigmaText, std::string("4"));
}

QTEST_MAIN(TestShell)
#include "test_shell.moc"
