// The windows in English through the catalogue, chosen at run time and kept
// in the settings; the reports stay Portuguese.
#include "Uconstrucao.h"
#include "Ufonte.h"
#include "design_files.h"
#include "edit_help_menus.h"
#include "form_helpers.h"
#include "language.h"
#include "language_walk.h"
#include "ui_fixture.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <set>

using kelvora::Language;
using kelvora::LanguageChoice;
using kelvora::test::App;
using kelvora::test::leftInPortuguese;
using kelvora::test::PortugueseCatalogue;
using kelvora::test::portugueseCatalogue;
using kelvora::test::shownTexts;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void switchingRetranslatesTheOpenWindow();
    void theChoiceIsKeptAndTheFirstStartFollowsTheLocale();
    void qtDialogsFollowTheLanguage();
    void reportsStayPortugueseInEnglish();
    void menuChoosesTheLanguage();
    void englishWindowsShowNoPortugueseText();
    void englishResultsShowNoPortugueseText();
    void designFilesAreTheSameInEitherLanguage();
    void listsShowTheirItemsInEnglishAndKeepThePortuguese();
    void theUserGuideFollowsTheLanguage();

private:
    QTemporaryDir settings_;
};

namespace {

QString tabText(const App& app, const char* page)
{
    auto* tabs = app.find<QTabWidget>("PageControl1");
    return tabs->tabText(tabs->indexOf(app.find<QWidget>(page)));
}

// The label of a winding panel: its caption, the one unnamed label in it.
QString panelCaption(const App& app, const char* panel)
{
    for (QLabel* l : app.find<QWidget>(panel)->findChildren<QLabel*>())
        if (l->objectName().isEmpty())
            return l->text();
    return {};
}

QAction* action(const App& app, const char* name)
{
    return app.main->findChild<QAction*>(QString::fromLatin1(name));
}

} // namespace

void TestLanguage::initTestCase()
{
    // The user's settings stay untouched: the choice goes to a folder of the test's own.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       settings_.filePath(QStringLiteral("settings")));
    LanguageChoice::instance().start(Language::Portuguese);
}

void TestLanguage::cleanup() { LanguageChoice::instance().choose(Language::Portuguese); }

void TestLanguage::switchingRetranslatesTheOpenWindow()
{
    App app;
    app.showTab("TTrafoAlim");
    const QString turns = app.text("LNs1");
    LanguageChoice::instance().choose(Language::English);
    QCOMPARE(tabText(app, "TTrafoAlim"), QStringLiteral("Mains Transformer"));
    QCOMPARE(app.find<QGroupBox>("GBOperacaoTA")->title(), QStringLiteral(" Operating data "));
    QCOMPARE(app.find<QPushButton>("BBVisNucleoTA")->text(), QStringLiteral("View core"));
    QCOMPARE(panelCaption(app, "PSec1"), QStringLiteral("Secondary 1"));
    QCOMPARE(app.find<QWidget>("EFo")->toolTip(),
             QStringLiteral("Mains frequency, in Hz (50 or 60). A lower frequency needs more "
                            "turns and a larger core."));
    QCOMPARE(action(app, "ANovo")->text(), QStringLiteral("&New"));
    QCOMPARE(app.main->windowTitle(), QStringLiteral("Transformer Design V4.0 (beta)"));
    // The results' words follow; the numbers keep the decimal comma of the settings.
    QCOMPARE(turns, QStringLiteral("1590,9 Esp"));
    QCOMPARE(app.text("LNs1"), QStringLiteral("1590,9 turns"));
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("The chosen section suits the application!"));

    LanguageChoice::instance().choose(Language::Portuguese);
    QCOMPARE(tabText(app, "TTrafoAlim"), QStringLiteral("Trafo Alimentação"));
    QCOMPARE(app.find<QGroupBox>("GBOperacaoTA")->title(), QStringLiteral(" Dados de operação "));
    QCOMPARE(app.find<QPushButton>("BBVisNucleoTA")->text(), QStringLiteral("Visualiza núcleo"));
    QCOMPARE(panelCaption(app, "PSec1"), QStringLiteral("Secundário 1"));
    QCOMPARE(app.find<QWidget>("EFo")->toolTip(),
             QStringLiteral("Frequência da rede, em Hz (50 ou 60). Frequência menor pede mais "
                            "espiras e núcleo maior."));
    QCOMPARE(action(app, "ANovo")->text(), QStringLiteral("&Novo"));
    QCOMPARE(app.main->windowTitle(), QStringLiteral("Cálculo de Transformadores V4.0 (beta)"));
    QCOMPARE(app.text("LNs1"), turns);
    QCOMPARE(app.text("LAlimAval"), QStringLiteral("Seção escolhida atende à aplicação!"));
}

