// The valve modulator tab and the three secondary windows at 100 %, 150 % and 200 %:
// every caption shown whole, none on another, none on the circuit, the core window's
// note in reading ink, the pi-network button on blank paper and its window's form whole. main() runs the cases once per scale, each in a child process
// with its own QT_SCALE_FACTOR.
#include "at_every_scale.h"
#include "modulator_diagram.h"
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QTableView>

#include <algorithm>

using namespace kelvora;
using namespace kelvora::test;

class TestUiScalingValvul : public QObject {
    Q_OBJECT
private slots:
    void valveTabShowsEveryCaptionWhole();
    void valveTabCaptionsKeepClearOfEachOther();
    void diagramCaptionsLieOnWhitePaper();
    void diagramCaptionsStayWithinTheCircuit();
    void piButtonStandsOnBlankPaper();
    void secondaryWindowsShowEveryCaptionWhole();
    void piWindowShowsItsFormWhole();
    void coreNoteReadsInNormalInk();
};

namespace {

QString where(const QString& what)
{
    return QStringLiteral("%1 at QT_SCALE_FACTOR=%2")
        .arg(what, qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
}

QString describe(const QWidget* w)
{
    QString text;
    if (auto* l = qobject_cast<const QLabel*>(w))
        text = l->text();
    else if (auto* b = qobject_cast<const QAbstractButton*>(w))
        text = b->text();
    return QStringLiteral("%1 \"%2\"").arg(w->objectName(), text);
}

QRect onTop(const QWidget* w, const QWidget* top)
{
    return QRect(w->mapTo(top, QPoint()), w->size());
}

using kelvora::test::showsWholeText; // the label's, beside the button's below

// A button, radio button or check box is as large as its caption and indicator need.
bool showsWholeText(const QAbstractButton* b)
{
    const QSize need = b->sizeHint();
    return need.width() <= b->width() && need.height() <= b->height();
}

// What a user reads or types into under `top`: captions, values, buttons,
// fields and combos (a combo's own line edit belongs to the combo).
QList<QWidget*> readable(const QWidget* top)
{
    QList<QWidget*> out;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty())
            out << w;
        else if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                 || qobject_cast<QComboBox*>(w) || qobject_cast<QPlainTextEdit*>(w))
            out << w;
    }
    return out;
}

// Appends to `problems` every control under `top` that shows part of its caption.
void checkWhole(const QWidget* top, QStringList& problems)
{
    for (QWidget* w : readable(top)) {
        auto* l = qobject_cast<QLabel*>(w);
        auto* b = qobject_cast<QAbstractButton*>(w);
        if ((l && !showsWholeText(l)) || (b && !showsWholeText(b)))
            problems << where(QStringLiteral("%1 is %2x%3 but needs %4x%5")
                                  .arg(describe(w))
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(w->sizeHint().width())
                                  .arg(w->sizeHint().height()));
        if (!top->rect().contains(onTop(w, top)))
            problems << where(describe(w) + QStringLiteral(" reaches out of ") + top->objectName());
    }
}

// No two readable controls share a pixel, nor touch: one pixel of room at least.
void checkClear(const QWidget* top, QStringList& problems)
{
    const QList<QWidget*> shown = readable(top);
    for (int i = 0; i < shown.size(); ++i) {
        const QRect a = onTop(shown[i], top);
        for (int j = i + 1; j < shown.size(); ++j) {
            const QRect b = onTop(shown[j], top);
            if (a.adjusted(-1, -1, 1, 1).intersects(b))
                problems << where(QStringLiteral("%1 (%2,%3 %4x%5) on %6 (%7,%8 %9x%10)")
                                      .arg(describe(shown[i]))
                                      .arg(a.x())
                                      .arg(a.y())
                                      .arg(a.width())
                                      .arg(a.height())
                                      .arg(describe(shown[j]))
                                      .arg(b.x())
                                      .arg(b.y())
                                      .arg(b.width())
                                      .arg(b.height()));
        }
    }
}

// Every problem on a line of its own: QTest cuts a long message short.
bool allClear(const QStringList& problems)
{
    for (const QString& p : problems)
        qWarning("%s", qPrintable(p));
    return problems.isEmpty();
}

