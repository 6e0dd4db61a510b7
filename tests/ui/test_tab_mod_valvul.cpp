#include "ui_fixture.h"

#include "picture.h"
#include "report_file.h"
#include "trafo_mod.h"
#include "trafo_mod_report.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>

using namespace kelvora;
using namespace kelvora::test;

class TestModValvul : public QObject {
    Q_OBJECT
private slots:
    void formHasItsCaptionsAndLimits();
    void typingIntoEPaModRecalculatesTheVerdict();
    void analysisRadioButtonsChangeThePowerVerdict();
    void couplingComboSwitchesTheDiagram();
    void aClickOnEitherDiagramChangesOnlyThePosition();
    void aCoreSizeThatIsNotWholeIsReportedOnceAndEmptiesTheResults();
    void aFailedRunLeavesNoVerdictOfTheRunBefore();
    void saveButtonWritesTheReportOfTheShownDesign();
    void aFailedOrSubstitutedCalculationIsNotSavedUnasked();
    void coreButtonShowsTheChosenLamination();
    void reactorWindowExistsHiddenWithItsCaptions();
};

namespace {

QWidget* page(const App& app) { return app.find<QWidget>("TModValvul"); }

// What every label and edit of the tab shows, with its colours and visibility.
QStringList snapshot(const App& app)
{
    QStringList s;
    for (QWidget* w : page(app)->findChildren<QWidget*>()) {
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* e = qobject_cast<QLineEdit*>(w);
                 e && !qobject_cast<QComboBox*>(w->parentWidget()))
            text = e->text();
        else
            continue;
        if (w->objectName() == "LPosX" || w->objectName() == "LPosY")
            continue;
        s << QStringLiteral("%1=%2 %3/%4 %5")
                 .arg(w->objectName(), text, shownBackground(w).name(), shownFont(w).name())
                 .arg(w->isHidden());
    }
    return s;
}

QColor yellow() { return QColor(255, 255, 0); }

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

