// The main window on a screen smaller than its pages, at 100 %, 150 % and
// 200 %: it fits the screen, the tabs scroll, and every button and field of
// every tab can be scrolled into view; on a large screen the tabs grow.
#include "at_every_scale.h"
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QScrollArea>
#include <QScrollBar>

using namespace kelvora;
using namespace kelvora::test;

class TestUiScalingScroll : public QObject {
    Q_OBJECT
private slots:
    void everyControlIsReachableOnASmallScreen();
    void theTabsGrowWithTheWindow();
    void onAShortScreenOnlyTheVerticalBarShows();
};

namespace {

const char* const Tabs[] = {"TTrafoAlim", "TModValvul", "TModTransis", "TReatorFiltro", "TAjustes"};

QString where(const char* what)
{
    return QStringLiteral("%1 at QT_SCALE_FACTOR=%2")
        .arg(QLatin1String(what), qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")));
}

} // namespace

void TestUiScalingScroll::everyControlIsReachableOnASmallScreen()
{
    App app;
    // A 1366 x 768 screen at 200 %: 683 x 384 logical pixels.
    const QSize screen(683, 384);
    app.main->fitInto(screen);
    QTest::qWait(20);
    QVERIFY(app.main->width() <= screen.width() && app.main->height() <= screen.height());
    auto* area = app.find<QScrollArea>("AreaAbas");
    QVERIFY(area->horizontalScrollBar()->maximum() > 0);
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
    for (const char* tab : Tabs) {
        app.showTab(tab);
        QWidget* page = app.find(tab);
        int checked = 0;
        for (QWidget* w : page->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)
                                 || qobject_cast<QComboBox*>(w);
            if (!control || !w->isVisibleTo(page) || qobject_cast<QComboBox*>(w->parentWidget()))
                continue;
            // The whole control (ensureWidgetVisible would settle for an edit's cursor).
            const QPoint centre = w->mapTo(area->widget(), w->rect().center());
            area->ensureVisible(centre.x(), centre.y(), w->width() / 2 + 1, w->height() / 2 + 1);
            const QRect onViewport(w->mapTo(area->viewport(), QPoint()), w->size());
            QVERIFY2(area->viewport()->rect().contains(onViewport),
                     qPrintable(QStringLiteral("%1 %2 at (%3, %4) %5 x %6 outside %7 x %8")
                                    .arg(where(tab), w->objectName())
                                    .arg(onViewport.x())
                                    .arg(onViewport.y())
                                    .arg(onViewport.width())
                                    .arg(onViewport.height())
                                    .arg(area->viewport()->width())
                                    .arg(area->viewport()->height())));
            ++checked;
        }
        QVERIFY2(checked >= 2, qPrintable(where(tab)));
    }
}

void TestUiScalingScroll::theTabsGrowWithTheWindow()
{
    App app;
    auto* pc = app.find<QTabWidget>("PageControl1");
    const QSize before = pc->size();
    app.main->resize(app.main->width() + 300, app.main->height() + 200);
    QTest::qWait(20);
    QCOMPARE(pc->size(), before + QSize(300, 200));
    auto* area = app.find<QScrollArea>("AreaAbas");
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(area->verticalScrollBar()->maximum(), 0);
}

int main(int argc, char** argv)
{
    return kelvora::test::runAtEveryScale<TestUiScalingScroll>(argc, argv);
}

#include "test_ui_scaling_scroll.moc"

void TestUiScalingScroll::onAShortScreenOnlyTheVerticalBarShows()
{
    // A 1366 x 768 screen at 100 %: the pages are taller than its room
    // (768 - 48 for the desktop's title bar) but far narrower than it.
    App app;
    app.main->growToPages(QSize(1366, 768));
    QTest::qWait(20);
    auto* area = app.find<QScrollArea>("AreaAbas");
    QVERIFY(app.main->height() <= 768 - 48);
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
    QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
}