void TestLanguage::theChoiceIsKeptAndTheFirstStartFollowsTheLocale()
{
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    const QLocale english(QLocale::English, QLocale::UnitedKingdom);
    {
        QSettings none(settings_.filePath(QStringLiteral("none.ini")), QSettings::IniFormat);
        QCOMPARE(kelvora::savedLanguage(none, english), Language::English);
        QCOMPARE(kelvora::savedLanguage(none, brazil), Language::Portuguese);
        QCOMPARE(kelvora::savedLanguage(none, QLocale(QLocale::German)), Language::Portuguese);
    }
    LanguageChoice::instance().choose(Language::English);
    QCOMPARE(kelvora::savedLanguage(QSettings(), brazil), Language::English);
    LanguageChoice::instance().choose(Language::Portuguese);
    QCOMPARE(kelvora::savedLanguage(QSettings(), english), Language::Portuguese);
}

void TestLanguage::qtDialogsFollowTheLanguage()
{
    LanguageChoice::instance().choose(Language::English);
    {
        QDialogButtonBox box(QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
    }
    LanguageChoice::instance().choose(Language::Portuguese);
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
}

void TestLanguage::reportsStayPortugueseInEnglish()
{
    LanguageChoice::instance().choose(Language::English);
    App app;
    QTemporaryDir dir;
    const struct {
        const char* tab;
        const char* button;
        const char* golden;
    } reports[] = {{"TTrafoAlim", "BSalvaTA", "trafo_alim_defaults.txt"},
                   {"TModValvul", "BSalva_TM", "trafo_mod_defaults.txt"},
                   {"TReatorFiltro", "BSalvaRF", "reator_filtro_defaults.txt"}};
    for (const auto& r : reports) {
        app.showTab(r.tab);
        const QString path = dir.filePath(QString::fromLatin1(r.golden));
        app.main->setFileChooser([&](QFileDialog*) { return path; });
        QTest::mouseClick(app.find<QPushButton>(r.button), Qt::LeftButton);
        QFile written(path),
            golden(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(r.golden));
        QVERIFY(written.open(QIODevice::ReadOnly) && golden.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), golden.readAll());
    }
}

void TestLanguage::menuChoosesTheLanguage()
{
    App app;
    QAction* english = action(app, "MIdiomaIngles");
    QVERIFY(english);
    QCOMPARE(app.main->findChild<QMenu*>(QStringLiteral("MIdioma"))->title(),
             QStringLiteral("Idioma / Language"));
    english->trigger();
    QCOMPARE(LanguageChoice::instance().language(), Language::English);
    QVERIFY(english->isChecked());
    QCOMPARE(action(app, "AAbrir")->text(), QStringLiteral("&Open…"));
    action(app, "MIdiomaPortugues")->trigger();
    QCOMPARE(action(app, "AAbrir")->text(), QStringLiteral("&Abrir…"));
    QVERIFY(!english->isChecked());
}

