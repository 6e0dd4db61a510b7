// The program's other windows on a screen smaller than their forms, at 100 %,
// 150 % and 200 %: each fits the screen and every button, field and list in it
// can be scrolled into view; the Construção window on a 1366 x 768 screen with
// the adviser's table open keeps its figures, rows and voltages in view.
#include "Uconstrucao.h"
#include "Ufonte.h"
#include "at_every_scale.h"
#include "scroll_window.h"
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>

using namespace kelvora;
using namespace kelvora::test;

class TestUiScalingWindows : public QObject {
    Q_OBJECT
private slots:
    void everyWindowFitsASmallScreenAndScrolls();
    void construcaoOnA1366x768Screen();
    void windowsOpenInsideTheirScreen();
};

namespace {

qreal scale() { return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(); }

QString where(const QString& what)
{
    return QStringLiteral("%1 at QT_SCALE_FACTOR=%2").arg(what).arg(scale());
}

// A screen of that many device pixels, in the logical pixels windows are laid out in.
QSize screenOf(int width, int height)
{
    return QSize(qFloor(width / scale()), qFloor(height / scale()));
}

// The room fitWindowInto leaves a window on a screen: the title bar and frame off.
QSize roomOn(const QSize& screen) { return screen - QSize(16, 48); }

QRect onTop(const QWidget* w, const QWidget* top) { return QRect(w->mapTo(top, QPoint()), w->size()); }

TFConstrucao* openConstrucao(App& app)
{
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoTA"), Qt::LeftButton);
    TFConstrucao* w = app.main->construcao();
    return w && QTest::qWaitForWindowExposed(w) ? w : nullptr;
}

// Scrolls each button, field and list of the window into its area's view and
// checks it is then wholly inside; returns how many there were.
int checkReachable(QWidget* window, QStringList& problems)
{
    auto* area = window->findChild<WindowScrollArea*>();
    if (!area) {
        problems << where(window->objectName() + QStringLiteral(" has no scrolling area"));
        return 0;
    }
    int checked = 0;
    for (QWidget* w : area->widget()->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                             || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
        if (!control || !w->isVisibleTo(window) || qobject_cast<QComboBox*>(w->parentWidget())
            || qobject_cast<QAbstractItemView*>(w->parentWidget()))
            continue;
        // The whole control (ensureWidgetVisible would settle for an edit's cursor);
        // of a list larger than the view, as much as the view holds from its top left.
        const QSize whole = w->size().boundedTo(area->viewport()->size() - QSize(4, 4));
        const QPoint centre = w->mapTo(area->widget(), QRect(QPoint(), whole).center());
        area->ensureVisible(centre.x(), centre.y(), whole.width() / 2 + 1, whole.height() / 2 + 1);
        const QRect onViewport(w->mapTo(area->viewport(), QPoint()), whole);
        if (!area->viewport()->rect().contains(onViewport))
            problems << where(QStringLiteral("%1 %2 at (%3, %4) %5 x %6 outside %7 x %8")
                                  .arg(window->objectName(), w->objectName())
                                  .arg(onViewport.x())
                                  .arg(onViewport.y())
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(area->viewport()->width())
                                  .arg(area->viewport()->height()));
        ++checked;
    }
    return checked;
}

} // namespace

void TestUiScalingWindows::everyWindowFitsASmallScreenAndScrolls()
{
    App app;
    // A 1366 x 768 screen at 200 %, at every scale: smaller than every window.
    const QSize screen(683, 384);
    QStringList problems;
    auto fitAndCheck = [&](QWidget* w, int least) {
        if (!w || !QTest::qWaitForWindowExposed(w)) {
            problems << where(QStringLiteral("a window did not open"));
            return;
        }
        fitWindowInto(w, screen);
        QTest::qWait(20);
        const QSize room = roomOn(screen);
        if (w->width() > room.width() || w->height() > room.height())
            problems << where(QStringLiteral("%1 is %2 x %3 on a %4 x %5 screen")
                                  .arg(w->objectName())
                                  .arg(w->width())
                                  .arg(w->height())
                                  .arg(screen.width())
                                  .arg(screen.height()));
        auto* area = w->findChild<WindowScrollArea*>();
        if (area && area->verticalScrollBar()->maximum() == 0)
            problems << where(w->objectName() + QStringLiteral(" does not scroll"));
        const int checked = checkReachable(w, problems);
        if (checked < least)
            problems << where(QStringLiteral("%1: %2 controls, %3 expected")
                                  .arg(w->objectName())
                                  .arg(checked)
                                  .arg(least));
        w->hide();
    };

    app.main->BBVisNucleoTAClick();
    fitAndCheck(app.nucleo.get(), 1); // the E/I drawing, with "Fecha Visualização"
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoU"), Qt::LeftButton);
    app.main->BBVisNucleoTAClick();
    QVERIFY(app.nucleo->showsUI());
    fitAndCheck(app.nucleo.get(), 1);
    QTest::mouseClick(app.find<QRadioButton>("RBNucleoE"), Qt::LeftButton);

    app.showTab("TModValvul");
    app.main->BCircuitoPIClick();
    fitAndCheck(app.calcPi.get(), 8); // five fields, two lists, the table, the button

    app.calcReator->show();
    fitAndCheck(app.calcReator.get(), 1);

    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BBFonteTA"), Qt::LeftButton);
    fitAndCheck(app.main->fonteWindow(), 20);

    TFConstrucao* w = openConstrucao(app);
    QVERIFY(w);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BSugereNucleo")), Qt::LeftButton);
    fitAndCheck(w, 20);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    QVERIFY(app.errors.isEmpty());
}

