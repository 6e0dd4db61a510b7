// U/I laminations through the real windows: the Construção window's window
// settings shown for U/I only, both coils in the cross-section, the U/I
// drawing of "Visualiza núcleo" and its dimension texts, and the PDF sheet.
#include "Uconstrucao.h"
#include "cross_section.h"
#include "drawing_widgets.h"
#include "ui_fixture.h"

#include <QFile>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include <cstdlib>

using namespace kelvora;
using kelvora::test::App;

namespace {

TFConstrucao* openUI(App& app)
{
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoU"), Qt::LeftButton);
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoTA"), Qt::LeftButton);
    return app.main->construcao();
}

template <class W = QWidget>
W* in(QWidget* w, const char* name)
{
    W* c = w->findChild<W*>(QString::fromLatin1(name));
    if (!c)
        qWarning("no control %s", name);
    return c;
}

void typeInto(TFConstrucao* w, const char* name, const QString& text)
{
    auto* e = in<QLineEdit>(w, name);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
}

QStringList dimensionTexts(const App& app)
{
    QStringList t;
    for (const UIDimension& d : in<UICoreDrawing>(app.nucleo.get(), "ImgNucleoUI")->dimensions())
        t << QString::fromStdString(d.name + "=" + d.text);
    return t;
}

// Layers of copper that have their mirror image about the window's middle in
// another layer: leg 2's coil drawn as the mirror of leg 1's.
int mirroredCopper(const CrossSectionPicture& pic)
{
    QVector<QRect> copper;
    for (const auto& [colour, rects] : pic.fills)
        if (colour == QColor(196, 112, 52) || colour == QColor(160, 84, 36))
            copper += rects;
    const int sum = pic.window.left() + pic.window.right();
    int n = 0;
    for (const QRect& r : copper)
        for (const QRect& m : copper)
            n += &r != &m && m.top() == r.top() && m.height() == r.height()
                 && std::abs(r.left() + m.right() - sum) <= 1;
    return n;
}

} // namespace

class TestUICoreWindow : public QObject {
    Q_OBJECT
private slots:
    void construcaoShowsTheUIWindowSettingsAndBothCoils();
    void visualizaNucleoDrawsTheDimensionedUI();
    void pdfSheetDrawsTheUICore();
};

void TestUICoreWindow::construcaoShowsTheUIWindowSettingsAndBothCoils()
{
    App app;
    TFConstrucao* w = openUI(app);
    QVERIFY(w);
    // The tab's turns: a designed E/I coil that overflows its window fills it
    // with layers that mirror each other, which would blur the check below.
    in<QComboBox>(w, "CBCoProjeto")->setCurrentText(QStringLiteral("Espiras da aba"));
    QVERIFY(!w->analysis().error);
    auto* janela = in<QLineEdit>(w, "ECoUIJanela");
    QVERIFY(janela->isVisible());
    QVERIFY(in(w, "ECoUIAltura")->isVisible());
    QVERIFY(janela->text().isEmpty());
    QVERIFY(janela->toolTip().contains(QStringLiteral("proporção sem retalho")));
    QCOMPARE(in<QLabel>(w, "LCoLamina")->text(), QStringLiteral("UI a = 32 mm"));
    QCOMPARE(janela->accessibleName(), QStringLiteral("Largura da janela do U/I (c)"));

    // Both coils side by side, leg 2's the mirror of leg 1's.
    auto* view = in<CrossSectionView>(w, "PBCoCorte");
    const CrossSectionPicture pic = crossSectionPicture(QRectF(0, 0, 400, 600), view->content());
    QVERIFY(pic.drawn);
    QVERIFY(mirroredCopper(pic) > 4);
    QCOMPARE(windingBands(view->content(), 1).size(), windingBands(view->content(), 0).size());

    // A narrow window: the coils no longer fit, in the bad colour.
    typeInto(w, "ECoUIJanela", QStringLiteral("14"));
    typeInto(w, "ECoUIAltura", QStringLiteral("48"));
    QCOMPARE(w->analysis().core.c, 14.0);
    QCOMPARE(w->analysis().core.h, 48.0);
    QVERIFY(!w->analysis().fits);
    QCOMPARE(in<QLabel>(w, "LCoLamina")->text(), QStringLiteral("U/I, janela 14 × 48 mm"));
    QVERIFY(windingBands(view->content(), 0).back().outside);

    // Back on E/I the settings hide and the E/I figures return.
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoE"), Qt::LeftButton);
    QVERIFY(!janela->isVisible());
    QCOMPARE(w->analysis().core.family, construction::CoreFamily::ScraplessEI);
    QCOMPARE(mirroredCopper(crossSectionPicture(QRectF(0, 0, 400, 600), view->content())), 0);
    QVERIFY(app.errors.isEmpty());
}