void TestModValvul::formHasItsCaptionsAndLimits()
{
    App app;
    app.showTab("TModValvul");
    QStringList captions;
    for (QLabel* l : page(app)->findChildren<QLabel*>())
        captions << l->text();
    for (const char* c : {"Transformadores de Modulação - Classe B valvulado",
                          "Potência de áudio do modulador (PaMod):",
                          "Freqüência mínima de áudio a reproduzir (Fmin):",
                          "Tensão de alimentação de placa do modulador (Ebmod):",
                          "Corrente mínima do modulador (repouso) (I0mod):",
                          "Corrente máxima do modulador (máximo sinal) (I1mod):",
                          "Impedância placa a placa do modulador (Zmod):",
                          "Tensão de Alimentação da etapa de RF (EbRF):",
                          "Corrente contínua consumida na etapa de RF (IbRF):",
                          "Densidade máxima permitida no núcleo (Bmax) =",
                          "Altura do empilhamento núcleo (En):",
                          "Largura perna central núcleo (Bn):",
                          "Resultados das seções quadradas:",
                          "Seção calculada",
                          "Seção selecionada",
                          "Altura do entreferro (\"air gap\") calculado (Ae) = ",
                          "Potência de entrada corrente contínua da etapa de RF (PccRF):",
                          "Potência mínima necessária no modulador para 100% de modul:",
                          "Sobra de potência na etapa moduladora (Pextra):",
                          "Impedância da etapa de RF vista pelo modulador (Zrf):",
                          "(Zpp / Zs) =",
                          "(Npp / Ns) =",
                          "Indução corrente contínua no primário (Bcp) = ",
                          "Indução corrente contínua no secundário (Bcs) = ",
                          "Indução corrente contínua total (Bcp + Bcs) = ",
                          "Seleção da configuração do modulador:",
                          "Transformador",
                          "Modulador",
                          "Choque",
                          "de RF",
                          "+B Mod",
                          "+B da RF",
                          "Placa da etapa de RF"})
        QVERIFY2(captions.contains(QString::fromUtf8(c)), c);

    QStringList groups;
    for (QGroupBox* g : page(app)->findChildren<QGroupBox*>())
        groups << g->title();
    QVERIFY(groups.contains(QStringLiteral("Tipo da Análise")));
    QVERIFY(groups.contains(QStringLiteral("Salva resultados em arquivo texto ")));
    QCOMPARE(app.find<QRadioButton>("RBNormal")->text(),
             QStringLiteral("Radical (0% de sobra de potência)"));
    QCOMPARE(app.find<QRadioButton>("RBConserv")->text(),
             QStringLiteral("Conservadora (mais de 25% de sobra de potência)"));
    QCOMPARE(app.find<QRadioButton>("RBMuitoCons")->text(),
             QStringLiteral("Muito conservadora (mais de 50% de sobra de potência)"));
    QCOMPARE(app.find<QPushButton>("BSalva_TM")->text(),
             QStringLiteral("Grava cálculos em arquivo texto (*.txt)"));
    QCOMPARE(app.find<QPushButton>("BBVisNucleoTM")->text(), QStringLiteral("Visualiza núcleo"));

    QCOMPARE(app.find<QLineEdit>("EPaMod")->maxLength(), 4);
    QCOMPARE(app.find<QLineEdit>("EIbrf")->maxLength(), 5);
    auto* bn = app.find<QComboBox>("CBTMBn");
    QVERIFY(bn->isEditable());
    QCOMPARE(bn->count(), 16);
    QCOMPARE(bn->itemText(11), QStringLiteral("50"));
    QCOMPARE(bn->itemText(12), QStringLiteral("50"));
    QCOMPARE(app.find<QComboBox>("CBTMEn")->count(), 26);
    auto* sel = app.find<QComboBox>("CBSelTM");
    QCOMPARE(sel->count(), 2);
    QCOMPARE(sel->currentText(), QStringLiteral("Convencional"));
    QVERIFY(!app.find<QLineEdit>("ETMEnc")->isEnabled());
    QCOMPARE(app.text("EUserNameTM"), QStringLiteral("Nome do usuário"));
    QCOMPARE(app.text("EApplicationTM"), QStringLiteral("Nome do transformador ou aplicação"));

    // The two pictures share one place in the diagram panel.
    auto* conv = app.find<Picture>("ImgConvTM");
    auto* reat = app.find<Picture>("ImgReatorTM");
    QCOMPARE(conv->parentWidget()->objectName(), QStringLiteral("PDiagrama"));
    QCOMPARE(conv->geometry(), reat->geometry());
    QCOMPARE(conv->size(), QSize(497, 281));
    // Everything on the tab fits inside its page.
    for (QGroupBox* g : page(app)->findChildren<QGroupBox*>())
        QVERIFY2(page(app)->rect().contains(g->geometry()), qPrintable(g->title()));
    QVERIFY(page(app)->rect().contains(app.find("PDiagrama")->geometry()));
}

void TestModValvul::typingIntoEPaModRecalculatesTheVerdict()
{
    App app;
    app.showTab("TModValvul");
    QCOMPARE(app.text("LPextra"), QStringLiteral("13,2 W / 26 %"));
    QCOMPARE(app.text("LNp1"), QStringLiteral("443,0 esp"));
    QCOMPARE(shownBackground(app.find("LTMPAval")), lime());

    app.type("EPaMod", "45");
    QCOMPARE(app.text("LPextra"), QStringLiteral("8,2 W / 18 %"));
    QCOMPARE(app.text("LTMPAval"), QStringLiteral("Potência Baixa no Modulador (Pextra<25%)!"));
    QCOMPARE(shownBackground(app.find("LTMPAval")), yellow());
    QCOMPARE(shownFont(app.find("LTMPAval")), black());
    for (const char* f : {"EPaMod", "EEbrf", "EIbrf"}) {
        QCOMPARE(shownBackground(app.find(f)), red());
        QCOMPARE(shownFont(app.find(f)), white());
    }
    // Typing in the fifth digit is refused by the field.
    app.type("EPaMod", "10000");
    QCOMPARE(app.text("EPaMod"), QStringLiteral("1000"));
    QCOMPARE(app.text("LTMPAval"),
             QStringLiteral("Potência Suficiente no Modulador (Pextra>96,3%)!"));
    QCOMPARE(shownBackground(app.find("EPaMod")), lime());
    QVERIFY(app.errors.isEmpty());
}

