// What a newcomer meets on the tabs: the choke's report, the text files'
// encoding, the winding sheet's names and wrapped lines, the construction
// following every input and summed up beside its button.
#include "Uconstrucao.h"
#include "design_file.h"
#include "design_file_io.h"
#include "design_files.h"
#include "designs.h"
#include "keyboard.h"
#include "reator_filtro_report.h"
#include "report_file.h"
#include "table_copy.h"
#include "trafo_alim_report.h"
#include "ui_fixture.h"
#include "winding_sheet_pdf.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace kelvora;
using namespace kelvora::test;

namespace {

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

TFConstrucao* openConstrucao(App& app, const char* tab, const char* button)
{
    app.showTab(tab);
    QTest::mouseClick(app.find<QPushButton>(button), Qt::LeftButton);
    return app.main->construcao();
}

QString pdfText(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return QStringLiteral("<pdftotext did not run>");
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestUsability : public QObject {
    Q_OBJECT
private slots:
    void init() { saveTextEncoding(TextEncoding::Windows1252CrLf); }
    void cleanup() { saveTextEncoding(TextEncoding::Windows1252CrLf); }
    void theChokeHasAReport();
    void textFilesInTheChosenEncoding();
    void theWindingSheetCarriesTheNamesAsTyped();
    void longSheetLinesWrapOnA4AndLetter();
    void theCouplingChangesTheConstructionAtOnce();
    void aSummaryBesideEachConstrucaoButtonFollowsEveryKeystroke();
    void tablesCopyAsTabSeparatedTextWithAHeader();
    void helpShowsTheGuide();
    void everyInputAndResultExplainsItself();
    void ironLossOfGappedPartsIsNotCalculated();
    void powerTransformerKeyboardOrderFollowsTheDesign();
    void reportNamesStartWithTheDesignFilesName();
    void aReopenedDesignReturnsToItsTab();
};

void TestUsability::theChokeHasAReport()
{
    App app;
    app.showTab("TReatorFiltro");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reator.txt"));
    QString title, offered;
    app.main->setFileChooser([&](QFileDialog* d) {
        title = d->windowTitle();
        offered = d->selectedFiles().value(0);
        return path;
    });
    QCOMPARE(app.find<QPushButton>("BSalvaRF")->text(),
             QStringLiteral("Grava cálculos em arquivo texto (*.txt)"));
    QCOMPARE(app.find<QLineEdit>("EUserNameRF")->maxLength(), 80);
    app.type("EUserNameRF", QStringLiteral("Ana"));
    QTest::mouseClick(app.find<QPushButton>("BSalvaRF"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Salva cálculos realizados - Reator de Filtro"));
    QCOMPARE(QFileInfo(offered).completeBaseName(), QStringLiteral("Reator_filtro"));
    const QByteArray bytes = readFile(path);
    QVERIFY(bytes.contains("\r\nNome do usu\xe1rio: Ana\r\n"));
    QCOMPARE(bytes, encodeReport(reportReatorFiltro(app.main->sheet("TReatorFiltro"),
                                                    app.main->results().reatorFiltro,
                                                    app.main->settings())));
    // The same refusal as the other reports: a field that is no number is asked about.
    QFile::remove(path);
    app.type("ERFIr", QStringLiteral("x"));
    QTest::mouseClick(app.find<QPushButton>("BSalvaRF"), Qt::LeftButton);
    QCOMPARE(app.questions.size(), 1);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(app.errors.isEmpty());
}

void TestUsability::textFilesInTheChosenEncoding()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("trafo.txt"));
    {
        App app;
        app.main->setFileChooser([&](QFileDialog*) { return path; });
        app.showTab("TAjustes");
        auto* combo = app.find<QComboBox>("CBCodificacao");
        QCOMPARE(combo->count(), 2);
        QCOMPARE(combo->itemText(0), QStringLiteral("Windows-1252 (CR LF)"));
        QCOMPARE(combo->itemText(1), QStringLiteral("UTF-8 (LF)"));
        QCOMPARE(combo->currentIndex(), 0);
        app.showTab("TTrafoAlim");
        QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
        const QByteArray cp1252 = readFile(path);
        QVERIFY(cp1252.startsWith("Transformadores de alimenta\xe7\xe3o para fontes\r\n"));

        combo->setCurrentIndex(1);
        QCOMPARE(savedTextEncoding(), TextEncoding::Utf8Lf);
        QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
        const QByteArray utf8 = readFile(path);
        QVERIFY(utf8.startsWith("Transformadores de alimentação para fontes\n"));
        QVERIFY(!utf8.contains('\r'));
        // The same report: only the code page and the line ends differ.
        QCOMPARE(QString::fromUtf8(utf8),
                 QString::fromLatin1(cp1252).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QVERIFY(app.errors.isEmpty());
    }
    // Kept for the next start.
    App again;
    QCOMPARE(again.find<QComboBox>("CBCodificacao")->currentIndex(), 1);
}

void TestUsability::theWindingSheetCarriesTheNamesAsTyped()
{
    App app;
    TFConstrucao* w = openConstrucao(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(w);
    // Typing a name runs no calculation; the sheet has it all the same.
    app.type("EUserNameTA", QStringLiteral("Ana"));
    app.type("EApplicationTA", QStringLiteral("Fonte do receptor"));
    const QString text = QString::fromStdString(w->sheetText());
    QVERIFY2(text.startsWith(QStringLiteral("Folha de enrolamento - Trafo Alimentação\n"
                                            "========================================\n"
                                            "Nome do usuário: Ana\n"
                                            "Aplicação: Fonte do receptor\n\nNúcleo\n")),
             qPrintable(text.left(300)));
}

void TestUsability::longSheetLinesWrapOnA4AndLetter()
{
    // A winding line as long as the power transformer's, and one longer than
    // two lines of the page.
    SheetPages pages;
    const QString winding = QStringLiteral(
        "     Corrente: 0,213 A rms; perda: 1,23 W; tensão em vazio 401,2 V, em carga 375,0 V "
        "(regulação 7,1 %)");
    QString words;
    for (int i = 1; i <= 60; ++i)
        words += QStringLiteral(" palavra%1").arg(i);
    pages.text = (QStringLiteral("Folha\n") + winding + u'\n' + words + u'\n').toStdString();
    QTemporaryDir dir;
    for (auto size : {QPageSize::A4, QPageSize::Letter}) {
        const QString pdf = dir.filePath(QStringLiteral("folha.pdf"));
        QVERIFY(!writeWindingSheetPdf(pdf, pages, size));
        const QString text = pdfText(pdf);
        const QString flat = text.simplified();
        QVERIFY2(flat.contains(QStringLiteral("(regulação 7,1 %)")), qPrintable(text));
        QVERIFY2(flat.contains(words.simplified()), qPrintable(text));
        // Wrapped, not shrunk: the long line takes more than one line.
        QVERIFY(text.split(u'\n').size() >= 5);
    }
}

void TestUsability::theCouplingChangesTheConstructionAtOnce()
{
    App app;
    TFConstrucao* w = openConstrucao(app, "TModValvul", "BBConstrucaoTM");
    QVERIFY(w);
    const double transformerDc = w->analysis().bDcGauss;
    QVERIFY(transformerDc > 0);
    // Through a reactor the RF stage's current no longer crosses this core.
    app.find<QComboBox>("CBSelTM")->setCurrentIndex(1);
    QVERIFY2(w->analysis().bDcGauss < transformerDc,
             qPrintable(QString::number(w->analysis().bDcGauss)));
    const double reactorDc = w->analysis().bDcGauss;
    app.find<QComboBox>("CBSelTM")->setCurrentIndex(0);
    QCOMPARE(w->analysis().bDcGauss, transformerDc);
    QVERIFY(reactorDc != transformerDc);
}

void TestUsability::aSummaryBesideEachConstrucaoButtonFollowsEveryKeystroke()
{
    App app;
    app.showTab("TTrafoAlim");
    // The defaults, designed for the core: the flux is Bmax by design, but the
    // winding does not fit.
    auto* ta = app.find<QLabel>("LCoResumoTA");
    QVERIFY(ta);
    QCOMPARE(ta->text(), QStringLiteral("Construção: não cabe"));
    QCOMPARE(shownBackground(ta), red());
    QCOMPARE(shownFont(ta), white());
    // Far too much iron run at Bmax: the no-load current passes 25 % of full load.
    app.type("EBn1", QStringLiteral("50"));
    app.type("EEn1", QStringLiteral("60"));
    QCOMPARE(ta->text(), QStringLiteral("Construção: corrente em vazio alta"));
    // A larger core than the default: everything passes, in green, after the keystrokes alone.
    app.type("EBn1", QStringLiteral("40"));
    app.type("EEn1", QStringLiteral("50"));
    QCOMPARE(ta->text(), QStringLiteral("Construção: tudo ok"));
    QVERIFY(ta->toolTip().contains(QStringLiteral("O enrolamento cabe na janela")));
    QCOMPARE(shownBackground(ta), lime());
    QCOMPARE(shownFont(ta), black());

    app.showTab("TModValvul");
    // Designed for its core, the modulator's primary keeps the bass.
    QCOMPARE(app.text("LCoResumoTM"), QStringLiteral("Construção: tudo ok"));
    app.showTab("TReatorFiltro");
    QCOMPARE(app.text("LCoResumoRF"), QStringLiteral("Construção: tudo ok"));
    // 10 H at 40 mA in a 15 mm leg: the choke no longer fits its window.
    app.type("CBRFBn", QStringLiteral("15"));
    QVERIFY2(app.text("LCoResumoRF").contains(QStringLiteral("não cabe")),
             qPrintable(app.text("LCoResumoRF")));
    QCOMPARE(shownBackground(app.find<QLabel>("LCoResumoRF")), red());
}

void TestUsability::tablesCopyAsTabSeparatedTextWithAHeader()
{
    App app;
    TFConstrucao* w = openConstrucao(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(w);
    auto* windings = w->findChild<QTableView*>(QStringLiteral("TVCoEnrolamentos"));
    QVERIFY(windings);
    const QAbstractItemModel* m = windings->model();
    // Ctrl+A, Ctrl+C: a header row and every winding, a tab between cells.
    windings->setFocus();
    QTest::keyClick(windings, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(windings, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), m->rowCount() + 1);
    QCOMPARE(lines[0].split(u'\t').size(), m->columnCount());
    QCOMPARE(lines[0].split(u'\t').value(0),
             m->headerData(0, Qt::Horizontal).toString().simplified());
    QCOMPARE(lines[1].split(u'\t').value(0), m->index(0, 0).data().toString().simplified());
    // One selected row: the header and that row only.
    windings->clearSelection();
    windings->selectRow(1);
    const QStringList one = tableText(windings).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(one.size(), 2);
    QCOMPARE(one[1].split(u'\t').value(0), m->index(1, 0).data().toString().simplified());

    // The adviser's table, after a search.
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BSugereNucleo")), Qt::LeftButton);
    auto* advice = w->findChild<QTableView*>(QStringLiteral("GSugestoes"));
    QVERIFY(advice && advice->model()->rowCount() > 0);
    // It selects one row at a time: that row, or all of it from "Copiar tudo".
    QCOMPARE(tableText(advice, true).count(u'\n'), advice->model()->rowCount() + 1);
    advice->selectRow(2);
    QCOMPARE(tableText(advice).section(u'\n', 1, 1).split(u'\t').value(0),
             advice->model()->index(2, 0).data().toString().simplified());

    // The pi network's bands: nothing can be selected there, so all of it.
    QTest::mouseClick(app.find<QPushButton>("BCircuitoPI"), Qt::LeftButton);
    auto* bands = app.calcPi->findChild<QTableView*>(QStringLiteral("TVPiBandas"));
    QVERIFY(bands);
    const QString text = tableText(bands);
    QCOMPARE(text.count(u'\n'), bands->model()->rowCount() + 1);
    QVERIFY(text.section(u'\n', 0, 0).contains(u'\t'));
}

void TestUsability::helpShowsTheGuide()
{
    App app;
    QAction* guide = app.main->findChild<QAction*>(QStringLiteral("AGuia"));
    QVERIFY(guide);
    QVERIFY(app.main->findChild<QAction*>(QStringLiteral("ASobre")));
    QVERIFY(app.main->findChild<QAction*>(QStringLiteral("ACopiar")));
    guide->trigger();
    auto* text = app.main->findChild<QTextBrowser*>(QStringLiteral("TBGuia"));
    QVERIFY(text);
    QVERIFY(text->window()->isVisible());
    const QString plain = text->toPlainText();
    QVERIFY2(plain.startsWith(QStringLiteral("Guia do usuário")), qPrintable(plain.left(80)));
    QVERIFY(plain.contains(QStringLiteral("Primeiros passos")));
    QVERIFY(!plain.contains(QStringLiteral("Para desenvolvedores")));
    text->window()->close();
}

void TestUsability::reportNamesStartWithTheDesignFilesName()
{
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("fonte_receptor.kelvora"));
    QVERIFY(!saveDesignFile(design, writeDesign(DesignInputs(','), ',')));
    App app;
    QVERIFY(app.main->designFiles().openFile(design));
    QString offered;
    app.main->setFileChooser([&](QFileDialog* d) {
        offered = d->selectedFiles().value(0);
        return QString();
    });
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(QFileInfo(offered).completeBaseName(),
             QStringLiteral("fonte_receptor_Trafo_alimentacao"));
    app.showTab("TReatorFiltro");
    QTest::mouseClick(app.find<QPushButton>("BSalvaRF"), Qt::LeftButton);
    QCOMPARE(QFileInfo(offered).completeBaseName(), QStringLiteral("fonte_receptor_Reator_filtro"));
    // The winding sheet too.
    TFConstrucao* w = openConstrucao(app, "TReatorFiltro", "BBConstrucaoReator");
    w->setFileChooser([&](QFileDialog* d) {
        offered = d->selectedFiles().value(0);
        return QString();
    });
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BCoGravaFolha")), Qt::LeftButton);
    QCOMPARE(QFileInfo(offered).completeBaseName(),
             QStringLiteral("fonte_receptor_Folha_enrolamento"));
}

void TestUsability::aReopenedDesignReturnsToItsTab()
{
    QTemporaryDir dir;
    const QString design = dir.filePath(QStringLiteral("modulador.kelvora"));
    {
        App app;
        app.main->setFileChooser([&](QFileDialog*) { return design; });
        app.showTab("TModValvul");
        QVERIFY(app.main->designFiles().saveAs());
        QVERIFY(readFile(design).contains("\"aba\": \"TModValvul\""));
    }
    App app;
    QVERIFY(app.main->designFiles().openFile(design));
    QCOMPARE(app.find<QTabWidget>("PageControl1")->currentWidget()->objectName(),
             QStringLiteral("TModValvul"));
    // A tab this program does not have is passed over.
    DesignInputs other(',');
    other.tab = "TNaoExiste";
    QVERIFY(!saveDesignFile(design, writeDesign(other, ',')));
    QVERIFY(app.main->designFiles().openFile(design));
    QCOMPARE(app.find<QTabWidget>("PageControl1")->currentWidget()->objectName(),
             QStringLiteral("TModValvul"));
    QVERIFY(app.errors.isEmpty());
}

void TestUsability::everyInputAndResultExplainsItself()
{
    App app;
    for (const char* tabName : {"TTrafoAlim", "TModValvul", "TModTransis", "TReatorFiltro"}) {
        app.showTab(tabName);
        const Design* d = findDesign(tabName);
        QVERIFY(d);
        QWidget* page = app.find(tabName);
        int walked = 0;
        for (const ControlSpec& c : d->controls) {
            if (c.kind == Kind::Panel || c.kind == Kind::Shape)
                continue;
            QWidget* w = page->findChild<QWidget*>(QString::fromStdString(c.name));
            if (!w || !w->isVisibleTo(page))
                continue; // where the last click fell, say: nothing to explain
            QVERIFY2(!w->toolTip().isEmpty(), qPrintable(QString::fromStdString(c.name)));
            ++walked;
        }
        QVERIFY2(walked > 15, tabName);
    }
    // Where the number's meaning matters.
    QVERIFY(app.find("EIs2")->toolTip().contains(QStringLiteral("corrente contínua que a carga")));
    QVERIFY(app.find("EIs2")->toolTip().contains(QStringLiteral("secundário 2")));
    QVERIFY(app.find("LZpl1")->toolTip().contains(QStringLiteral("vê Zpp/4")));
    QVERIFY(
        app.find("LVsec")->toolTip().startsWith(QStringLiteral("Fator de perdas no secundário")));
}

void TestUsability::ironLossOfGappedPartsIsNotCalculated()
{
    App app;
    for (auto [tab, button] :
         {std::pair{"TModValvul", "BBConstrucaoTM"}, {"TReatorFiltro", "BBConstrucaoReator"}}) {
        TFConstrucao* w = openConstrucao(app, tab, button);
        QVERIFY(w);
        auto* pfe = w->findChild<QLabel*>(QStringLiteral("LCoPfe"));
        QCOMPARE(pfe->text(), QStringLiteral("não calculada"));
        QVERIFY(pfe->width() >= pfe->fontMetrics().horizontalAdvance(pfe->text()));
        QVERIFY(QString::fromStdString(w->sheetText())
                    .contains(QStringLiteral("Perda no ferro: não calculada; perda no cobre: ")));
    }
    // The power transformer's is.
    TFConstrucao* w = openConstrucao(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(w->findChild<QLabel*>(QStringLiteral("LCoPfe"))->text().contains(u','));
}

void TestUsability::powerTransformerKeyboardOrderFollowsTheDesign()
{
    App app;
    app.showTab("TTrafoAlim");
    QCoreApplication::processEvents();
    QStringList names;
    for (QWidget* w : readingOrder(app.find("TTrafoAlim")))
        if (w->isVisible() && w->isEnabled()) // where Tab stops
            names << w->objectName();
    // Operating data, primary, secondaries (and their counts), core, buttons (the
    // supply's below the core group), report.
    const QStringList expected = {QStringLiteral("EFo"),           QStringLiteral("CBTaBmax"),
                                  QStringLiteral("CBTaEff"),       QStringLiteral("EVp1"),
                                  QStringLiteral("EVs1"),          QStringLiteral("EIs1"),
                                  QStringLiteral("EVs2"),          QStringLiteral("EIs2"),
                                  QStringLiteral("EVs3"),          QStringLiteral("EIs3"),
                                  QStringLiteral("CNumPri"),       QStringLiteral("CNumSec"),
                                  QStringLiteral("EBn1"),          QStringLiteral("EEn1"),
                                  QStringLiteral("RBNucleoE"),     QStringLiteral("RBNucleoU"),
                                  QStringLiteral("BBVisNucleoTA"), QStringLiteral("BBConstrucaoTA"),
                                  QStringLiteral("BBFonteTA"),     QStringLiteral("EUserNameTA"),   QStringLiteral("EApplicationTA"),
                                  QStringLiteral("BSalvaTA")};
    QCOMPARE(names.join(u' '), expected.join(u' '));
}

QTEST_MAIN(TestUsability)
#include "test_usability.moc"