struct ValveTab {
    App app;
    QWidget* page = nullptr;
    QWidget* panel = nullptr;
    ValveTab()
    {
        app.showTab("TModValvul");
        QTest::qWait(10);
        page = app.find<QWidget>("TModValvul");
        panel = app.find<QWidget>("PDiagrama");
    }
    // 0 = transformer coupling, 1 = reactor coupling.
    void couple(int index)
    {
        app.find<QComboBox>("CBSelTM")->setCurrentIndex(index);
        QTest::qWait(10);
    }
    // Runs a check in both couplings, naming the coupling in what it finds.
    template <class Check>
    void inEachCoupling(QStringList& problems, Check check)
    {
        for (int coupling : {0, 1}) {
            const qsizetype from = problems.size();
            couple(coupling);
            check(coupling);
            for (qsizetype i = from; i < problems.size(); ++i)
                problems[i].prepend(coupling ? QStringLiteral("reactor coupling: ")
                                             : QStringLiteral("transformer coupling: "));
        }
    }
    ModulatorDiagram* shownDiagram() const
    {
        for (auto* d : panel->findChildren<ModulatorDiagram*>())
            if (d->isVisible())
                return d;
        return nullptr;
    }
    QList<QLabel*> diagramCaptions() const
    {
        QList<QLabel*> out;
        for (QLabel* l : panel->findChildren<QLabel*>())
            if (l->isVisible() && !l->text().isEmpty())
                out << l;
        return out;
    }
};

// The line box of a single-line label's text (advance by line height), in its parent's
// coordinates: where QLabel puts the text inside its contents.
QRect textBox(const QLabel* l)
{
    const QFontMetrics fm(l->font(), l);
    const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(),
                                                  -l->margin());
    const QSize box = fm.size(Qt::TextSingleLine, l->text());
    return QStyle::alignedRect(l->layoutDirection(), l->alignment(), box, room)
        .translated(l->pos());
}

// Where the glyphs of a single-line label fall, in its parent's coordinates.
QRectF textInk(const QLabel* l)
{
    const QFontMetricsF fm(l->font(), l);
    const QRect line = textBox(l);
    return fm.tightBoundingRect(l->text()).translated(line.left(), line.top() + fm.ascent());
}

// The groups and the diagram panel keep apart, and nothing outside one lies on it
// but `overlay.first`, a control laid on the paper of panel `overlay.second` on purpose.
void checkPanelsApart(const QWidget* top, const QList<QWidget*>& panels, QStringList& problems,
                      std::pair<const QWidget*, const QWidget*> overlay = {})
{
    const QList<QWidget*> shown = readable(top);
    for (int i = 0; i < panels.size(); ++i) {
        const QRect p = onTop(panels[i], top);
        for (int j = i + 1; j < panels.size(); ++j)
            if (p.intersects(onTop(panels[j], top)))
                problems << where(panels[i]->objectName() + QStringLiteral(" on ")
                                  + panels[j]->objectName());
        for (QWidget* w : shown)
            if (!panels[i]->isAncestorOf(w) && p.intersects(onTop(w, top))
                && !(w == overlay.first && panels[i] == overlay.second))
                problems << where(describe(w) + QStringLiteral(" on ") + panels[i]->objectName());
    }
}

// Two captions on one line read as one phrase unless an em of white parts them.
void checkCaptionsApart(const QWidget* top, QStringList& problems)
{
    QList<QLabel*> captions;
    for (QWidget* w : readable(top))
        if (auto* l = qobject_cast<QLabel*>(w); l && l->frameShape() == QFrame::NoFrame)
            captions << l;
    for (int i = 0; i < captions.size(); ++i) {
        const QRect a =
            textBox(captions[i]).translated(captions[i]->parentWidget()->mapTo(top, QPoint()));
        for (int j = i + 1; j < captions.size(); ++j) {
            const QRect b =
                textBox(captions[j]).translated(captions[j]->parentWidget()->mapTo(top, QPoint()));
            // On one line: their middles less than half a line apart.
            if (2 * std::abs(a.center().y() - b.center().y()) >= std::min(a.height(), b.height()))
                continue;
            const int em = std::min(QFontInfo(captions[i]->font()).pixelSize(),
                                    QFontInfo(captions[j]->font()).pixelSize());
            const int gap = std::max(b.left() - a.right(), a.left() - b.right()) - 1;
            if (gap < em)
                problems << where(QStringLiteral("%1 and %2 are %3 px apart on one line, "
                                                 "less than an em (%4)")
                                      .arg(describe(captions[i]), describe(captions[j]))
                                      .arg(gap)
                                      .arg(em));
        }
    }
}

// The circuit alone, painted as the panel shows it, at the screen's pixel ratio.
QImage circuit(const ModulatorDiagram* d)
{
    const qreal dpr = d->devicePixelRatioF();
    QImage img(d->size() * dpr, QImage::Format_ARGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::white);
    QPainter p(&img);
    const_cast<ModulatorDiagram*>(d)->render(&p, QPoint(), QRegion(), QWidget::RenderFlags());
    return img;
}

// The darkest grey level inside `box` (logical pixels), 255 for a box off the image.
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

