#include "ui_fixture.h"

#include "report_file.h"
#include "trafo_alim_report.h"

#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace kelvora;
using namespace kelvora::test;

class TestTrafoAlim : public QObject {
    Q_OBJECT
private slots:
    void typingACurrentRecalculatesTheSecondary();
    void verdictColoursAsShown();
    void staticCaptionsAndFixedProperties();
    void panelsFollowTheChoicesAndStayInsideTheSchematic();
    void oneErrorLinePerEventAndNoBox();
    void labelsWrittenBeforeAFaultKeepTheirNewText();
    void savingWritesTheReportBytes();
    void savingToAnUnwritablePlaceSaysSoOnce();
    void aFailedCalculationIsNotSaved();
    void substitutedFieldsAreNamedBeforeSaving();
    void coreButtonShowsTheChosenCore();
};

namespace {

QByteArray golden(const char* name)
{
    QFile f(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing golden file>");
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void choose(const App& app, const char* list, int index)
{
    app.find<QComboBox>(list)->setCurrentIndex(index);
}

} // namespace

void TestTrafoAlim::typingACurrentRecalculatesTheSecondary()
{
    App app;
    app.showTab("TTrafoAlim");
    QCOMPARE(app.text("LPas"), QStringLiteral("105,00"));
    QCOMPARE(app.text("LNs1"), QStringLiteral("1590,9 Esp"));
    app.type("EIs1", QStringLiteral("150"));
    QCOMPARE(app.text("EIs1"), QStringLiteral("150"));
    QCOMPARE(app.text("LPas"), QStringLiteral("125,00"));
    QCOMPARE(app.text("LSs1"), QStringLiteral("29 AWG"));
    QCOMPARE(app.text("LNs1"), QStringLiteral("1453,7 Esp"));

    // A point is no decimal separator in this locale: red field, fallback 0 V.
    app.type("EVs3", QStringLiteral("6.3"));
    QCOMPARE(shownBackground(app.find<QWidget>("EVs3")), red());
    QCOMPARE(app.text("LPas"), QStringLiteral("100,00"));
    app.type("EVs3", QStringLiteral("6,3"));
    QVERIFY(shownBackground(app.find<QWidget>("EVs3")) != red());
    QCOMPARE(app.text("LPas"), QStringLiteral("132,00")); // 60 + 40 + 31,5

    // EVp2 follows EVp1 as it is typed; EFo is clamped with its new text.
    app.type("EVp1", QStringLiteral("220"));
    QCOMPARE(app.text("EVp2"), QStringLiteral("220"));
    app.type("EFo", QStringLiteral("0"));
    QCOMPARE(app.text("EFo"), QStringLiteral("1"));
    QCOMPARE(app.text("LFo"), QStringLiteral("1"));
    QCOMPARE(shownBackground(app.find<QWidget>("EFo")), red());
    QVERIFY(app.errors.isEmpty());
}

void TestTrafoAlim::verdictColoursAsShown()
{
    App app;
    app.showTab("TTrafoAlim");
    auto* aval = app.find<QWidget>("LAlimAval");
    auto* bn = app.find<QWidget>("EBn1");
    auto* en = app.find<QWidget>("EEn1");
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("Seção escolhida atende à aplicação!"));
    QCOMPARE(shownBackground(aval), lime());
    QCOMPARE(shownFont(aval), black());
    QCOMPARE(shownBackground(bn), lime());

    app.type("EBn1", QStringLiteral("30"));
    app.type("EEn1", QStringLiteral("40"));
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("Largura da perna central pequena"));
    QCOMPARE(shownBackground(aval), red());
    QCOMPARE(shownFont(aval), white());
    QCOMPARE(shownBackground(bn), red());
    QCOMPARE(shownFont(bn), white());
    QCOMPARE(shownBackground(en), lime());

