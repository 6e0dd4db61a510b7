#include "ui_fixture.h"

#include <QGroupBox>

using namespace kelvora;
using namespace kelvora::test;

class TestReatorFiltro : public QObject {
    Q_OBJECT
private slots:
    void formHasItsControlsAndCaptions();
    void defaultsAreShownWhenTheTabIsShown();
    void verdictsFollowTheInputs_data();
    void verdictsFollowTheInputs();
    void aNonPositiveInductanceIsShownNotRaised_data();
    void aNonPositiveInductanceIsShownNotRaised();
    void coreButtonShowsTheChosenCore();
};

namespace {

QWidget* page(const App& app) { return app.find<QWidget>("TReatorFiltro"); }

// The numeric results (not the verdicts) of the tab.
const char* const Numbers[] = {"LRFLI2", "LRFNI",   "LRFNesp",  "ERFBnc", "ERFEnc", "LRFSn",
                               "LRFSne", "LRFLmag", "LRFLmage", "LRFAe",  "LRFAee"};

void expectColours(const App& app, const char* name, const QColor& background, const QColor& font)
{
    QWidget* w = app.find<QWidget>(name);
    QVERIFY2(w, name);
    QVERIFY2(shownBackground(w) == background,
             qPrintable(QStringLiteral("%1 background %2").arg(name, shownBackground(w).name())));
    QVERIFY2(shownFont(w) == font,
             qPrintable(QStringLiteral("%1 font %2").arg(name, shownFont(w).name())));
}


// A text compared with the control's name in the failure message.
void expectText(const App& app, const char* name, const QString& expected)
{
    const QString actual = app.text(name);
    QVERIFY2(actual == expected, qPrintable(QStringLiteral("%1: \"%2\", expected \"%3\"")
                                                .arg(QLatin1String(name), actual, expected)));
}

} // namespace

void TestReatorFiltro::formHasItsControlsAndCaptions()
{
    App app;
    app.showTab("TReatorFiltro");
    QStringList captions;
    for (QLabel* l : page(app)->findChildren<QLabel*>())
        captions << l->text();
    for (const char* c :
         {"Cálculo de Reatores de Filtro - Método gráfico do produto L.I^2 (energia armazenada)",
          "Cálculos em fase de teste Confira novas versões para atualização...",
          "Indutância nomina requerida no Reator (Lr):",
          "Corrente de trabalho Corrente Contínua do Reator (Ir):", "H", "mA",
          "Largura Perna Central Núcleo (Bn):", "Altura do Empilhamento Núcleo (En):", "mm",
          "Calculada", "Selecionada", "Resultados das seções quadradas:", "cm^2",
          "Comprimento do circuito magnético:", "Altura total do entreferro:",
          "Limites da Corrente para a indutância informada:",
          "Produto da Indutância pelo quadrado da corrente (LI^2):",
          "Produto do número de espiras pela corrente (NI):",
          "Número de espiras no enrolamento (Nesp):"})
        QVERIFY2(captions.contains(QString::fromUtf8(c)), c);

    // The title in maroon.
    QLabel* title = nullptr;
    for (QLabel* l : page(app)->findChildren<QLabel*>())
        if (l->text().startsWith(QStringLiteral("Cálculo de Reatores")))
            title = l;
    QVERIFY(title);
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));

    // The core choice and the calculated sides live in their group.
    QGroupBox* core = nullptr;
    for (QGroupBox* g : page(app)->findChildren<QGroupBox*>())
        if (g->title() == QStringLiteral("Seleção do Núcleo "))
            core = g;
    QVERIFY(core);
    for (const char* name : {"CBRFBn", "CBRFEn", "ERFBnc", "ERFEnc", "LRFSn", "LRFSne", "LRFLmag",
                             "LRFLmage", "LRFAe", "LRFAee", "LRFNAval", "BBVisNucleoReator"})
        QVERIFY2(core->findChild<QWidget*>(QString::fromLatin1(name)), name);

    // "Calculada" heads the needed values, "Selecionada" the chosen ones.
    auto columnOf = [&](const char* name) {
        QWidget* w = app.find<QWidget>(name);
        return w->mapTo(core, w->rect().center()).x();
    };
    auto headerX = [&](const char* text) {
        for (QLabel* l : core->findChildren<QLabel*>())
            if (l->text() == QLatin1String(text))
                return l->mapTo(core, l->rect().center()).x();
        return -1000;
    };
    for (const char* name : {"ERFBnc", "ERFEnc", "LRFSn", "LRFLmag", "LRFAe"})
        QVERIFY2(std::abs(columnOf(name) - headerX("Calculada")) < 12, name);
    for (const char* name : {"CBRFBn", "CBRFEn", "LRFSne", "LRFLmage", "LRFAee"})
        QVERIFY2(std::abs(columnOf(name) - headerX("Selecionada")) < 12, name);

    QCOMPARE(app.find<QLineEdit>("ERFLr")->maxLength(), 5);
    QCOMPARE(app.find<QLineEdit>("ERFIr")->maxLength(), 4);
    auto* bn = app.find<QComboBox>("CBRFBn");
    auto* en = app.find<QComboBox>("CBRFEn");
    QVERIFY(bn->isEditable() && en->isEditable());
    QCOMPARE(bn->count(), 16);
    QCOMPARE(en->count(), 26);
    QCOMPARE(bn->itemText(15), QStringLiteral("100"));
    QCOMPARE(en->itemText(25), QStringLiteral("140"));
    for (const char* name : {"ERFBnc", "ERFEnc"}) {
        auto* e = app.find<QLineEdit>(name);
        QVERIFY2(!e->isEnabled() || e->isReadOnly(), name);
    }
    QCOMPARE(app.find<QPushButton>("BBVisNucleoReator")->text(),
             QStringLiteral("Visualiza Núcleo"));
    for (QGroupBox* g : page(app)->findChildren<QGroupBox*>())
        QVERIFY2(page(app)->rect().contains(g->geometry()), qPrintable(g->title()));
}

