// The program's own start-up builds the first page at once and the others
// right after the first frame; the window must end up exactly as one built
// all at once, whatever the user does in between.
#include "Ukelvora1.h"
#include "keyboard.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

using namespace kelvora;

namespace {

// What each named control shows: its text, colours and whether it is shown
// (relative to its page, so that the current tab does not matter).
QStringList snapshot(TFKelvora& w)
{
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget* page = tabs->widget(i);
        for (QWidget* c : page->findChildren<QWidget*>()) {
            if (c->objectName().isEmpty() || c->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QString text;
            if (auto* l = qobject_cast<QLabel*>(c))
                text = l->text();
            else if (auto* e = qobject_cast<QLineEdit*>(c))
                text = e->text();
            else if (auto* b = qobject_cast<QComboBox*>(c))
                text = b->currentText() + QLatin1Char('#') + QString::number(b->count());
            else if (auto* r = qobject_cast<QAbstractButton*>(c))
                text = r->text() + (r->isChecked() ? QStringLiteral(" [x]") : QString());
            out << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(c->objectName(), text, c->palette().color(QPalette::Window).name(),
                            c->palette().color(QPalette::WindowText).name(),
                            c->isVisibleTo(page) ? QStringLiteral("shown")
                                                 : QStringLiteral("hidden"));
        }
    }
    out.sort();
    return out;
}

QStringList focusOrder(TFKelvora& w)
{
    QStringList names;
    QWidget* start = w.findChild<QLineEdit*>(QStringLiteral("EVp1"));
    QWidget* c = start;
    do {
        names << c->objectName();
        c = c->nextInFocusChain();
    } while (c && c != start && names.size() < 400);
    return names;
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void firstPageAtOnceTheRestAfterTheFirstFrame();
    void aPageChosenEarlyIsBuiltAndShown();
};

void TestStartup::firstPageAtOnceTheRestAfterTheFirstFrame()
{
    TFKelvora whole;
    whole.setDecimalSeparator(',');
    QVERIFY(whole.pagesBuilt());
    whole.show();
    QVERIFY(QTest::qWaitForWindowExposed(&whole));

    TFKelvora lazy(nullptr, TFKelvora::Pages::AfterFirstPaint);
    lazy.setDecimalSeparator(',');
    QVERIFY(!lazy.pagesBuilt());
    QVERIFY(lazy.findChild<QWidget*>(QStringLiteral("StaticText3"))); // the first page
    QVERIFY(!lazy.findChild<QWidget*>(QStringLiteral("EIs1")));
    QSignalSpy built(&lazy, &TFKelvora::allPagesBuilt);
    lazy.show();
    QVERIFY(QTest::qWaitForWindowExposed(&lazy));
    QVERIFY(built.wait(2000) || lazy.pagesBuilt());
    QCOMPARE(built.count(), 1);

    // The calculations that ran before the forms existed show their results.
    QCOMPARE(lazy.findChild<QLabel*>(QStringLiteral("LNprim1"))->text(),
             QStringLiteral("467,2 Esp"));
    QCOMPARE(snapshot(lazy), snapshot(whole));
    QCOMPARE(focusOrder(lazy), focusOrder(whole));

    // And the late pages recalculate on typing like the others.
    auto* tabs = lazy.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentWidget(lazy.findChild<QWidget*>(QStringLiteral("TTrafoAlim")));
    auto* is1 = lazy.findChild<QLineEdit*>(QStringLiteral("EIs1"));
    is1->setFocus();
    is1->selectAll();
    QTest::keyClicks(is1, QStringLiteral("200"));
    const QString before = whole.findChild<QLabel*>(QStringLiteral("LSs1"))->text();
    QVERIFY(lazy.findChild<QLabel*>(QStringLiteral("LSs1"))->text() != before);
}

void TestStartup::aPageChosenEarlyIsBuiltAndShown()
{
    TFKelvora lazy(nullptr, TFKelvora::Pages::AfterFirstPaint);
    lazy.show();
    // Before any event runs: the tab is chosen while its page is still empty.
    auto* tabs = lazy.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    tabs->setCurrentWidget(lazy.findChild<QWidget*>(QStringLiteral("TTrafoAlim")));
    QVERIFY(lazy.pagesBuilt());
    QVERIFY(QTest::qWaitForWindowExposed(&lazy));
    QVERIFY(lazy.findChild<QLineEdit*>(QStringLiteral("EIs1"))->isVisible());
    QVERIFY(lazy.findChild<QWidget*>(QStringLiteral("PSec3"))->isVisible());
    // Three secondaries by default: the fourth stays hidden.
    QVERIFY(!lazy.findChild<QWidget*>(QStringLiteral("PSec4"))->isVisible());
    int shownCaptions = 0;
    for (QLabel* l : tabs->currentWidget()->findChildren<QLabel*>())
        shownCaptions += l->isVisible() && l->text() == QStringLiteral("V");
    QVERIFY(shownCaptions >= 4); // the unit captions beside the voltages
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