    app.type("EEn1", QStringLiteral("20"));
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("Seção escolhida menor que a mínima"));
    QCOMPARE(shownBackground(en), red());

    // The U/I shape needs 5/7 of the section: 7,17 cm^2, still more than 30 x 20 mm,
    // but 30 x 25 mm is enough and its 26,8 mm square fits the 30 mm leg.
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoU"), Qt::LeftButton);
    QVERIFY(!app.find<QRadioButton>("RBNucleoE")->isChecked());
    QCOMPARE(app.text("LSnu"), QStringLiteral("7,17"));
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("Seção escolhida menor que a mínima"));
    app.type("EEn1", QStringLiteral("25"));
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("Seção escolhida atende à aplicação!"));
    QCOMPARE(shownBackground(aval), lime());
    QCOMPARE(shownBackground(bn), lime());
    QCOMPARE(shownFont(bn), black());
}

void TestTrafoAlim::staticCaptionsAndFixedProperties()
{
    App app;
    app.showTab("TTrafoAlim");
    QStringList groups;
    for (auto* g : app.find<QWidget>("TTrafoAlim")->findChildren<QGroupBox*>())
        groups << g->title();
    for (const char* title :
         {" Transformador  ", "Seleção do núcleo ", " Demais resultados do cálculo",
          "Salva resultados em arquivo texto "})
        QVERIFY2(groups.contains(QString::fromUtf8(title)), title);
    QCOMPARE(app.find<QPushButton>("BSalvaTA")->text(),
             QStringLiteral("Grava cálculos em arquivo texto (*.txt)"));
    QCOMPARE(app.find<QPushButton>("BBVisNucleoTA")->text(), QStringLiteral("Visualiza núcleo"));
    auto* user = app.find<QLineEdit>("EUserNameTA");
    QCOMPARE(user->maxLength(), 80);
    QCOMPARE(user->toolTip(), QStringLiteral("Entre com o nome do utilizador do programa"));
    QCOMPARE(app.find<QLineEdit>("EApplicationTA")->toolTip(),
             QStringLiteral("Entre com o nome do tranformador ou tipo de aplicação"));
    QCOMPARE(app.find<QLineEdit>("EFo")->maxLength(), 6);
    QVERIFY(app.find<QLineEdit>("EVp2")->isReadOnly());
    QVERIFY(app.find<QLineEdit>("EVprim0V")->isReadOnly());
    auto* pri = app.find<QComboBox>("CNumPri");
    QVERIFY(!pri->isEditable());
    QCOMPARE(pri->count(), 3);
    QCOMPARE(pri->itemText(2), QStringLiteral("Derivação"));
    QCOMPARE(app.text("CNumSec"), QStringLiteral("3"));
    QVERIFY(app.find<QComboBox>("CBTaBmax")->isEditable());
    QCOMPARE(app.find<QComboBox>("CBTaEff")->itemText(0), QStringLiteral("100"));
    QVERIFY(app.find<QRadioButton>("RBNucleoE")->isChecked());
    QCOMPARE(app.find<QRadioButton>("RBNucleoU")->text(),
             QStringLiteral("Lâminas formato  U/I ou U/U"));
}