void TestReatorFiltro::defaultsAreShownWhenTheTabIsShown()
{
    App app;
    QVERIFY(app.text("LRFLI2").isEmpty());
    app.showTab("TReatorFiltro");
    const std::pair<const char*, const char*> expected[] = {
        {"LRFIlim", "45 mA < Ir <1000 mA"},
        {"LRFLI2", "0,400 H*A^2"},
        {"LRFNI", "537,5"},
        {"LRFNesp", "2687,6"},
        {"ERFBnc", "35,4"},
        {"ERFEnc", "35,4"},
        {"LRFSn", "12,5"},
        {"LRFSne", "13,0"},
        {"LRFLmag", "230,1"}, // mm: 23.014 cm
        {"LRFAe", "0,345"},   // mm: 0.03452 cm
        {"LRFLmage", "234,0"},
        {"LRFAee", "0,351"},
        {"LRFLI2Aval", "Produto LI^2<10H*A^2 OK!"},
        {"LRFSnAval", "Seção quadrada OK (Sn<100cm^2)!"},
        {"LRFNAval", "Seção escolhida atende à aplicação!"},
    };
    for (const auto& [name, text] : expected) {
        expectText(app, name, QString::fromUtf8(text));
    }
    for (const char* name : {"LRFIlim", "LRFLI2Aval", "LRFSnAval", "LRFNAval", "LRFLI2"}) {
        expectColours(app, name, lime(), black());
    }
    QVERIFY(app.errors.isEmpty());
}

void TestReatorFiltro::verdictsFollowTheInputs_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field2"); // a second input, typed after the first
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("energy");
    QTest::addColumn<QString>("section");
    QTest::addColumn<bool>("energyGood");
    QTest::addColumn<bool>("currentInside");
    QTest::addColumn<QString>("core");
    QTest::addColumn<bool>("bnGood");
    QTest::addColumn<bool>("enGood");

    QTest::newRow("too little current") << "ERFIr"
                                        << "40"
                                        << ""
                                        << ""
                                        << "Falha: LI^2 < 0,02H*A^2"
                                        << "Aumente a corrente ou indutância." << false << false
                                        << "Seção escolhida atende à aplicação!" << true << true;
    QTest::newRow("too much current") << "ERFIr"
                                      << "2000"
                                      << ""
                                      << ""
                                      << "Falha: Sn > 100cm^2 ou LI^2 > 10H*A^2"
                                      << "Reduza corrente ou indutância." << false << false
                                      << "Seção escolhida menor que a mínima" << false << false;
    QTest::newRow("narrow centre leg") << "CBRFBn"
                                       << "32"
                                       << ""
                                       << ""
                                       << "Produto LI^2<10H*A^2 OK!"
                                       << "Seção quadrada OK (Sn<100cm^2)!" << true << true
                                       << "Seção escolhida menor que a mínima" << false << false;
    QTest::newRow("tall stack") << "CBRFEn"
                                << "50"
                                << ""
                                << ""
                                << "Produto LI^2<10H*A^2 OK!"
                                << "Seção quadrada OK (Sn<100cm^2)!" << true << true
                                << "Seção escolhida atende à aplicação!" << true << true;
    // 32 x 50 mm: 16 cm^2 is enough section, but a 32 mm leg is narrower than
    // the 35,4 mm side of the square section.
    QTest::newRow("tall stack, narrow leg") << "CBRFBn"
                                            << "32"
                                            << "CBRFEn"
                                            << "50"
                                            << "Produto LI^2<10H*A^2 OK!"
                                            << "Seção quadrada OK (Sn<100cm^2)!" << true << true
                                            << "Largura da perna central pequena" << false << true;
}