// Left and right end of what is drawn, in logical pixels.
std::pair<qreal, qreal> inkColumns(const QImage& img)
{
    const qreal dpr = img.devicePixelRatio();
    int left = img.width(), right = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qGray(img.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left / dpr, (right + 1) / dpr};
}

} // namespace

void TestUiScalingValvul::valveTabShowsEveryCaptionWhole()
{
    ValveTab t;
    // Two captions that look cut short are the system's own words, and shown whole below.
    const QList<QLabel*> labels = t.page->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* l) {
        return l->text()
               == QStringLiteral("Potência mínima necessária no modulador para 100% de modul:");
    }));
    QCOMPARE(t.app.find<QRadioButton>("RBNormal")->text(),
             QStringLiteral("Radical (0% de sobra de potência)"));
    QStringList problems;
    t.inEachCoupling(problems, [&](int) {
        QVERIFY(readable(t.page).size() > 60);
        checkWhole(t.page, problems);
        for (QGroupBox* g : t.page->findChildren<QGroupBox*>())
            if (g->fontMetrics().horizontalAdvance(g->title()) >= g->width())
                problems << where(g->title());
    });
    QVERIFY2(allClear(problems), "see the warnings above");
}

void TestUiScalingValvul::valveTabCaptionsKeepClearOfEachOther()
{
    ValveTab t;
    QStringList problems;
    t.inEachCoupling(problems, [&](int) {
        checkClear(t.page, problems);
        checkCaptionsApart(t.page, problems);
        QList<QWidget*> panels{t.panel};
        for (QGroupBox* g : t.page->findChildren<QGroupBox*>())
            panels << g;
        QCOMPARE(panels.size(), 8);
        // The pi-network button stands on the diagram's paper (see below).
        checkPanelsApart(t.page, panels, problems, {t.app.find("BCircuitoPI"), t.panel});
    });
    QVERIFY2(allClear(problems), "see the warnings above");
}

void TestUiScalingValvul::diagramCaptionsLieOnWhitePaper()
{
    ValveTab t;
    QStringList problems;
    t.inEachCoupling(problems, [&](int) {
        const ModulatorDiagram* d = t.shownDiagram();
        QVERIFY(d);
        QCOMPARE(d->pos(), QPoint());
        const QImage drawn = circuit(d);
        QVERIFY(darkest(drawn, QRectF(QPointF(), d->size())) < 80);
        const QList<QLabel*> captions = t.diagramCaptions();
        QVERIFY(captions.size() >= 15);
        for (QLabel* l : captions) {
            // A quarter of a line of white all round: a caption reads apart from the lines.
            const qreal room = QFontMetricsF(l->font(), l).height() / 4;
            const QRectF ink = textInk(l);
            const int g = darkest(drawn, ink.adjusted(-room, -room, room, room));
            if (g <= 200)
                problems << where(QStringLiteral("%1 (ink x %2..%3, y %4..%5) lies on the "
                                                 "circuit (grey %6)")
                                      .arg(describe(l))
                                      .arg(ink.left())
                                      .arg(ink.right())
                                      .arg(ink.top())
                                      .arg(ink.bottom())
                                      .arg(g));
        }
    });
    QVERIFY2(allClear(problems), "see the warnings above");
}

void TestUiScalingValvul::diagramCaptionsStayWithinTheCircuit()
{
    ValveTab t;
    QStringList problems;
    t.inEachCoupling(problems, [&](int) {
        const ModulatorDiagram* d = t.shownDiagram();
        QVERIFY(d);
        // The white left and right of the circuit is the drawing's margin: no text in it.
        const auto [left, right] = inkColumns(circuit(d));
        QVERIFY(left > 0 && right < d->width());
        for (QLabel* l : t.diagramCaptions()) {
            const QRectF ink = textInk(l);
            if (ink.left() < left || ink.right() > right || ink.top() < 0
                || ink.bottom() > d->height())
                problems << where(QStringLiteral("%1 (ink x %2..%3) is outside the circuit "
                                                 "(x %4..%5)")
                                      .arg(describe(l))
                                      .arg(ink.left())
                                      .arg(ink.right())
                                      .arg(left)
                                      .arg(right));
        }
    });
    QVERIFY2(allClear(problems), "see the warnings above");
}