void TestModValvul::analysisRadioButtonsChangeThePowerVerdict()
{
    App app;
    app.showTab("TModValvul");
    QTest::mouseClick(app.find<QRadioButton>("RBMuitoCons"), Qt::LeftButton, {}, QPoint(8, 8));
    QVERIFY(app.find<QRadioButton>("RBMuitoCons")->isChecked());
    QVERIFY(!app.find<QRadioButton>("RBConserv")->isChecked());
    QCOMPARE(app.text("LTMPAval"), QStringLiteral("Potência Baixa no Modulador (Pextra<50%)!"));
    QCOMPARE(shownBackground(app.find("LTMPAval")), yellow());
    for (const char* f : {"EPaMod", "EEbrf", "EIbrf"})
        QCOMPARE(shownBackground(app.find(f)), red());

    QTest::mouseClick(app.find<QRadioButton>("RBNormal"), Qt::LeftButton, {}, QPoint(8, 8));
    QCOMPARE(app.text("LTMPAval"),
             QStringLiteral("Potência Suficiente no Modulador (Pextra>26,4%)!"));
    QCOMPARE(shownBackground(app.find("LTMPAval")), lime());
    for (const char* f : {"EPaMod", "EEbrf", "EIbrf"})
        QCOMPARE(shownBackground(app.find(f)), lime());
}

void TestModValvul::couplingComboSwitchesTheDiagram()
{
    App app;
    app.showTab("TModValvul");
    const char* reactorParts[] = {"ImgReatorTM", "LCapAcopl1", "LCapAcopl2", "LReatMod1",
                                  "LReatMod2",   "LCMod",      "LRMInd",     "LRMCorr"};
    auto expectReactor = [&](bool reactor) {
        QCOMPARE(app.find("ImgConvTM")->isVisible(), !reactor);
        for (const char* name : reactorParts)
            QVERIFY2(app.find(name)->isVisible() == reactor, name);
        for (const char* name : {"LNp1", "LSfs", "LZrf2", "LZpl2"})
            QVERIFY2(app.find(name)->isVisible(), name);
    };
    expectReactor(false);
    QCOMPARE(app.text("LRMInd"), QStringLiteral("4,6 H (mín)")); // computed while hidden

    auto* sel = app.find<QComboBox>("CBSelTM");
    sel->setCurrentIndex(1);
    expectReactor(true);
    QCOMPARE(app.text("LCapAcopl1"), QStringLiteral("Capacitor de"));
    QCOMPARE(app.text("LReatMod2"), QStringLiteral("Modulação"));
    QCOMPARE(app.main->results().trafoMod.SelConfigTM, 1);

    // Text that names no item leaves the diagram as it is.
    app.type("CBSelTM", "Misto");
    QCOMPARE(app.main->results().trafoMod.SelConfigTM, -1);
    expectReactor(true);

    sel->setCurrentIndex(0);
    expectReactor(false);
    QCOMPARE(app.main->results().trafoMod.SelConfigTM, 0);
    QVERIFY(app.errors.isEmpty());
}