void TestTrafoAlim::panelsFollowTheChoicesAndStayInsideTheSchematic()
{
    App app;
    // Arranged at start-up, before the tab is ever shown.
    QVERIFY(!app.find<QWidget>("PSec3")->isHidden());
    QCOMPARE(app.find<QWidget>("PSec3")->y(), 192);
    QVERIFY(app.find<QWidget>("PSec4")->isHidden());
    QCOMPARE(app.find<QWidget>("LinhaNucleo1")->height(), 240);
    app.showTab("TTrafoAlim");

    const QStringList left = {"PPrim1", "PPrim2", "PPrim3"};
    const QStringList right = {"PSec1", "PSec2", "PSec3", "PSec4", "PSec5", "PSec6"};
    for (int tipo = 0; tipo < 3; ++tipo)
        for (int sec = 0; sec < 6; ++sec) {
            choose(app, "CNumPri", tipo);
            choose(app, "CNumSec", sec);
            const QString where = QStringLiteral("type %1, %2 secondaries").arg(tipo).arg(sec + 1);
            QWidget* group = app.find<QWidget>("PSec1")->parentWidget();
            auto* line = app.find<QWidget>("LinhaNucleo2");
            QCOMPARE(line->height(), app.find<QWidget>("LinhaNucleo1")->height());
            QVERIFY2(group->rect().contains(line->geometry()), qPrintable(where));
            for (const QStringList& side : {left, right}) {
                QList<QRect> taken;
                for (const QString& name : side) {
                    auto* p = app.find<QWidget>(name.toLatin1().constData());
                    QVERIFY2(p->parentWidget() == group, qPrintable(name));
                    if (p->isHidden())
                        continue;
                    QVERIFY2(group->rect().contains(p->geometry()),
                             qPrintable(where + QStringLiteral(": ") + name + " outside"));
                    for (const QRect& r : taken)
                        QVERIFY2(!r.intersects(p->geometry()),
                                 qPrintable(where + QStringLiteral(": ") + name + " overlaps"));
                    taken << p->geometry();
                }
            }
            QCOMPARE(app.find<QWidget>("PSec6")->isHidden(), sec < 5);
            QCOMPARE(app.find<QWidget>("PPrim3")->isHidden(), tipo != 2);
        }
    // One secondary beside a double primary: moved down, the core lines span both.
    choose(app, "CNumPri", 1);
    choose(app, "CNumSec", 0);
    QCOMPARE(app.find<QWidget>("PSec1")->y(), 112);
    QCOMPARE(app.find<QWidget>("LinhaNucleo1")->height(), 240);
    QVERIFY(!app.find<QWidget>("PPrim2")->isHidden());
    QCOMPARE(app.text("LIprim2"), app.text("LIprim1"));
    choose(app, "CNumPri", 0);
    QCOMPARE(app.find<QWidget>("PSec1")->y(), 32);
    QCOMPARE(app.find<QWidget>("LinhaNucleo1")->height(), 80);
    QCOMPARE(app.text("LPas"), QStringLiteral("40,00"));
    QVERIFY(app.errors.isEmpty());
}

void TestTrafoAlim::oneErrorLinePerEventAndNoBox()
{
    App app;
    app.showTab("TTrafoAlim");
    QVERIFY(app.errors.isEmpty());
    TFKelvora* main = app.main.get();
    QStringList shown;
    // A recalculation's error goes to the tab's message line, never to a box
    // that would take the keys typed after it.
    int boxes = 0;
    main->setErrorReporter([&](const QString&) { ++boxes; });
    main->setErrorLineObserver([&](const QString& m) { shown << m; });

    // Clearing the text and three keystrokes: four changes, four messages.
    app.type("CBTaBmax", QString());
    QWidget* line = app.find<QComboBox>("CBTaBmax")->lineEdit();
    for (char key : {'a', 'b', 'c'})
        QTest::keyClick(line, key);
    QCOMPARE(shown.size(), 4);
    const QString where = QStringLiteral("Trafo Alimentação, ")
                          + app.find<QWidget>("CBTaBmax")->accessibleName() + QStringLiteral(": ");
    QCOMPARE(shown.first(), where + QStringLiteral("'' não é um valor numérico válido"));
    QCOMPARE(shown.last(), where + QStringLiteral("'abc' não é um valor numérico válido"));
    QCOMPARE(app.find<QComboBox>("CBTaBmax")->currentText(), QStringLiteral("abc"));
    QCOMPARE(app.find<QLabel>("LMensagem")->text(), shown.last());

    // An activation recalculates and renews the line; still no box.
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(main, &activate);
    QCOMPARE(shown.size(), 5);
    QCOMPARE(shown.last(), where + QStringLiteral("'abc' não é um valor numérico válido"));

    app.type("CBTaBmax", QStringLiteral("9000"));
    QCOMPARE(shown.size(), 5 + 1); // only the cleared text failed
    QCOMPARE(app.text("LVep"), QStringLiteral("0,241"));
    QVERIFY(!app.find<QLabel>("LMensagem")->isVisible());
    QCOMPARE(boxes, 0);
    QCOMPARE(main->errorCount(), 0);
}