void TestUiScalingWindows::construcaoOnA1366x768Screen()
{
    App app;
    TFConstrucao* w = openConstrucao(app);
    QVERIFY(w);
    QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("BSugereNucleo")), Qt::LeftButton);
    auto* advice = w->findChild<QTableView*>(QStringLiteral("GSugestoes"));
    QVERIFY(advice && advice->isVisible() && advice->model()->rowCount() > 0);
    const QSize screen = screenOf(1366, 768);
    fitWindowInto(w, screen);
    QTest::qWait(20);
    const QSize room = roomOn(screen);
    QVERIFY(w->width() <= room.width() && w->height() <= room.height());
    auto* area = w->findChild<WindowScrollArea*>();
    QVERIFY(area);
    QStringList problems;
    // At 100 % the form is no wider than the screen's room: nothing to scroll sideways.
    if (scale() == 1 && area->horizontalScrollBar()->maximum() > 0)
        problems << where(QStringLiteral("the form is %1 px wide in a %2 px window")
                              .arg(area->widget()->width())
                              .arg(w->width()));

    // The windings: every row in view in the table, the name and the three
    // voltages in view at the table's left without scrolling it sideways.
    auto* table = w->findChild<QTableView*>(QStringLiteral("TVCoEnrolamentos"));
    const QHeaderView* header = table->horizontalHeader();
    if (table->verticalScrollBar()->maximum() > 0)
        problems << where(QStringLiteral("the windings table hides rows"));
    QCOMPARE(table->horizontalScrollBar()->value(), 0);
    area->ensureWidgetVisible(table, 0, 0);
    const QRect inView = area->viewport()->rect();
    for (int v = 0; v < 4; ++v) {
        const int c = header->logicalIndex(v);
        const QRect section(table->viewport()->mapTo(area->viewport(),
                                                     QPoint(header->sectionViewportPosition(c), 0)),
                            QSize(header->sectionSize(c), 1));
        if (!table->viewport()->rect().contains(
                QRect(header->sectionViewportPosition(c), 0, header->sectionSize(c), 1))
            || (scale() < 2 && !inView.contains(section)))
            problems << where(table->model()->headerData(c, Qt::Horizontal).toString().simplified()
                              + QStringLiteral(" is not in view"));
    }
    // Rows as tall as their text, in both tables.
    for (const QTableView* t : {static_cast<const QTableView*>(table), static_cast<const QTableView*>(advice)})
        for (int r = 0; r < t->model()->rowCount(); ++r)
            if (t->rowHeight(r) < t->fontMetrics().height())
                problems << where(QStringLiteral("%1 row %2 is %3 px high")
                                      .arg(t->objectName())
                                      .arg(r)
                                      .arg(t->rowHeight(r)));
    // The cross-section drawn at a readable size, with nothing on it.
    QWidget* section = w->findChild<QWidget*>(QStringLiteral("PBCoCorte"));
    if (section->width() < 150 || section->height() < 150)
        problems << where(QStringLiteral("the cross-section is %1 x %2")
                              .arg(section->width())
                              .arg(section->height()));
    const QRect drawn = onTop(section, w);
    for (QWidget* o : area->widget()->findChildren<QWidget*>())
        if (o != section && o->isVisibleTo(w) && !section->isAncestorOf(o)
            && !o->isAncestorOf(section) && drawn.intersects(onTop(o, w)))
            problems << where(o->objectName() + QLatin1Char(' ') + o->metaObject()->className()
                              + QStringLiteral(" lies on the cross-section"));
    // Every figure whole.
    for (QLabel* l : w->findChildren<QLabel*>())
        if (l->isVisibleTo(w) && !l->text().isEmpty() && !showsWholeText(l))
            problems << where(QStringLiteral("%1 \"%2\" is %3 x %4, needs %5 x %6")
                                  .arg(l->objectName(), l->text())
                                  .arg(l->width())
                                  .arg(l->height())
                                  .arg(l->sizeHint().width())
                                  .arg(l->sizeHint().height()));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

// Last: the fitting, once installed, applies to every window shown after.
void TestUiScalingWindows::windowsOpenInsideTheirScreen()
{
    App app;
    fitWindowsToScreens(qApp);
    TFConstrucao* w = openConstrucao(app);
    QVERIFY(w);
    const QSize room = roomOn(w->screen()->availableGeometry().size());
    // 1100 x 820 at the least, larger than the test's screen at any scale.
    QVERIFY(w->width() <= room.width() && w->height() <= room.height());
    QVERIFY(w->findChild<WindowScrollArea*>()->verticalScrollBar()->maximum() > 0);
    app.calcPi->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calcPi.get()));
    QVERIFY(app.calcPi->width() <= room.width() && app.calcPi->height() <= room.height());
}

int main(int argc, char** argv) { return runAtEveryScale<TestUiScalingWindows>(argc, argv); }

#include "test_ui_scaling_windows.moc"