void TestReatorFiltro::verdictsFollowTheInputs()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, field2);
    QFETCH(QString, text2);
    QFETCH(QString, energy);
    QFETCH(QString, section);
    QFETCH(bool, energyGood);
    QFETCH(bool, currentInside);
    QFETCH(QString, core);
    QFETCH(bool, bnGood);
    QFETCH(bool, enGood);
    App app;
    app.showTab("TReatorFiltro");
    app.type(field.toLatin1().constData(), text);
    if (!field2.isEmpty())
        app.type(field2.toLatin1().constData(), text2);
    QCOMPARE(app.text("LRFLI2Aval"), energy);
    QCOMPARE(app.text("LRFSnAval"), section);
    QCOMPARE(app.text("LRFNAval"), core);
    const QColor energyBg = energyGood ? lime() : red();
    const QColor energyFg = energyGood ? black() : white();
    for (const char* name : {"LRFLI2Aval", "LRFSnAval", "LRFLI2", "ERFLr"}) {
        expectColours(app, name, energyBg, energyFg);
    }
    // ERFIr takes the energy pair's font; its background also tells the limits.
    expectColours(app, "LRFIlim", currentInside ? lime() : red(),
                  currentInside ? black() : white());
    QCOMPARE(shownBackground(app.find<QWidget>("ERFIr")),
             currentInside && energyGood ? lime() : red());
    expectColours(app, "LRFNAval",
                  core.startsWith(QStringLiteral("Seção escolhida atende")) ? lime() : red(),
                  core.startsWith(QStringLiteral("Seção escolhida atende")) ? black() : white());
    QCOMPARE(shownBackground(app.find<QWidget>("CBRFBn")), bnGood ? lime() : red());
    QCOMPARE(shownBackground(app.find<QWidget>("CBRFEn")), enGood ? lime() : red());
    QVERIFY(app.errors.isEmpty());
}

void TestReatorFiltro::aNonPositiveInductanceIsShownNotRaised_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative") << "-2";
}

void TestReatorFiltro::aNonPositiveInductanceIsShownNotRaised()
{
    QFETCH(QString, text);
    App app;
    app.showTab("TReatorFiltro");
    app.type("ERFLr", text);
    QVERIFY2(app.errors.isEmpty(), qPrintable(app.errors.join(QLatin1Char('\n'))));
    QCOMPARE(app.text("ERFLr"), text);
    QCOMPARE(shownBackground(app.find<QWidget>("ERFLr")), red());
    QCOMPARE(shownBackground(app.find<QWidget>("LRFIlim")), red());
    QVERIFY2(app.text("LRFIlim").contains(QStringLiteral("indutância"), Qt::CaseInsensitive),
             qPrintable(app.text("LRFIlim")));
    for (const char* name : Numbers) {
        expectText(app, name, QString());
    }
    QVERIFY(!app.text("LRFNAval").contains(QStringLiteral("atende")));

    // A positive inductance brings the design back.
    app.type("ERFLr", QStringLiteral("5"));
    QCOMPARE(app.text("LRFIlim"), QStringLiteral("63 mA < Ir <1414 mA"));
    QCOMPARE(app.text("LRFLI2"), QStringLiteral("0,200 H*A^2"));
    QCOMPARE(shownBackground(app.find<QWidget>("LRFIlim")), lime());
    QVERIFY(app.errors.isEmpty());
}

void TestReatorFiltro::coreButtonShowsTheChosenCore()
{
    App app;
    app.showTab("TReatorFiltro");
    QVERIFY(!app.nucleo->isVisible());
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoReator"), Qt::LeftButton);
    QVERIFY(app.nucleo->isVisible());
    auto label = [&](const char* name) {
        auto* l = app.nucleo->findChild<QLabel*>(QString::fromLatin1(name));
        return l ? l->text() : QStringLiteral("<none>");
    };
    QCOMPARE(label("Label7"), QStringLiteral("36")); // Bn, centre leg
    QCOMPARE(label("Label4"), QStringLiteral("36")); // En, stack

    app.nucleo->hide();
    app.type("CBRFBn", QStringLiteral("44"));
    app.type("CBRFEn", QStringLiteral("28"));
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoReator"), Qt::LeftButton);
    QVERIFY(app.nucleo->isVisible());
    QCOMPARE(label("Label7"), QStringLiteral("44"));
    QCOMPARE(label("Label4"), QStringLiteral("28"));
    QVERIFY(app.errors.isEmpty());
}

QTEST_MAIN(TestReatorFiltro)
#include "test_tab_reator_filtro.moc"