void TestTrafoAlim::labelsWrittenBeforeAFaultKeepTheirNewText()
{
    App app;
    app.showTab("TTrafoAlim");
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("Seção escolhida atende à aplicação!"));
    app.type("CBTaEff", QStringLiteral("0"));
    // The efficiency divides the power: the fault comes after LPas and before LPap.
    QCOMPARE(app.errors.size(), 2); // the cleared text, then the zero
    QVERIFY(app.errors.last().contains(QStringLiteral("divis")));
    // What the failed run did not reach is empty, in the system colours: no
    // green verdict of the run before stays beside the error.
    QCOMPARE(app.text("LFo"), QStringLiteral("60"));
    QCOMPARE(app.text("LPas"), QStringLiteral("105,00"));
    for (const char* name : {"LPap", "LSnu", "LSns", "EEnc", "EBnc", "LAlimAval", "LVep", "LVes",
                             "LVsec", "LNs1", "LSs1", "LIprim1", "LNprim1", "LSprim1"}) {
        QVERIFY2(app.text(name).isEmpty(), name);
        const Control& c = app.main->sheet("TTrafoAlim")[name];
        QCOMPARE(c.background, Colour::Window);
        QCOMPARE(c.font, Colour::WindowText);
        if (name[0] == 'L') { // the two edits are disabled, greyed by the style
            QCOMPARE(shownBackground(app.find(name)), white());
            QCOMPARE(shownFont(app.find(name)), black());
        }
    }
    app.errors.clear();
    app.type("EIs1", QStringLiteral("200"));
    QCOMPARE(app.errors.size(), 4);
    QCOMPARE(app.text("LPas"), QStringLiteral("145,00"));
    QCOMPARE(app.text("LPap"), QString());
    QCOMPARE(app.text("LNs1"), QString());
    app.errors.clear();
    app.type("CBTaEff", QStringLiteral("85"));
    QCOMPARE(app.text("LPap"), QStringLiteral("171,00"));
    QCOMPARE(app.errors.size(), 1); // only the cleared text; 8 % and 85 % are numbers
}

void TestTrafoAlim::savingWritesTheReportBytes()
{
    App app;
    app.showTab("TTrafoAlim");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("meu_trafo.txt"));
    QStringList offered;
    QFileDialog* dialog = nullptr;
    app.main->setFileChooser([&](QFileDialog* d) {
        dialog = d;
        offered << QFileInfo(d->selectedFiles().value(0)).fileName();
        return path;
    });
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(readFile(path), golden("trafo_alim_defaults.txt"));
    QCOMPARE(offered.value(0), QStringLiteral("Trafo_alimentacao.txt"));
    QVERIFY(dialog);
    QCOMPARE(dialog->objectName(), QStringLiteral("SaveTA"));
    QCOMPARE(dialog->windowTitle(),
             QStringLiteral("Salva cálculos realizados - Transformador de Alimentação"));
    QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("txt"));
    QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Arquivo Texto (*.txt)")});
    QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));

    // Saved again with the tapped primary: the dialog offers the last name and
    // the old file is replaced by the new report.
    choose(app, "CNumPri", 2);
    app.type("EVp3", QStringLiteral("110"));
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(offered.value(1), QStringLiteral("meu_trafo.txt"));
    QCOMPARE(readFile(path), golden("trafo_alim_derivacao.txt"));

    // Cancelled: nothing written.
    app.main->setFileChooser([](QFileDialog*) { return QString(); });
    choose(app, "CNumPri", 0);
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(readFile(path), golden("trafo_alim_derivacao.txt"));
    QVERIFY(app.errors.isEmpty());
}

