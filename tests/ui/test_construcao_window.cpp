// The "Construção e perdas" window driven through the real main window: opened
// from each tab, following the tab and its own settings live, the bad band of
// a coil that does not fit, the errors, and the winding sheet as text, PDF and print.
#include "Uconstrucao.h"
#include "drawing_widgets.h"
#include "keyboard.h"
#include "table_copy.h"
#include "ui_fixture.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <cmath>

using namespace kelvora;
using kelvora::test::App;

namespace {

// Opens the window on the tab's own turns, whose figures these tests check.
TFConstrucao* open(App& app, const char* tab, const char* button)
{
    app.showTab(tab);
    QTest::mouseClick(app.find<QPushButton>(button), Qt::LeftButton);
    TFConstrucao* w = app.main->construcao();
    if (auto* mode = w->findChild<QComboBox*>(QStringLiteral("CBCoProjeto")))
        mode->setCurrentText(QStringLiteral("Espiras da aba"));
    return w;
}

template <class W = QWidget>
W* in(TFConstrucao* w, const char* name)
{
    W* c = w->findChild<W*>(QString::fromLatin1(name));
    if (!c)
        qWarning("no control %s", name);
    return c;
}

QString label(TFConstrucao* w, const char* name) { return in<QLabel>(w, name)->text(); }

// A figure as a number ("72,9" -> 72.9).
double number(TFConstrucao* w, const char* name)
{
    return label(w, name).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

QString cell(TFConstrucao* w, int row, int column)
{
    const QAbstractItemModel* m = in<QTableView>(w, "TVCoEnrolamentos")->model();
    return m->data(m->index(row, column)).toString();
}

QStringList windingNames(TFConstrucao* w)
{
    const QAbstractItemModel* m = in<QTableView>(w, "TVCoEnrolamentos")->model();
    QStringList names;
    for (int r = 0; r < m->rowCount(); ++r)
        names << m->data(m->index(r, 0)).toString();
    return names;
}

void typeInto(TFConstrucao* w, const char* name, const QString& text)
{
    auto* e = in<QLineEdit>(w, name);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

// Pixels of the bad colour in the drawing as painted now.
int badPixels(TFConstrucao* w)
{
    QWidget* view = in<QWidget>(w, "PBCoCorte");
    QImage image(view->size(), QImage::Format_RGB32);
    view->render(&image);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == qRgb(255, 0, 0);
    return n;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray golden(const char* name)
{
    return readFile(QStringLiteral(KELVORA_GOLDEN_DIR "/") + QString::fromLatin1(name));
}

// Runs a poppler tool on a PDF and returns what it printed.
QString poppler(const char* tool, const QStringList& args)
{
    QProcess p;
    p.start(QString::fromLatin1(tool), args);
    if (!p.waitForFinished(30000))
        return QStringLiteral("<%1 did not run>").arg(QLatin1String(tool));
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    const QString info = poppler("pdfinfo", {path});
    const qsizetype at = info.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : info.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

// Counts, on a window's widgets, the layouts asked to run again and the paints
// by object name.
class Watch : public QObject {
public:
    explicit Watch(QWidget* top) : top_(top) { qApp->installEventFilter(this); }
    ~Watch() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override
    {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || (w != top_ && !top_->isAncestorOf(w)))
            return false;
        if (e->type() == QEvent::LayoutRequest && w->layout())
            ++layouts;
        else if (e->type() == QEvent::Paint)
            ++paints[w->objectName()];
        return false;
    }
    int layouts = 0;
    QHash<QString, int> paints;

private:
    QWidget* top_;
};

} // namespace

class TestConstrucaoWindow : public QObject {
    Q_OBJECT
private slots:
    void opensFromEachTabAndSwitchesDesign();
    void powerTransformerShowsItsVoltagesFirst();
    void tableFollowsTheTab();
    void settingsChangeTheFigures();
    void coilThatDoesNotFitRunsPastTheWindowInTheBadColour();
    void errorsReplaceTheFigures();
    void designedForTheCoreWithTheBuildersGauge();
    void windingSheetGoldenForSimplesAndDerivacao();
    void pdfAndPrintHaveTheSheetAndTheDrawings();
    void sheetFailuresAreReported();
    void keyboardOrderAndNames();
    void aKeystrokeRepaintsWhatChangedAndLaysNothingOut();
};

void TestConstrucaoWindow::opensFromEachTabAndSwitchesDesign()
{
    App app;
    QVERIFY(!app.main->construcao()); // made on first use only
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(w && w->isVisible());
    QCOMPARE(w->windowTitle(), QStringLiteral("Construção e perdas — Trafo Alimentação"));
    QCOMPARE(windingNames(w),
             (QStringList{"Primário", "Secundário 1", "Secundário 2", "Secundário 3"}));
    QVERIFY(in(w, "GBCoCargas")->isVisible());
    QVERIFY(in(w, "CBCoRet3")->isVisible());
    QVERIFY(!in(w, "CBCoRet4")->isVisible()); // three secondaries are active
    QVERIFY(in(w, "LCoBpico")->isVisible());
    QVERIFY(!in(w, "LCoL")->isVisible());
    // The power transformer's table carries the loaded voltages.
    QCOMPARE(in<QTableView>(w, "TVCoEnrolamentos")->model()->columnCount(), 18);

    QCOMPARE(open(app, "TModValvul", "BBConstrucaoTM"), w); // the one window, switched
    QCOMPARE(w->windowTitle(), QStringLiteral("Construção e perdas — Modulador Valvulado"));
    QCOMPARE(windingNames(w),
             (QStringList{"Primário (metade 1)", "Primário (metade 2)", "Secundário"}));
    QVERIFY(!in(w, "GBCoCargas")->isVisible());
    QVERIFY(in(w, "LCoXp")->isVisible());
    QCOMPARE(in<QTableView>(w, "TVCoEnrolamentos")->model()->columnCount(), 15);

    QCOMPARE(open(app, "TReatorFiltro", "BBConstrucaoReator"), w);
    QCOMPARE(w->windowTitle(), QStringLiteral("Construção e perdas — Reator de Filtro"));
    QCOMPARE(windingNames(w), QStringList{"Enrolamento"});
    QVERIFY(in(w, "LCoL")->isVisible());
    QVERIFY(!in(w, "LCoBpico")->isVisible());
    // Four verdict lines at most; the reactor has three.
    QVERIFY(in(w, "LCoAval3")->isVisible());
    QVERIFY(!in(w, "LCoAval4")->isVisible());
    QCOMPARE(label(w, "LCoAval1"),
             QStringLiteral("O enrolamento cabe na janela (65,7 % ocupados)"));
    QCOMPARE(kelvora::shownBackground(in(w, "LCoAval1")), kelvora::test::lime());
    QVERIFY(app.errors.isEmpty());
}

void TestConstrucaoWindow::tableFollowsTheTab()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    // Secundário 3: 5 V, 5000 mA on the tab -> 19.9 turns wound as 20 of AWG 14, 5 A rms.
    QCOMPARE(cell(w, 3, 1), QStringLiteral("20"));
    QCOMPARE(cell(w, 3, 2), QStringLiteral("19,9")); // the tab's turns
    QCOMPARE(cell(w, 3, 3), QStringLiteral("14"));
    QCOMPARE(cell(w, 3, 12), QStringLiteral("5,000"));
    // Numbers stand right-aligned, names left.
    const QAbstractItemModel* m = in<QTableView>(w, "TVCoEnrolamentos")->model();
    QCOMPARE(m->data(m->index(3, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
             Qt::AlignRight);
    QCOMPARE(m->data(m->index(3, 0), Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignLeft,
             Qt::AlignLeft);

    // Typing on the tab recalculates the window in the same event.
    app.type("EIs3", QStringLiteral("2000"));
    QCOMPARE(cell(w, 3, 12), QStringLiteral("2,000"));
    app.type("EVs3", QStringLiteral("10"));
    QCOMPARE(cell(w, 3, 1), QString::number(std::lround(app.main->results().trafoAlim.Ns[3])));
    QVERIFY(cell(w, 3, 1).toInt() >= 39);

    // A hidden window does not follow (and costs nothing), but shows the latest when opened again.
    w->hide();
    app.type("EIs3", QStringLiteral("3000"));
    QCOMPARE(cell(w, 3, 12), QStringLiteral("2,000"));
    open(app, "TTrafoAlim", "BBConstrucaoTA");
    QCOMPARE(cell(w, 3, 12), QStringLiteral("3,000"));
}

void TestConstrucaoWindow::settingsChangeTheFigures()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    // The copper runs at ambient + rise.
    QCOMPARE(number(w, "LCoThot"), 40 + number(w, "LCoDt"));
    typeInto(w, "ECoTamb", QStringLiteral("25"));
    QCOMPARE(number(w, "LCoThot"), 25 + number(w, "LCoDt"));
    QCOMPARE(kelvora::shownBackground(in(w, "ECoTamb")),
             QApplication::palette().color(QPalette::Base));

    // Not a number: red field, and the default's figures.
    typeInto(w, "ECoTamb", QStringLiteral("quente"));
    QCOMPARE(kelvora::shownBackground(in(w, "ECoTamb")), kelvora::test::red());
    QCOMPARE(number(w, "LCoThot"), 40 + number(w, "LCoDt"));
    // Out of its range (-40 to 100 °C): red too.
    typeInto(w, "ECoTamb", QStringLiteral("150"));
    QCOMPARE(kelvora::shownBackground(in(w, "ECoTamb")), kelvora::test::red());
    QCOMPARE(number(w, "LCoThot"), 40 + number(w, "LCoDt"));

    // The iron loss scales with the grade's loss at 1.5 T: M800-50A 8.00 W/kg
    // -> M270-35A 2.70 W/kg, the same flux and mass: 8.24 W * 2.70 / 8.00 = 2.78 W.
    const double m800 = w->analysis().pfeW;
    QCOMPARE(label(w, "LCoPfe"), QStringLiteral("8,24"));
    in<QComboBox>(w, "CBCoAco")->setCurrentText(QStringLiteral("M270-35A"));
    QCOMPARE(label(w, "LCoPfe"), QStringLiteral("2,78"));
    QVERIFY(std::abs(w->analysis().pfeW - m800 * 2.70 / 8.00) < 1e-9);

    // A rectifier load: the bridge with a capacitor input draws I/0.62 rms.
    in<QComboBox>(w, "CBCoRet3")->setCurrentText(QStringLiteral("Ponte, entrada capacitiva"));
    QCOMPARE(cell(w, 3, 12), QStringLiteral("8,065")); // 5 / 0.62 = 8.0645
    QVERIFY(app.errors.isEmpty());
}

void TestConstrucaoWindow::coilThatDoesNotFitRunsPastTheWindowInTheBadColour()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    app.find<QComboBox>("CNumSec")->setCurrentIndex(0); // one secondary: 400 V, 100 mA
    QVERIFY(w->analysis().fits);
    QCOMPARE(badPixels(w), 0);
    QCOMPARE(kelvora::shownBackground(in(w, "LCoOcupacao")), kelvora::test::lime());

    // A huge secondary: 2000 V at 100 mA does not fit in a 32 mm lamination; the
    // primary (1 + 10.46 mm built, times 1.1 = 12.6 mm of 15.5) still does.
    app.type("EVs1", QStringLiteral("2000"));
    QVERIFY(!w->analysis().fits);
    const auto& content = static_cast<CrossSectionView*>(in(w, "PBCoCorte"))->content();
    const std::vector<Band> bands = windingBands(content);
    QCOMPARE(bands.size(), std::size_t(2));
    QVERIFY(!bands[0].outside);
    QVERIFY(bands[1].outside);
    QVERIFY(bands[1].to > content.a / 2); // past the window's edge, over the outer leg
    QVERIFY(badPixels(w) > 100);
    QCOMPARE(kelvora::shownBackground(in(w, "LCoOcupacao")), kelvora::test::red());
    QVERIFY(label(w, "LCoAval1").startsWith(QStringLiteral("O enrolamento não cabe na janela (")));
    QCOMPARE(kelvora::shownBackground(in(w, "LCoAval1")), kelvora::test::red());
    QCOMPARE(kelvora::shownFont(in(w, "LCoAval1")), kelvora::test::white());
}

void TestConstrucaoWindow::designedForTheCoreWithTheBuildersGauge()
{
    App app;
    app.showTab("TReatorFiltro");
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoReator"), Qt::LeftButton);
    TFConstrucao* w = app.main->construcao();
    // The default mode: 2031 turns for exactly 10 H at 8000 G, the tab's 2687.6 beside them.
    QCOMPARE(in<QComboBox>(w, "CBCoProjeto")->currentText(),
             QStringLiteral("Para o núcleo escolhido"));
    QCOMPARE(cell(w, 0, 1), QStringLiteral("2031"));
    QCOMPARE(cell(w, 0, 2), QStringLiteral("2687,6"));
    QCOMPARE(cell(w, 0, 3), QStringLiteral("28"));
    QCOMPARE(label(w, "LCoEspacador"),
             QStringLiteral("Espaçador em cada junta E–I: 0,30 mm, E e I topo a topo"));
    QVERIFY(in(w, "LCoEspacador")->isVisible());
    QCOMPARE(label(w, "LCoAval3"), QStringLiteral("Indutância calculada 10,0 H ≥ Lr"));

    // The AWG cell edits: AWG 26 written into ECoAWG1 and wound (J follows).
    QAbstractItemModel* m = in<QTableView>(w, "TVCoEnrolamentos")->model();
    const QString j28 = cell(w, 0, 13);
    QVERIFY(m->flags(m->index(0, 3)) & Qt::ItemIsEditable);
    QVERIFY(!(m->flags(m->index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(m->setData(m->index(0, 3), QStringLiteral("26"), Qt::EditRole));
    QCOMPARE(w->settingsSheet()["ECoAWG1"].text, std::string("26"));
    QCOMPARE(cell(w, 0, 3), QStringLiteral("26"));
    QVERIFY(cell(w, 0, 13) != j28);
    QCOMPARE(w->analysis().windings[0].awg, 26);
    // Not a gauge: red in the cell, the rule's gauge wound.
    QVERIFY(m->setData(m->index(0, 3), QStringLiteral("x"), Qt::EditRole));
    QCOMPARE(cell(w, 0, 3), QStringLiteral("28"));
    QCOMPARE(m->data(m->index(0, 3), Qt::BackgroundRole).value<QColor>(), QColor(Qt::red));

    // The tab's own turns and its spacer again.
    in<QComboBox>(w, "CBCoProjeto")->setCurrentText(QStringLiteral("Espiras da aba"));
    QCOMPARE(cell(w, 0, 1), QStringLiteral("2688"));
    QCOMPARE(label(w, "LCoEspacador"),
             QStringLiteral("Espaçador em cada junta E–I: 0,35 mm, E e I topo a topo"));

    // The modulator with reactor coupling, designed: no spacer.
    app.showTab("TModValvul");
    app.main->findChild<QComboBox*>("CBSelTM")->setCurrentText(QStringLiteral("Reator (RCA)"));
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoTM"), Qt::LeftButton);
    in<QComboBox>(w, "CBCoProjeto")->setCurrentText(QStringLiteral("Para o núcleo escolhido"));
    QCOMPARE(label(w, "LCoEspacador"), QStringLiteral("Sem espaçador: lâminas intercaladas"));
    QCOMPARE(cell(w, 0, 1), QStringLiteral("393"));
    QVERIFY(app.errors.isEmpty());
}

void TestConstrucaoWindow::errorsReplaceTheFigures()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    auto* pages = in<QStackedWidget>(w, "SWCo");
    QCOMPARE(pages->currentIndex(), 0);
    // U/I laminations are analysed too (a coil on each leg).
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoU"), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(label(w, "LCoLamina"), QStringLiteral("UI a = 32 mm"));
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoE"), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 0);

    // The tab's own calculation fails (Bmax is not a number).
    app.type("CBTaBmax", QStringLiteral("abc"));
    QVERIFY(!app.errors.isEmpty());
    QCOMPARE(pages->currentIndex(), 1);
    QCOMPARE(label(w, "LCoErro"), QStringLiteral("O cálculo da aba terminou com erro."));
    app.type("CBTaBmax", QStringLiteral("10000"));
    QCOMPARE(pages->currentIndex(), 0);

    // Margins larger than the window (1.5 * 32 = 48 mm high, 2 flanges of 10 mm, 2 margins of 20).
    typeInto(w, "ECoAba", QStringLiteral("10"));
    typeInto(w, "ECoMargem", QStringLiteral("20"));
    QCOMPARE(label(w, "LCoErro"), QStringLiteral("Margens e abas maiores que a janela."));
    QVERIFY(in(w, "LCoErro")->isVisible());
    QVERIFY(!in(w, "TVCoEnrolamentos")->isVisible());
}

void TestConstrucaoWindow::windingSheetGoldenForSimplesAndDerivacao()
{
    App app;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folha.txt"));
    QString title;
    app.main->setFileChooser([&](QFileDialog* d) {
        title = d->windowTitle();
        return path;
    });
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    QTest::mouseClick(in<QPushButton>(w, "BCoGravaFolha"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Grava folha de enrolamento"));
    QCOMPARE(readFile(path), golden("folha_trafo_alim.txt"));

    app.find<QComboBox>("CNumPri")->setCurrentIndex(2); // "Derivação"
    QCOMPARE(windingNames(w).mid(0, 2),
             (QStringList{"Primário até a derivação", "Primário após a derivação"}));
    QTest::mouseClick(in<QPushButton>(w, "BCoGravaFolha"), Qt::LeftButton);
    QCOMPARE(readFile(path), golden("folha_trafo_alim_derivacao.txt"));
    QVERIFY(app.errors.isEmpty());
}

void TestConstrucaoWindow::pdfAndPrintHaveTheSheetAndTheDrawings()
{
    App app;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("folha.pdf"));
    app.main->setFileChooser([&](QFileDialog*) { return pdf; });
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    QTest::mouseClick(in<QPushButton>(w, "BCoExportaPdf"), Qt::LeftButton);
    QVERIFY(readFile(pdf).startsWith("%PDF-"));
    // Two pages of text, one of drawings.
    QCOMPARE(pdfPages(pdf), 3);
    const QString text = poppler("pdftotext",
                                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(QStringLiteral("Folha de enrolamento - Trafo Alimentação")),
             qPrintable(text.left(200)));
    QVERIFY(text.contains(QStringLiteral("Secundário 3")));
    QVERIFY(text.contains(QStringLiteral("Corte da janela (em escala)")));
    QVERIFY(text.contains(QStringLiteral("Ocupação da janela: 127,9 %")));
    QVERIFY(text.contains(QStringLiteral("Lâmina (medidas em mm)")));

    // Printing goes through the print dialog; here it prints to a PDF file.
    const QString printed = dir.filePath(QStringLiteral("impresso.pdf"));
    QString dialogTitle;
    w->setPrintRunner([&](QPrintDialog* d) {
        dialogTitle = d->windowTitle();
        d->printer()->setOutputFormat(QPrinter::PdfFormat);
        d->printer()->setOutputFileName(printed);
        return true;
    });
    QTest::mouseClick(in<QPushButton>(w, "BCoImprime"), Qt::LeftButton);
    QCOMPARE(dialogTitle, QStringLiteral("Imprime folha de enrolamento"));
    QCOMPARE(pdfPages(printed), 3);
    QVERIFY(poppler("pdftotext", {printed, QStringLiteral("-")})
                .contains(QStringLiteral("Corte da janela (em escala)")));

    // Cancelled: nothing printed.
    QFile::remove(printed);
    w->setPrintRunner([](QPrintDialog*) { return false; });
    QTest::mouseClick(in<QPushButton>(w, "BCoImprime"), Qt::LeftButton);
    QVERIFY(!QFile::exists(printed));

    // An error of the analysis: no sheet, as no report after a failed
    // calculation; the box says why.
    QVERIFY(app.errors.isEmpty());
    QVERIFY(QFile::remove(pdf));
    typeInto(w, "ECoAba", QStringLiteral("10"));
    typeInto(w, "ECoMargem", QStringLiteral("20"));
    QTest::mouseClick(in<QPushButton>(w, "BCoExportaPdf"), Qt::LeftButton);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(app.errors,
             QStringList{QStringLiteral("A folha de enrolamento não foi gravada: a análise da "
                                        "construção terminou com erro (Margens e abas maiores "
                                        "que a janela.).")});
}

void TestConstrucaoWindow::sheetFailuresAreReported()
{
    App app;
    QString answer = QStringLiteral("/nao/existe/folha.txt");
    app.main->setFileChooser([&](QFileDialog*) { return answer; });
    TFConstrucao* w = open(app, "TReatorFiltro", "BBConstrucaoReator");
    QTest::mouseClick(in<QPushButton>(w, "BCoGravaFolha"), Qt::LeftButton);
    QCOMPARE(app.errors.size(), 1);
    QVERIFY(app.errors[0].contains(QStringLiteral("a pasta não existe")));
    answer = QStringLiteral("/nao/existe/folha.pdf");
    QTest::mouseClick(in<QPushButton>(w, "BCoExportaPdf"), Qt::LeftButton);
    QCOMPARE(app.errors.size(), 2);
    QVERIFY(app.errors[1].contains(QStringLiteral("a pasta não existe")));
    // Cancelled dialog: nothing happens.
    answer.clear();
    QTest::mouseClick(in<QPushButton>(w, "BCoGravaFolha"), Qt::LeftButton);
    QCOMPARE(app.errors.size(), 2);
}

void TestConstrucaoWindow::keyboardOrderAndNames()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    const QList<QWidget*> order = readingOrder(w);
    QVERIFY(order.size() > 20);
    QCOMPARE(order[0]->objectName(), QStringLiteral("CBCoProjeto"));
    QCOMPARE(order[1]->objectName(), QStringLiteral("CBCoAco"));
    QCOMPARE(order[2]->objectName(), QStringLiteral("ECoEmpil"));
    QCOMPARE(order[3]->objectName(), QStringLiteral("ECoFatorPerdas"));
    QCOMPARE(in(w, "ECoEmpil")->accessibleName(), QStringLiteral("Fator de empilhamento"));
    QCOMPARE(in(w, "CBCoRet1")->accessibleName(), QStringLiteral("Carga do secundário 1"));
    QVERIFY(in(w, "ECoEmpil")->toolTip().contains(QStringLiteral("0,5 a 1")));
    QWidget* next = in(w, "ECoEmpil")->nextInFocusChain();
    while (next && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    QCOMPARE(next, in(w, "ECoFatorPerdas"));
}

void TestConstrucaoWindow::powerTransformerShowsItsVoltagesFirst()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    auto* table = in<QTableView>(w, "TVCoEnrolamentos");
    const QHeaderView* header = table->horizontalHeader();
    auto shownHeadings = [&] {
        QStringList h;
        for (int v = 0; v < header->count(); ++v)
            h << table->model()
                     ->headerData(header->logicalIndex(v), Qt::Horizontal)
                     .toString()
                     .simplified();
        return h.join(u'|');
    };
    const QString voltagesFirst = QStringLiteral(
        "Enrolamento|V vazio (V)|V carga (V)|Regulação (%)|Espiras|Espiras (aba)|AWG|Ø nu (mm)|"
        "Ø total (mm)|Espiras/ camada|Camadas|Altura (mm)|Fio (m)|R 20 °C (Ω)|R quente (Ω)|"
        "I rms (A)|J (A/mm²)|Perda (W)");
    QCOMPARE(shownHeadings(), voltagesFirst);
    // The copy takes the columns as shown: the secondary's voltages beside its name.
    const QStringList lines = tableText(table, true).split(u'\n');
    QCOMPARE(lines.value(0), QString(voltagesFirst).replace(u'|', u'\t'));
    const QAbstractItemModel* m = table->model();
    QCOMPARE(lines.value(2).split(u'\t').mid(0, 4),
             (QStringList{cell(w, 1, 0), cell(w, 1, 15), cell(w, 1, 16), cell(w, 1, 17)}));
    QCOMPARE(m->headerData(15, Qt::Horizontal).toString(), QStringLiteral("V vazio\n(V)"));

    // The modulator's table has no voltages: the model's order.
    open(app, "TModValvul", "BBConstrucaoTM");
    QCOMPARE(shownHeadings(),
             QStringLiteral("Enrolamento|Espiras|Espiras (aba)|AWG|Ø nu (mm)|Ø total (mm)|"
                            "Espiras/ camada|Camadas|Altura (mm)|Fio (m)|R 20 °C (Ω)|"
                            "R quente (Ω)|I rms (A)|J (A/mm²)|Perda (W)"));
    // Back to the power transformer (a new table): the voltages first again.
    open(app, "TTrafoAlim", "BBConstrucaoTA");
    QCOMPARE(shownHeadings(), voltagesFirst);
    QVERIFY(app.errors.isEmpty());
}

void TestConstrucaoWindow::aKeystrokeRepaintsWhatChangedAndLaysNothingOut()
{
    App app;
    TFConstrucao* w = open(app, "TTrafoAlim", "BBConstrucaoTA");
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::qWait(50); // the first layouts and paints done
    auto* table = in<QTableView>(w, "TVCoEnrolamentos");
    QWidget* viewport = table->viewport();
    viewport->setObjectName(QStringLiteral("viewport"));

    // 100 mA -> 1001 mA on Secundário 1: a thicker wire, a fuller window, new
    // verdict texts, yet no layout runs again (each would measure every label).
    const QString verdict = label(w, "LCoAval1");
    {
        Watch watch(w);
        auto* is1 = app.find<QLineEdit>("EIs1");
        is1->setFocus();
        is1->end(false);
        QTest::keyClick(is1, Qt::Key_1);
        QCoreApplication::processEvents();
        QCOMPARE(is1->text(), QStringLiteral("1001"));
        QVERIFY(label(w, "LCoAval1") != verdict);
        QCOMPARE(watch.layouts, 0);
        QVERIFY(watch.paints.value(QStringLiteral("LCoAval1")) >= 1);
        QVERIFY(watch.paints.value(QStringLiteral("PBCoCorte")) >= 1);
        QVERIFY(watch.paints.value(QStringLiteral("viewport")) >= 1);
    }
    // Every column stays as wide as its widest text after the new figures.
    const QFontMetrics fm(table->font());
    for (int c = 0; c < table->model()->columnCount(); ++c)
        for (int r = 0; r < table->model()->rowCount(); ++r)
            QVERIFY2(table->columnWidth(c) >= fm.horizontalAdvance(cell(w, r, c)) + 8,
                     qPrintable(cell(w, r, c)));

    // The same inputs again: nothing to repaint, and a column the user widened stays so.
    table->horizontalHeader()->resizeSection(0, 300);
    QTest::qWait(50); // the view's own repaint of the wider column done
    {
        Watch watch(w);
        w->recalculate();
        QCoreApplication::processEvents();
        QCOMPARE(table->columnWidth(0), 300);
        QCOMPARE(watch.paints.value(QStringLiteral("PBCoCorte")), 0);
        QCOMPARE(watch.paints.value(QStringLiteral("viewport")), 0);
        QCOMPARE(watch.paints.value(QStringLiteral("LCoAval1")), 0);
    }
    // A warmer room changes the copper temperature and resistance, not one
    // rectangle of the drawing: the figures repaint, the drawing does not.
    {
        Watch watch(w);
        const QString hot = label(w, "LCoThot");
        typeInto(w, "ECoTamb", QStringLiteral("30"));
        QCoreApplication::processEvents();
        QVERIFY(label(w, "LCoThot") != hot);
        QVERIFY(watch.paints.value(QStringLiteral("LCoThot")) >= 1);
        QCOMPARE(watch.paints.value(QStringLiteral("PBCoCorte")), 0);
    }
    // A thicker bobbin wall moves every winding out: the drawing repaints.
    {
        Watch watch(w);
        typeInto(w, "ECoParede", QStringLiteral("3"));
        QCoreApplication::processEvents();
        QVERIFY(watch.paints.value(QStringLiteral("PBCoCorte")) >= 1);
    }
    QVERIFY(app.errors.isEmpty());
}

QTEST_MAIN(TestConstrucaoWindow)
#include "test_construcao_window.moc"