void TestUiScalingValvul::piButtonStandsOnBlankPaper()
{
    ValveTab t;
    QStringList problems;
    auto* button = t.app.find<QPushButton>("BCircuitoPI");
    QVERIFY(button && button->parentWidget() == t.page);
    t.inEachCoupling(problems, [&](int) {
        QVERIFY(button->isVisible());
        const ModulatorDiagram* d = t.shownDiagram();
        QVERIFY(d);
        // Whole on the paper, with a quarter of a line of white all round.
        const QRect r = QRect(t.panel->mapFrom(t.page, button->pos()), button->size());
        const qreal room = QFontMetricsF(button->font(), button).height() / 4;
        const QRectF around = QRectF(r).adjusted(-room, -room, room, room);
        if (!QRectF(t.panel->rect()).contains(around))
            problems << where(QStringLiteral("BCircuitoPI reaches off the diagram"));
        const int g = darkest(circuit(d), around);
        if (g <= 200)
            problems << where(QStringLiteral("BCircuitoPI lies on the circuit (grey %1)").arg(g));
        for (QLabel* l : t.diagramCaptions())
            if (around.intersects(textInk(l)))
                problems << where(describe(l) + QStringLiteral(" under BCircuitoPI"));
    });
    QVERIFY2(allClear(problems), "see the warnings above");
}

void TestUiScalingValvul::secondaryWindowsShowEveryCaptionWhole()
{
    App app;
    app.main->BBVisNucleoTMClick(); // fills and shows the core window
    app.calcPi->show();
    app.calcReator->show();
    QStringList problems;
    for (QWidget* w :
         {static_cast<QWidget*>(app.nucleo.get()), static_cast<QWidget*>(app.calcPi.get()),
          static_cast<QWidget*>(app.calcReator.get())}) {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(!readable(w).isEmpty());
        checkWhole(w, problems);
        checkClear(w, problems);
    }
    QVERIFY2(allClear(problems), "see the warnings above");
    // The close buttons keep their place in the form; the pi network's sits
    // centred under its form.
    const QWidget* closePi = app.calcPi->findChild<QPushButton*>("Button1");
    QVERIFY(std::abs(closePi->geometry().center().x() - app.calcPi->width() / 2) <= 1);
    for (QWidget* w : readable(app.calcPi.get()))
        QVERIFY2(w == closePi || onTop(w, app.calcPi.get()).bottom() < closePi->y(),
                 qPrintable(describe(w)));
    QCOMPARE(app.calcReator->findChild<QPushButton*>("Button1")->y(), 400);
}

void TestUiScalingValvul::piWindowShowsItsFormWhole()
{
    App app;
    app.showTab("TModValvul");
    QTest::qWait(10);
    app.main->BCircuitoPIClick(); // the tab's button
    TFCalcPI* pi = app.calcPi.get();
    QVERIFY(QTest::qWaitForWindowExposed(pi));
    auto* q = pi->findChild<QLineEdit*>(QStringLiteral("EPiQ"));
    auto* table = pi->findChild<QTableView*>(QStringLiteral("TVPiBandas"));
    QVERIFY(q && table);
    QStringList problems;
    // With every value, and with the longest message instead.
    for (const char* typed : {"12", "3"}) {
        q->setText(QString::fromLatin1(typed));
        QVERIFY(!readable(pi).isEmpty());
        checkWhole(pi, problems);
        checkClear(pi, problems);
        checkCaptionsApart(pi, problems);
        // Every band and every column in view, each value whole.
        if (table->viewport()->height() < table->verticalHeader()->length())
            problems << where(QStringLiteral("the band table hides rows"));
        const QAbstractItemView* view = table;
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            const int need = std::max(view->sizeHintForColumn(c),
                                      table->horizontalHeader()->sectionSizeHint(c));
            if (table->columnWidth(c) < need)
                problems << where(QStringLiteral("band table column %1 is %2 wide, needs %3")
                                      .arg(c)
                                      .arg(table->columnWidth(c))
                                      .arg(need));
        }
        QList<QWidget*> groups;
        for (QGroupBox* g : pi->findChildren<QGroupBox*>()) {
            groups << g;
            if (g->fontMetrics().horizontalAdvance(g->title()) >= g->width())
                problems << where(g->title());
        }
        QCOMPARE(groups.size(), 4);
        checkPanelsApart(pi, groups, problems);
    }
    QVERIFY2(allClear(problems), "see the warnings above");
}

void TestUiScalingValvul::coreNoteReadsInNormalInk()
{
    App app;
    app.main->BBVisNucleoTMClick();
    auto* memo = app.nucleo->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QVERIFY(memo && memo->isVisible());
    QVERIFY(!memo->isEnabled()); // a note, not a field
    const QImage shown = memo->viewport()->grab().toImage();
    const int ink = darkest(shown, QRectF(QPointF(), memo->viewport()->size()));
    const int text = qGray(QApplication::palette().color(QPalette::Active, QPalette::Text).rgb());
    QVERIFY2(
        ink <= text + 40,
        qPrintable(where(
            QStringLiteral("the note's darkest ink is grey %1, text is %2").arg(ink).arg(text))));
}

int main(int argc, char** argv)
{
    return kelvora::test::runAtEveryScale<TestUiScalingValvul>(argc, argv);
}

#include "test_ui_scaling_valvul.moc"