void TestTrafoAlim::savingToAnUnwritablePlaceSaysSoOnce()
{
    App app;
    app.showTab("TTrafoAlim");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("nao_existe/relatorio.txt"));
    app.main->setFileChooser([&](QFileDialog*) { return path; });
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(app.errors.size(), 1);
    QVERIFY2(app.errors.first().startsWith(
                 QStringLiteral("Não foi possível gravar o relatório no arquivo \"%1\"").arg(path)),
             qPrintable(app.errors.first()));
    QVERIFY(!QFileInfo::exists(path));
}

void TestTrafoAlim::aFailedCalculationIsNotSaved()
{
    App app;
    app.showTab("TTrafoAlim");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trafo.txt"));
    int asked = 0;
    app.main->setFileChooser([&](QFileDialog*) {
        ++asked;
        return path;
    });
    app.type("CBTaEff", QStringLiteral("0"));
    app.errors.clear();
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(app.errors, QStringList{QStringLiteral("O último cálculo terminou com erro. Corrija "
                                                    "os dados antes de gravar o relatório.")});
    QCOMPARE(asked, 0);
    QVERIFY(!QFileInfo::exists(path));
    // Corrected: saved, and the report is the one of the new run.
    app.type("CBTaEff", QStringLiteral("90"));
    app.errors.clear();
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QVERIFY(app.errors.isEmpty());
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.contains("\r\nEfici\xeancia adotada (n) = 90 %\r\n"));
    QCOMPARE(bytes,
             encodeReport(reportTrafoAlim(app.main->sheet("TTrafoAlim"),
                                          app.main->results().trafoAlim, app.main->settings())));
    QVERIFY(app.questions.isEmpty());
}

void TestTrafoAlim::substitutedFieldsAreNamedBeforeSaving()
{
    App app;
    app.showTab("TTrafoAlim");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trafo.txt"));
    int asked = 0;
    app.main->setFileChooser([&](QFileDialog*) {
        ++asked;
        return path;
    });
    app.type("EFo", QStringLiteral("6O"));   // a letter O: 1 Hz is used
    app.type("EIs2", QStringLiteral("1OO")); // 1 mA is used
    app.type("EVs5", QStringLiteral("x"));   // the fifth secondary is not in use
    QVERIFY(app.errors.isEmpty());

    // "Não": nothing is written.
    app.answer = false;
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(app.questions,
             QStringList{QStringLiteral(
                 "Estes campos não contêm um número válido e o cálculo usou um valor substituto "
                 "no lugar deles:\n\n- Freqüência de operação (Fo)\n- Secundário 2: corrente "
                 "(mA)\n\nGravar o relatório com os valores substituídos?")});
    QCOMPARE(asked, 0);
    QVERIFY(!QFileInfo::exists(path));

    // "Sim": the report of the values used.
    app.answer = true;
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(app.questions.size(), 2);
    QCOMPARE(asked, 1);
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.contains("\r\nFrequ\xeancia de opera\xe7\xe3o (Fo) = 1 Hz\r\n"));
    QCOMPARE(bytes,
             encodeReport(reportTrafoAlim(app.main->sheet("TTrafoAlim"),
                                          app.main->results().trafoAlim, app.main->settings())));

    // Numbers again: no question.
    app.type("EFo", QStringLiteral("60"));
    app.type("EIs2", QStringLiteral("100"));
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(app.questions.size(), 2);
    QCOMPARE(asked, 2);
    QVERIFY(app.errors.isEmpty());
}

void TestTrafoAlim::coreButtonShowsTheChosenCore()
{
    App app;
    app.showTab("TTrafoAlim");
    app.type("EEn1", QStringLiteral("40"));
    app.type("EBn1", QStringLiteral("25,5"));
    QVERIFY(!app.nucleo->isVisible());
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoTA"), Qt::LeftButton);
    QVERIFY(app.nucleo->isVisible());
    QCOMPARE(app.main->results().trafoAlim.En, 40.0f);
    QCOMPARE(app.main->results().trafoAlim.Bn, 25.5f);
    app.nucleo->hide();
}

QTEST_MAIN(TestTrafoAlim)
#include "test_tab_trafo_alim.moc"