void TestModValvul::aClickOnEitherDiagramChangesOnlyThePosition()
{
    App app;
    app.showTab("TModValvul");
    QVERIFY(app.find("LPosX")->isHidden());
    const QStringList before = snapshot(app);

    auto* conv = app.find<Picture>("ImgConvTM");
    // On an empty spot, and on a result label laid over the drawing.
    QTest::mouseClick(conv, Qt::LeftButton, {}, QPoint(123, 45));
    QCOMPARE(app.text("LPosX"), QStringLiteral("123"));
    QCOMPARE(app.text("LPosY"), QStringLiteral("45"));
    // Through the window, as a real press is routed: the label lets it through.
    const QLabel* np1 = app.find<QLabel>("LNp1");
    const QPoint spot = np1->geometry().center();
    QTest::mouseClick(app.main->windowHandle(), Qt::LeftButton, {},
                      np1->mapTo(app.main.get(), np1->rect().center()));
    QCOMPARE(app.text("LPosX"), QString::number(spot.x()));
    QCOMPARE(app.text("LPosY"), QString::number(spot.y()));
    QCOMPARE(snapshot(app), before);

    app.find<QComboBox>("CBSelTM")->setCurrentIndex(1);
    const QStringList reactor = snapshot(app);
    QTest::mouseClick(app.find<Picture>("ImgReatorTM"), Qt::LeftButton, {}, QPoint(400, 250));
    QCOMPARE(app.text("LPosX"), QStringLiteral("400"));
    QCOMPARE(app.text("LPosY"), QStringLiteral("250"));
    QCOMPARE(snapshot(app), reactor);
    QVERIFY(app.find("LPosY")->isHidden());
}

void TestModValvul::aCoreSizeThatIsNotWholeIsReportedOnceAndEmptiesTheResults()
{
    App app;
    app.showTab("TModValvul");
    const QStringList before = snapshot(app);
    app.find<QComboBox>("CBTMBn")->lineEdit()->setText(QStringLiteral("40,5"));
    // Named on the tab's message line with its tab and field.
    QCOMPARE(app.errors, QStringList{QStringLiteral("Modulador Valvulado, ")
                                     + app.find<QWidget>("CBTMBn")->accessibleName()
                                     + QStringLiteral(": '40,5' não é um número inteiro válido")});
    // The size is the first thing read: the run wrote nothing, so every result
    // and verdict is empty in the system colours, the inputs keep no verdict
    // colour of the run before and the width that failed is red; the rest of
    // the tab is as it was.
    const std::vector<std::string> outputs = trafoModOutputs();
    const QStringList painted = {"EPaMod", "EEbrf", "EIbrf", "EBmax", "CBTMEn"};
    QStringList expected;
    for (const QString& line : before) {
        const QString name = line.section(u'=', 0, 0);
        const QString head = line.left(line.lastIndexOf(u' ', line.lastIndexOf(u' ') - 1));
        // The construction summary follows every run, this failed one too.
        if (name == QLatin1String("LCoResumoTM"))
            expected << QStringLiteral("%1=Construção: não calculada #ff0000/#ffffff %2")
                            .arg(name, line.right(1));
        else if (painted.contains(name))
            expected << head + QStringLiteral(" #ffffff/#000000 ") + line.right(1);
        else if (name == QLatin1String("CBTMBn"))
            expected << head + QStringLiteral(" #ff0000/#ffffff ") + line.right(1);
        else if (std::find(outputs.begin(), outputs.end(), name.toStdString()) == outputs.end())
            expected << line;
        else if (name.startsWith(u'E')) // a disabled edit keeps its greyed colours
            expected << name + u'=' + line.mid(line.indexOf(u' '));
        else
            expected << QStringLiteral("%1= #ffffff/#000000 %2").arg(name, line.right(1));
    }
    QCOMPARE(snapshot(app), expected);
    // A whole size again: calculated, no further box.
    app.find<QComboBox>("CBTMBn")->lineEdit()->setText(QStringLiteral("25"));
    QCOMPARE(app.errors.size(), 1);
    QCOMPARE(app.text("LTMAval"), QStringLiteral("Seção escolhida menor que a mínima"));
    QCOMPARE(shownBackground(app.find("CBTMBn")), red());
    QCOMPARE(shownBackground(app.find("CBTMEn")), red());
    app.find<QComboBox>("CBTMEn")->lineEdit()->setText(QStringLiteral("60"));
    QCOMPARE(app.text("LTMAval"), QStringLiteral("Largura da perna central pequena"));
    QCOMPARE(shownBackground(app.find("CBTMBn")), red());
    QCOMPARE(shownFont(app.find("CBTMBn")), white());
    QCOMPARE(shownBackground(app.find("CBTMEn")), lime());
}