// Covered: every tab of the main window, and the core, pi network, modulation
// choke, Construção and supply windows, made after English was chosen: their
// captions, tooltips, lists' items and tables' headings.
void TestLanguage::englishWindowsShowNoPortugueseText()
{
    const PortugueseCatalogue catalogue = portugueseCatalogue();
    QVERIFY(catalogue.texts.size() > 300);
    LanguageChoice::instance().choose(Language::English);
    App app;
    QStringList left;
    auto* tabs = app.find<QTabWidget>("PageControl1");
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        QCoreApplication::processEvents();
        left << leftInPortuguese(shownTexts(app.main.get()), catalogue);
    }
    for (QWidget* w :
         {static_cast<QWidget*>(app.nucleo.get()), static_cast<QWidget*>(app.calcPi.get()),
          static_cast<QWidget*>(app.calcReator.get())}) {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        left << leftInPortuguese(shownTexts(w), catalogue);
        w->hide();
    }
    // The Construção window of each design with a wound part, the adviser's
    // table filled.
    for (const auto& [tab, button] :
         {std::pair{"TTrafoAlim", "BBConstrucaoTA"}, std::pair{"TModValvul", "BBConstrucaoTM"},
          std::pair{"TReatorFiltro", "BBConstrucaoReator"}}) {
        app.showTab(tab);
        QTest::mouseClick(app.find<QPushButton>(button), Qt::LeftButton);
        kelvora::TFConstrucao* construcao = app.main->construcao();
        QVERIFY(QTest::qWaitForWindowExposed(construcao));
        QTest::mouseClick(construcao->findChild<QPushButton*>(QStringLiteral("BSugereNucleo")),
                          Qt::LeftButton);
        left << leftInPortuguese(shownTexts(construcao), catalogue);
    }
    app.main->construcao()->hide();
    app.main->showFonte();
    QWidget* fonte = app.main->fonteWindow();
    QVERIFY(QTest::qWaitForWindowExposed(fonte));
    left << leftInPortuguese(shownTexts(fonte), catalogue);
    fonte->hide();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    // A Portuguese caption is found by the walk: the check can fail.
    QVERIFY(!leftInPortuguese({QStringLiteral("x | Secundário 3")}, catalogue).isEmpty());
    QVERIFY(!leftInPortuguese({QStringLiteral("x | Choque")}, catalogue).isEmpty());
}

// In English the texts the calculations write show no Portuguese either:
// results, verdicts, the message line after a bad input and the read note's
// tooltip on the four design tabs, the pi network's and the supply's results.
void TestLanguage::englishResultsShowNoPortugueseText()
{
    const PortugueseCatalogue catalogue = portugueseCatalogue();
    LanguageChoice::instance().choose(Language::English);
    App app;
    QStringList left;
    const auto walk = [&](QWidget* w) { left << leftInPortuguese(shownTexts(w, true), catalogue); };
    // Each tab as calculated, then with a text that is no number (a read
    // note), a value no design is made of (an error or a refusal).
    const struct {
        const char* tab;
        const char* field;
        const char* bad;
        bool message; // the message line tells of it
    } inputs[] = {{"TTrafoAlim", "EFo", "x", true},
                  {"TModValvul", "EFmin", "-100", true},
                  {"TModTransis", "EPo", "-50", false},
                  {"TReatorFiltro", "ERFLr", "0", false}};
    for (const auto& in : inputs) {
        app.showTab(in.tab);
        walk(app.main.get());
        app.type(in.field, QString::fromLatin1(in.bad));
        QVERIFY2(app.find<QWidget>("LMensagem")->isVisible() == in.message, in.tab);
        walk(app.main.get());
    }
    QCOMPARE(app.text("LRFLI2Aval"), QStringLiteral("Failure: zero or negative inductance."));
    app.calcPi->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calcPi.get()));
    walk(app.calcPi.get());
    app.calcPi->findChild<QLineEdit*>(QStringLiteral("EPiQ"))->setText(QStringLiteral("0"));
    walk(app.calcPi.get());
    app.calcPi->hide();
    app.main->showFonte();
    QWidget* fonte = app.main->fonteWindow();
    QVERIFY(QTest::qWaitForWindowExposed(fonte));
    walk(fonte);
    fonte->hide();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
}

// A design saved in English is the file saved in Portuguese, and opens there
// with what was typed.
void TestLanguage::designFilesAreTheSameInEitherLanguage()
{
    App app;
    app.showTab("TTrafoAlim");
    app.type("EIs1", QStringLiteral("150"));
    QTemporaryDir dir;
    const QString portuguese = dir.filePath(QStringLiteral("pt.kelvora"));
    const QString english = dir.filePath(QStringLiteral("en.kelvora"));
    app.main->setFileChooser([&](QFileDialog*) { return portuguese; });
    QVERIFY(app.main->designFiles().saveAs());
    LanguageChoice::instance().choose(Language::English);
    app.main->setFileChooser([&](QFileDialog*) { return english; });
    QVERIFY(app.main->designFiles().saveAs());
    QFile pt(portuguese), en(english);
    QVERIFY(pt.open(QIODevice::ReadOnly) && en.open(QIODevice::ReadOnly));
    QCOMPARE(en.readAll(), pt.readAll());

    LanguageChoice::instance().choose(Language::Portuguese);
    app.main->designFiles().newDesign();
    QCOMPARE(app.text("EIs1"), QStringLiteral("100"));
    QVERIFY(app.main->designFiles().openFile(english));
    QCOMPARE(app.text("EIs1"), QStringLiteral("150"));
}