void TestUICoreWindow::visualizaNucleoDrawsTheDimensionedUI()
{
    App app;
    app.showTab("TTrafoAlim");
    auto* drawing = in<UICoreDrawing>(app.nucleo.get(), "ImgNucleoUI");
    auto* label1 = in<QLabel>(app.nucleo.get(), "Label1");
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoTA"), Qt::LeftButton);
    QVERIFY(!drawing->isVisible());
    QCOMPARE(label1->text(), QStringLiteral("96"));

    // Scrapless U/I of Bn = En = 32: c = 32, h = 96; outline 96 x 160.
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoU"), Qt::LeftButton);
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoTA"), Qt::LeftButton);
    QVERIFY(drawing->isVisible());
    QVERIFY(!label1->isVisible());
    QVERIFY(app.nucleo->showsUI());
    QCOMPARE(dimensionTexts(app),
             (QStringList{"LUILargura=96", "LUIPerna1=32", "LUIJanela=32", "LUIPerna2=32",
                          "LUIAltura=160", "LUIBarra=32", "LUIAlturaJanela=96", "LUIBase=32",
                          "LUIEmpilhamento=32"}));
    QVERIFY(in<QPlainTextEdit>(app.nucleo.get(), "Memo1")->toPlainText().startsWith(
        QStringLiteral("Núcleo U/I")));

    // The window of the construction settings: c = 30,5, h = 80 -> 94,5 x 144.
    app.main->showConstrucao("TTrafoAlim");
    TFConstrucao* w = app.main->construcao();
    typeInto(w, "ECoUIJanela", QStringLiteral("30,5"));
    typeInto(w, "ECoUIAltura", QStringLiteral("80"));
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoTA"), Qt::LeftButton);
    const QStringList t = dimensionTexts(app);
    QCOMPARE(t.value(0), QStringLiteral("LUILargura=94,5"));
    QCOMPARE(t.value(2), QStringLiteral("LUIJanela=30,5"));
    QCOMPARE(t.value(4), QStringLiteral("LUIAltura=144"));
    QCOMPARE(t.value(6), QStringLiteral("LUIAlturaJanela=80"));

    // Another tab's core is an E/I again, its nineteen labels rewritten.
    app.showTab("TReatorFiltro");
    QTest::mouseClick(app.find<QPushButton>("BBVisNucleoReator"), Qt::LeftButton);
    QVERIFY(!drawing->isVisible());
    QVERIFY(label1->isVisible());
    QVERIFY(in<QPlainTextEdit>(app.nucleo.get(), "Memo1")->toPlainText().startsWith(
        QStringLiteral("Considerado núcleo padrão EI")));
    QVERIFY(app.errors.isEmpty());
}

void TestUICoreWindow::pdfSheetDrawsTheUICore()
{
    App app;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("folha.pdf"));
    app.main->setFileChooser([&](QFileDialog*) { return pdf; });
    TFConstrucao* w = openUI(app);
    QTest::mouseClick(in<QPushButton>(w, "BCoExportaPdf"), Qt::LeftButton);
    auto run = [](const char* tool, const QStringList& args) {
        QProcess p;
        p.start(QString::fromLatin1(tool), args);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    };
    const QString text = run("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(text.contains(QStringLiteral("Ligação das duas bobinas (núcleo U/I)")));
    QVERIFY(!text.contains(QStringLiteral("Lâmina (medidas em mm)")));
    // The last page: the cross-section and the U/I with its outline's numbers.
    const QString info = run("pdfinfo", {pdf});
    const QString pages = info.mid(info.indexOf(QStringLiteral("Pages:")) + 6)
                              .section(QLatin1Char('\n'), 0, 0)
                              .trimmed();
    const QString last = run("pdftotext", {QStringLiteral("-f"), pages, QStringLiteral("-l"),
                                           pages, pdf, QStringLiteral("-")});
    QVERIFY2(last.contains(QStringLiteral("Núcleo U/I (medidas em mm)")), qPrintable(last));
    QVERIFY(last.contains(QStringLiteral("160")));
    QVERIFY(last.contains(QStringLiteral("96")));
    QVERIFY(app.errors.isEmpty());
}

QTEST_MAIN(TestUICoreWindow)
#include "test_ui_core_window.moc"
