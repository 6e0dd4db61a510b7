// The transistor modulator and settings tabs at 100 %, 150 % and 200 %: no caption
// clipped, none lying on another or on the circuit. main() runs the cases once per
// scale, each in a child process with its own QT_SCALE_FACTOR.
#include "at_every_scale.h"
#include "transistor_figure.h"
#include "ui_fixture.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

using namespace kelvora;
using namespace kelvora::test;

class TestUiScaling : public QObject {
    Q_OBJECT
private slots:
    void figureCaptionsKeepClearOfEachOther();
    void figureCaptionsLieOnWhitePaper();
    void figurePaintsEachCaptionWhereItIsPlaced();
    void notesFitAndKeepClearOfTheResults();
    void notesWrapRatherThanClipWithAWiderFont();
    void labelsOfBothTabsShowTheirWholeText();
    void logSubscriptSitsBetweenLogAndTheParenthesis();
    void logSubscriptFollowsTheWindowFont();
};

namespace {

const char* const Notes[] = {"LNotaVersaoMT", "LNotaTesteMT"};

QString where(const QString& what)
{
    return QStringLiteral("%1 at QT_SCALE_FACTOR=%2")
        .arg(what, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
}

QRect onPage(const QWidget* w, const QWidget* page)
{
    return QRect(w->mapTo(page, QPoint()), w->size());
}

// Applies a window font and lets the posted layout requests run.
void setWindowFont(App& app, int pixelSize)
{
    QFont f = app.main->font();
    f.setPixelSize(pixelSize);
    app.main->setFont(f);
    QTest::qWait(20);
}

// Where drawing units fall on the figure, in its logical pixels.
QTransform drawingToWidget(const TransistorFigure* fig)
{
    QImage probe(1, 1, QImage::Format_ARGB32);
    QPainter p(&probe);
    TransistorFigure::fitDrawing(p, fig->size());
    return p.worldTransform();
}

// The figure as the widget paints it, or its circuit alone, at the screen's pixel ratio.
QImage render(const TransistorFigure* fig, bool captions)
{
    if (captions)
        return const_cast<TransistorFigure*>(fig)->grab().toImage();
    const qreal dpr = fig->devicePixelRatioF();
    QImage img(fig->size() * dpr, QImage::Format_ARGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    TransistorFigure::fitDrawing(p, fig->size());
    TransistorFigure::paintCircuit(p);
    return img;
}

// The darkest grey level of the image inside `box` (logical pixels of the figure).
int darkest(const QImage& img, const QRectF& box)
{
    const qreal dpr = img.devicePixelRatio();
    const QRect px = QRectF(box.topLeft() * dpr, box.size() * dpr).toAlignedRect() & img.rect();
    int least = 255;
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x)
            least = std::min(least, qGray(img.pixel(x, y)));
    return least;
}

struct Figure {
    App app;
    TransistorFigure* fig = nullptr;
    Figure()
    {
        app.showTab("TModTransis");
        fig = app.find<TransistorFigure>("Image7");
    }
};

void checkNotes(const App& app)
{
    QWidget* page = app.find<QWidget>("TModTransis");
    const QRect results = onPage(app.find<QWidget>("GBExcitacaoMT"), page);
    const QRect figure = onPage(app.find<QWidget>("PFiguraMT"), page);
    QRect previous;
    for (const char* name : Notes) {
        auto* l = app.find<QLabel>(name);
        QVERIFY2(l && l->isVisible(), name);
        const QRect r = onPage(l, page);
        QVERIFY2(showsWholeText(l),
                 qPrintable(where(QStringLiteral("%1 %2x%3 shows only part of its text")
                                      .arg(QLatin1String(name))
                                      .arg(l->width())
                                      .arg(l->height()))));
        QVERIFY2(page->rect().contains(r), qPrintable(where(QLatin1String(name))));
        QVERIFY2(!r.intersects(results) && !r.intersects(figure),
                 qPrintable(where(QLatin1String(name))));
        QVERIFY2(!r.intersects(previous), qPrintable(where(QLatin1String(name))));
        previous = r;
    }
}

// The subscript "10" of the formula: between the end of "Log" and the "(",
// its baseline below the formula's and its figures still on the formula's line.
void checkSubscript(const App& app)
{
    auto* formula = app.find<QLabel>("StaticText1");
    auto* index = app.find<QLabel>("StaticText2");
    QVERIFY(formula && index);
    QCOMPARE(index->parentWidget(), formula->parentWidget());
    QCOMPARE(formula->text(), QStringLiteral("AWG = 50-10*Log   (2100*Corrente/Sigma)"));
    QVERIFY(showsWholeText(formula));
    QVERIFY(showsWholeText(index));

    const QFontMetricsF fm(formula->font(), formula);
    const QPointF at = formula->pos() + formula->contentsRect().topLeft();
    const qreal logEnd = at.x() + fm.horizontalAdvance(QStringLiteral("AWG = 50-10*Log"));
    const qreal paren = at.x() + fm.horizontalAdvance(QStringLiteral("AWG = 50-10*Log   "))
                        + fm.leftBearing(QLatin1Char('('));
    const qreal baseline = at.y() + fm.ascent();

    const QFontMetricsF sub(index->font(), index);
    const QPointF subAt = index->pos() + index->contentsRect().topLeft();
    const qreal subBaseline = subAt.y() + sub.ascent();
    const QRectF ink = sub.tightBoundingRect(index->text()).translated(subAt.x(), subBaseline);

    const QString state = where(QStringLiteral("\"10\" ink %1..%2, \"Log\" ends at %3, \"(\" at %4")
                                    .arg(ink.left())
                                    .arg(ink.right())
                                    .arg(logEnd)
                                    .arg(paren));
    QVERIFY2(ink.left() >= logEnd && ink.right() < paren, qPrintable(state));
    QVERIFY2(subBaseline > baseline, qPrintable(where(QStringLiteral("not lowered"))));
    QVERIFY2(ink.top() < baseline + fm.descent(),
             qPrintable(where(QStringLiteral("dropped off the formula's line"))));
    QVERIFY(sub.height() < fm.height());
}

} // namespace

void TestUiScaling::figureCaptionsKeepClearOfEachOther()
{
    Figure f;
    QVERIFY(f.fig && f.fig->isVisible());
    const auto caps = f.fig->captions();
    QStringList texts;
    for (const auto& c : caps)
        texts << c.text;
    for (const char* t :
         {"Q1", "Q2", "Q3",  "Re", "R1", "D1", "D2",      "Vcc",    "Rd",         "m2",       "n2",
          "Ro", "Ib", "Ic0", "I1", "I2", "Id", "Transf.", "driver", "Transf. de", "modulação"})
        QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
    const QRectF drawing(0, 0, TransistorFigure::DrawingWidth, TransistorFigure::DrawingHeight);
    for (int i = 0; i < caps.size(); ++i) {
        QVERIFY2(drawing.adjusted(1, 1, -1, -1).contains(caps[i].ink),
                 qPrintable(where(caps[i].text)));
        QVERIFY(!caps[i].ink.isEmpty());
        for (int j = i + 1; j < caps.size(); ++j)
            QVERIFY2(!caps[i].ink.adjusted(-1, -1, 1, 1).intersects(caps[j].ink),
                     qPrintable(where(caps[i].text + QStringLiteral(" on ") + caps[j].text)));
    }
}

void TestUiScaling::figureCaptionsLieOnWhitePaper()
{
    Figure f;
    const QImage circuit = render(f.fig, false);
    const QTransform toWidget = drawingToWidget(f.fig);
    // The circuit itself is drawn, so a white box means a clear caption.
    QVERIFY(darkest(circuit, QRectF(QPointF(), f.fig->size())) < 80);
    for (const auto& c : f.fig->captions()) {
        // A drawing unit of white around the glyphs, so no line touches a caption.
        const QRectF box = toWidget.mapRect(c.ink.adjusted(-1, -1, 1, 1));
        const int g = darkest(circuit, box);
        QVERIFY2(g > 200,
                 qPrintable(
                     where(QStringLiteral("%1 lies on the circuit (grey %2)").arg(c.text).arg(g))));
    }
}

void TestUiScaling::figurePaintsEachCaptionWhereItIsPlaced()
{
    Figure f;
    const QImage painted = render(f.fig, true);
    QVERIFY(painted.devicePixelRatio() == f.fig->devicePixelRatioF());
    const QImage circuit = render(f.fig, false);
    const QTransform toWidget = drawingToWidget(f.fig);
    for (const auto& c : f.fig->captions()) {
        const QRectF box = toWidget.mapRect(c.ink);
        QVERIFY2(darkest(painted, box) < 100 && darkest(circuit, box) > 200,
                 qPrintable(where(c.text + QStringLiteral(" is not painted in its place"))));
    }
}

void TestUiScaling::notesFitAndKeepClearOfTheResults()
{
    App app;
    app.showTab("TModTransis");
    checkNotes(app);
    // The form as drawn: the two notes on consecutive lines from y 560.
    QWidget* page = app.find<QWidget>("TModTransis");
    QCOMPARE(onPage(app.find<QLabel>("LNotaVersaoMT"), page).top(), 560);
    QCOMPARE(onPage(app.find<QLabel>("LNotaTesteMT"), page).top(), 580);
}

void TestUiScaling::notesWrapRatherThanClipWithAWiderFont()
{
    App app;
    app.showTab("TModTransis");
    setWindowFont(app, 14);
    auto* first = app.find<QLabel>("LNotaVersaoMT");
    QVERIFY2(first->fontMetrics().horizontalAdvance(first->text()) > first->width(),
             "the wider font makes the first note longer than its room");
    checkNotes(app);
}

void TestUiScaling::labelsOfBothTabsShowTheirWholeText()
{
    App app;
    for (const char* tab : {"TModTransis", "TAjustes"}) {
        app.showTab(tab);
        QTest::qWait(10);
        QWidget* page = app.find<QWidget>(tab);
        QList<QLabel*> shown;
        for (QLabel* l : page->findChildren<QLabel*>())
            if (l->isVisible() && !l->text().isEmpty())
                shown << l;
        QVERIFY(shown.size() >= 4);
        for (QLabel* l : shown)
            QVERIFY2(showsWholeText(l), qPrintable(where(l->text())));
        for (int i = 0; i < shown.size(); ++i)
            for (int j = i + 1; j < shown.size(); ++j) {
                const QString a = shown[i]->objectName(), b = shown[j]->objectName();
                // The subscript sits in its formula's line box by design; checked on its own.
                if (a.startsWith(QLatin1String("StaticText"))
                    && b.startsWith(QLatin1String("StaticText")))
                    continue;
                QVERIFY2(!onPage(shown[i], page).intersects(onPage(shown[j], page)),
                         qPrintable(
                             where(shown[i]->text() + QStringLiteral(" on ") + shown[j]->text())));
            }
    }
}

void TestUiScaling::logSubscriptSitsBetweenLogAndTheParenthesis()
{
    App app;
    app.showTab("TAjustes");
    checkSubscript(app);
}

void TestUiScaling::logSubscriptFollowsTheWindowFont()
{
    App app;
    app.showTab("TAjustes");
    for (int px : {16, 14, 11}) {
        setWindowFont(app, px);
        checkSubscript(app);
    }
}

int main(int argc, char** argv)
{
    return kelvora::test::runAtEveryScale<TestUiScaling>(argc, argv);
}

#include "test_ui_scaling.moc"