// A list shows its items in English, and what is chosen there is the
// Portuguese item in the sheet: the report and the design file are those of
// the same choice made in Portuguese.
void TestLanguage::listsShowTheirItemsInEnglishAndKeepThePortuguese()
{
    QTemporaryDir dir;
    // Chooses the tapped primary and the choke-coupled modulator in
    // `language`; the two reports and the design file written then.
    const auto written = [&](Language language) {
        LanguageChoice::instance().choose(language);
        App app;
        app.showTab("TTrafoAlim");
        app.find<QComboBox>("CNumPri")->setCurrentIndex(2);
        app.showTab("TModValvul");
        app.find<QComboBox>("CBSelTM")->setCurrentIndex(1);
        QByteArrayList files;
        const QString code = kelvora::languageCode(language);
        for (const auto& [tab, button] :
             {std::pair{"TTrafoAlim", "BSalvaTA"}, std::pair{"TModValvul", "BSalva_TM"}}) {
            app.showTab(tab);
            const QString path = dir.filePath(code + QString::fromLatin1(button));
            app.main->setFileChooser([&](QFileDialog*) { return path; });
            QTest::mouseClick(app.find<QPushButton>(button), Qt::LeftButton);
            QFile f(path);
            files << (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray());
        }
        const QString design = dir.filePath(code + QStringLiteral(".kelvora"));
        app.main->setFileChooser([&](QFileDialog*) { return design; });
        QFile f(design);
        files << (app.main->designFiles().saveAs() && f.open(QIODevice::ReadOnly) ? f.readAll()
                                                                                  : QByteArray());
        return files;
    };
    const QByteArrayList portuguese = written(Language::Portuguese);
    QVERIFY(!portuguese[0].isEmpty() && !portuguese[1].isEmpty());
    QVERIFY(portuguese[2].contains("Derivação") && portuguese[2].contains("Reator (RCA)"));
    QCOMPARE(written(Language::English), portuguese);

    LanguageChoice::instance().choose(Language::English);
    App app;
    app.showTab("TTrafoAlim");
    auto* primary = app.find<QComboBox>("CNumPri");
    QCOMPARE(primary->itemText(2), QStringLiteral("Tapped"));
    primary->setCurrentIndex(2);
    QCOMPARE(app.main->sheet("TTrafoAlim")["CNumPri"].text, std::string("Derivação"));
    app.showTab("TModValvul");
    auto* coupling = app.find<QComboBox>("CBSelTM"); // an editable list
    QCOMPARE(coupling->currentText(), QStringLiteral("Conventional"));
    coupling->setCurrentIndex(1);
    QCOMPARE(app.main->sheet("TModValvul")["CBSelTM"].text, std::string("Reator (RCA)"));
    QCOMPARE(app.main->sheet("TModValvul")["CBSelTM"].itemIndex, 1);
    // Back in Portuguese the open window shows the Portuguese items, the choice kept.
    LanguageChoice::instance().choose(Language::Portuguese);
    QCOMPARE(primary->currentText(), QStringLiteral("Derivação"));
    QCOMPARE(coupling->currentText(), QStringLiteral("Reator (RCA)"));
    QCOMPARE(coupling->itemText(0), QStringLiteral("Convencional"));
}

void TestLanguage::theUserGuideFollowsTheLanguage()
{
    QVERIFY(kelvora::userGuide().startsWith(QStringLiteral("## Guia do usuário\n")));
    LanguageChoice::instance().choose(Language::English);
    const QString guide = kelvora::userGuide();
    QVERIFY(guide.startsWith(QStringLiteral("## English\n")));
    QVERIFY(guide.contains(QStringLiteral("### Choosing the language")));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