void TestModValvul::aFailedRunLeavesNoVerdictOfTheRunBefore()
{
    App app;
    app.showTab("TModValvul");
    for (const char* name : {"LTMAval", "LTMPAval", "LTMBcAval"})
        QCOMPARE(shownBackground(app.find(name)), lime());
    // Fmin divides the power (step 4): only the plate loads are written before.
    app.type("EFmin", QStringLiteral("0"));
    QVERIFY(!app.errors.isEmpty());
    QCOMPARE(app.text("LZpl1"), QStringLiteral("1800,0 ohms"));
    QCOMPARE(app.text("LZpl2"), QStringLiteral("1800,0 ohms"));
    for (const char* name : {"LSn", "ETMEnc", "LTMAval", "LAe", "LPextra", "LTMPAval", "LZrf",
                             "LNp1", "LBc", "LTMBcAval", "LSfp1", "LSfs"}) {
        QVERIFY2(app.text(name).isEmpty(), name);
        const Control& c = app.main->sheet("TModValvul")[name];
        QCOMPARE(c.background, Colour::Window);
        QCOMPARE(c.font, Colour::WindowText);
        if (name[0] == 'L') {
            QCOMPARE(shownBackground(app.find(name)), white());
            QCOMPARE(shownFont(app.find(name)), black());
        }
    }
    // A frequency again brings every verdict back.
    app.type("EFmin", QStringLiteral("100"));
    QCOMPARE(app.text("LTMAval"), QStringLiteral("Seção escolhida atende à aplicação!"));
    QCOMPARE(shownBackground(app.find("LTMBcAval")), lime());
}

void TestModValvul::saveButtonWritesTheReportOfTheShownDesign()
{
    App app;
    app.showTab("TModValvul");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("modulador.txt"));
    QString title, offered, suffix;
    app.main->setFileChooser([&](QFileDialog* d) -> QString {
        title = d->windowTitle();
        offered = d->selectedFiles().value(0);
        suffix = d->defaultSuffix();
        return path;
    });
    // Typed keys are ASCII only in Qt Test; the accent comes in as pasted text.
    app.type("EUserNameTM", QStringLiteral("Z"));
    app.find<QLineEdit>("EUserNameTM")->insert(QStringLiteral("é 100%"));
    QTest::mouseClick(app.find<QPushButton>("BSalva_TM"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Salva cálculos realizados"));
    QCOMPARE(suffix, QStringLiteral("txt"));
    QCOMPARE(QFileInfo(offered).completeBaseName(), QStringLiteral("Trafo_modulacao"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("Transformadores de modula\xe7\xe3o em Push-Pull classe B\r\n"));
    QVERIFY(bytes.contains("\r\nNome do usu\xe1rio: Z\xe9 100%\r\n"));
    QVERIFY(bytes.contains("\r\nSobra de pot\xeancia na etapa moduladora = 13,2 W / 26 %\r\n"));
    QVERIFY(bytes.contains("\r\nAvalia\xe7\xe3o do n\xfa"
                           "cleo escolhido: Se\xe7\xe3o escolhida "
                           "atende \xe0 aplica\xe7\xe3o!\r\n"));
    QCOMPARE(bytes,
             encodeReport(reportTrafoMod(app.main->sheet("TModValvul"),
                                         app.main->results().trafoMod, app.main->settings())));
    QVERIFY(app.errors.isEmpty());
}

void TestModValvul::aFailedOrSubstitutedCalculationIsNotSavedUnasked()
{
    App app;
    app.showTab("TModValvul");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("modulador.txt"));
    int asked = 0;
    app.main->setFileChooser([&](QFileDialog*) {
        ++asked;
        return path;
    });
    // A failed run: refused, whatever the answer to a question would be.
    app.answer = true;
    app.type("EFmin", QStringLiteral("0"));
    app.errors.clear();
    QTest::mouseClick(app.find<QPushButton>("BSalva_TM"), Qt::LeftButton);
    QCOMPARE(app.errors, QStringList{QStringLiteral("O último cálculo terminou com erro. Corrija "
                                                    "os dados antes de gravar o relatório.")});
    QCOMPARE(asked, 0);
    QVERIFY(app.questions.isEmpty());
    QVERIFY(!QFileInfo::exists(path));
    // Changing the coupling runs no calculation: still the failed one.
    app.find<QComboBox>("CBSelTM")->setCurrentIndex(1);
    QTest::mouseClick(app.find<QPushButton>("BSalva_TM"), Qt::LeftButton);
    QCOMPARE(app.errors.size(), 2);
    QCOMPARE(asked, 0);

    // A supply typed with a letter: 1 V is used and the power verdict turns
    // the field lime, yet the question names it.
    app.type("EFmin", QStringLiteral("100"));
    app.type("EEbrf", QStringLiteral("46O"));
    QCOMPARE(shownBackground(app.find("EEbrf")), lime());
    app.answer = false;
    QTest::mouseClick(app.find<QPushButton>("BSalva_TM"), Qt::LeftButton);
    QCOMPARE(app.questions.size(), 1);
    QVERIFY2(app.questions.first().contains(
                 QStringLiteral("\n- Tensão de Alimentação da etapa de RF (EbRF)\n")),
             qPrintable(app.questions.first()));
    QCOMPARE(asked, 0);
    app.answer = true;
    QTest::mouseClick(app.find<QPushButton>("BSalva_TM"), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QCOMPARE(readFile(path),
             encodeReport(reportTrafoMod(app.main->sheet("TModValvul"),
                                         app.main->results().trafoMod, app.main->settings())));
}

void TestModValvul::coreButtonShowsTheChosenLamination()
{
    App app;
    app.showTab("TModValvul");
    app.find<QComboBox>("CBTMBn")->lineEdit()->setText(QStringLiteral("44"));
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoTM"), Qt::LeftButton);
    QVERIFY(app.nucleo->isVisible());
    QCOMPARE(app.main->results().trafoMod.Bn, 44.0f);
    QCOMPARE(app.main->results().trafoMod.En, 32.0f);
}

void TestModValvul::reactorWindowExistsHiddenWithItsCaptions()
{
    App app;
    TFCalcReator* w = app.calcReator.get();
    QVERIFY(!w->isVisible());
    QCOMPARE(w->objectName(), QStringLiteral("FCalcReator"));
    QCOMPARE(w->size(), QSize(504, 477));
    QCOMPARE(w->findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Indutância mínima necessária:"));
    QCOMPARE(w->findChild<QLabel*>("Label2")->text(),
             QStringLiteral("Corrente mínima necessária:"));
    QCOMPARE(w->findChild<QLabel*>("Label4")->text(),
             QStringLiteral("Capacitância mínima necessária:"));
    for (const char* value : {"LReatInd", "LReatCorr", "LReatCap"})
        QVERIFY2(w->findChild<QLabel*>(value), value);
    auto* close = w->findChild<QPushButton*>("Button1");
    QCOMPARE(close->text(), QStringLiteral("Fecha Janela"));
    w->show();
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!w->isVisible());
    // Nothing on the tab opens it.
    app.showTab("TModValvul");
    app.find<QComboBox>("CBSelTM")->setCurrentIndex(1);
    QVERIFY(!w->isVisible());
}

QTEST_MAIN(TestModValvul)
#include "test_tab_mod_valvul.moc"
