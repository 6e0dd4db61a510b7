// Keyboard use: Tab reads each page top to bottom, left to right, reaches
// every input, and every input is named after its caption.
#include "keyboard.h"
#include "ui_fixture.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

using kelvora::test::App;

namespace {

QRect rectIn(const QWidget* w, const QWidget* page)
{
    return QRect(w->mapTo(page, QPoint(0, 0)), w->size());
}

bool onPage(const QWidget* w, const QWidget* page)
{
    return w && w != page && page->isAncestorOf(w);
}

// The inputs a user can stop on with Tab: shown, enabled, tab-focusable.
bool reachable(const QWidget* w)
{
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
        return false;
    if (auto* r = qobject_cast<const QRadioButton*>(w); r && r->autoExclusive() && !r->isChecked())
        return false; // Tab stops on the checked one of a group; arrows move within it.
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w)
           || qobject_cast<const QAbstractButton*>(w);
}

const QStringList landedTabs = {QStringLiteral("TTrafoAlim"), QStringLiteral("TModValvul"),
                                QStringLiteral("TModTransis"), QStringLiteral("TReatorFiltro"),
                                QStringLiteral("TAjustes")};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    // A form built in scrambled order: the chain must still read it in rows.
    void synthesisedFormReadsInRows()
    {
        QWidget page;
        auto* grid = new QGridLayout(&page);
        // Created bottom-right first so that creation order is the wrong answer.
        auto* save = new QPushButton(QStringLiteral("&Salvar"), &page);
        auto* b = new QLineEdit(&page);
        auto* a = new QLineEdit(&page);
        auto* c = new QComboBox(&page);
        c->setEditable(true);
        auto* capA = new QLabel(QStringLiteral("Tensão do primário:"), &page);
        auto* capB = new QLabel(QStringLiteral("Corrente"), &page);
        auto* head = new QLabel(QStringLiteral("Eficiência"), &page);
        grid->addWidget(capA, 0, 0);
        grid->addWidget(a, 0, 1);
        grid->addWidget(capB, 0, 2);
        grid->addWidget(b, 0, 3);
        grid->addWidget(head, 1, 1);
        grid->addWidget(c, 2, 1);
        grid->addWidget(save, 3, 3);
        page.resize(500, 200);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));

        kelvora::applyKeyboardOrder(&page);
        const QList<QWidget*> expected = {a, b, c, save};
        QCOMPARE(kelvora::readingOrder(&page), expected);
        QWidget* w = a;
        for (qsizetype i = 1; i < expected.size(); ++i) {
            do
                w = w->nextInFocusChain();
            while (w != &page && !expected.contains(w));
            QCOMPARE(w, expected[i]);
        }
        // The combo's own line edit is part of the combo, not a stop of its own.
        QVERIFY(!kelvora::readingOrder(&page).contains(c->lineEdit()));

        QCOMPARE(a->accessibleName(), QStringLiteral("Tensão do primário"));
        QCOMPARE(b->accessibleName(), QStringLiteral("Corrente"));
        QCOMPARE(c->accessibleName(), QStringLiteral("Eficiência")); // heading above
        QCOMPARE(save->accessibleName(), QStringLiteral("Salvar"));  // own text, no '&'
    }

    // Two groups side by side, rows slightly offset: each group is read whole.
    void sideBySideGroupsReadWhole()
    {
        QWidget page;
        auto* left = new QGroupBox(QStringLiteral("Primário"), &page);
        auto* right = new QGroupBox(QStringLiteral("Secundário"), &page);
        left->setGeometry(10, 20, 200, 120);
        right->setGeometry(220, 10, 200, 120);
        auto* l1 = new QLineEdit(left);
        auto* l2 = new QLineEdit(left);
        auto* r1 = new QLineEdit(right);
        auto* r2 = new QLineEdit(right);
        l1->setGeometry(10, 30, 80, 20);
        l2->setGeometry(10, 60, 80, 20);
        r1->setGeometry(10, 30, 80, 20); // 10 px higher on the page than l1
        r2->setGeometry(10, 60, 80, 20);
        page.resize(440, 150);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        kelvora::applyKeyboardOrder(&page);
        const QList<QWidget*> expected = {l1, l2, r1, r2};
        QCOMPARE(kelvora::readingOrder(&page), expected);
        // Fields with no caption of their own take their group's title.
        QCOMPARE(l2->accessibleName(), QStringLiteral("Primário"));
        QCOMPARE(r1->accessibleName(), QStringLiteral("Secundário"));
    }

    void handSetNameIsKept()
    {
        QWidget page;
        auto* grid = new QGridLayout(&page);
        auto* e = new QLineEdit(&page);
        e->setAccessibleName(QStringLiteral("dado à mão"));
        grid->addWidget(new QLabel(QStringLiteral("Legenda"), &page), 0, 0);
        grid->addWidget(e, 0, 1);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        kelvora::applyKeyboardOrder(&page);
        QCOMPARE(e->accessibleName(), QStringLiteral("dado à mão"));
    }

    // Real Tab presses on each landed tab of the real window.
    void tabWalksEachPageInReadingOrder()
    {
        App app;
        app.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(app.main.get()));
        for (const QString& name : landedTabs) {
            QWidget* page = app.main->findChild<QWidget*>(name);
            if (!page) {
                qInfo("tab %s not built yet", qPrintable(name));
                continue;
            }
            app.showTab(name.toLatin1().constData());
            QCoreApplication::processEvents();

            QList<QWidget*> inputs;
            for (QWidget* w : kelvora::readingOrder(page))
                if (reachable(w))
                    inputs << w;
            if (inputs.isEmpty()) {
                qInfo("tab %s has no inputs yet", qPrintable(name));
                continue;
            }

            inputs.first()->setFocus(Qt::TabFocusReason);
            QList<QWidget*> visited{QApplication::focusWidget()};
            for (qsizetype i = 1; i < inputs.size() + 5; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QWidget* f = QApplication::focusWidget();
                if (!onPage(f, page) || visited.contains(f))
                    break;
                visited << f;
            }
            for (qsizetype i = 1; i < visited.size(); ++i) {
                // Compare the two stops where their paths part: the fields
                // themselves within one group, the groups holding them otherwise.
                QWidget* a = visited[i - 1];
                QWidget* b = visited[i];
                QWidget* common = a->parentWidget();
                while (!common->isAncestorOf(b))
                    common = common->parentWidget();
                while (a->parentWidget() != common)
                    a = a->parentWidget();
                while (b->parentWidget() != common)
                    b = b->parentWidget();
                // A container read first by design (the power transformer's
                // operating data) is followed by the page's first row.
                if (a->property(kelvora::kReadFirst).toBool())
                    continue;
                const QRect p = rectIn(a, page), q = rectIn(b, page);
                const QString where = QStringLiteral("%1: %2 (%3,%4) -> %5 (%6,%7)")
                                          .arg(name, visited[i - 1]->objectName())
                                          .arg(p.left())
                                          .arg(p.top())
                                          .arg(visited[i]->objectName())
                                          .arg(q.left())
                                          .arg(q.top());
                const bool sameRow = q.center().y() <= p.bottom();
                // Never back up a row; within a row, always to the right.
                QVERIFY2(q.center().y() >= p.center().y() || sameRow, qPrintable(where));
                if (sameRow)
                    QVERIFY2(q.left() > p.left(), qPrintable(where));
            }
            for (QWidget* w : inputs)
                QVERIFY2(visited.contains(w), qPrintable(QStringLiteral("%1: Tab never reaches %2")
                                                             .arg(name, w->objectName())));
        }
    }

    void everyInputIsNamed()
    {
        App app;
        for (const QString& name : landedTabs) {
            QWidget* page = app.main->findChild<QWidget*>(name);
            if (!page)
                continue;
            app.showTab(name.toLatin1().constData());
            QCoreApplication::processEvents();
            for (QWidget* w : kelvora::readingOrder(page)) {
                if (!w->isVisible())
                    continue;
                QVERIFY2(!w->accessibleName().isEmpty(),
                         qPrintable(QStringLiteral("%1: %2 has no accessible name")
                                        .arg(name, w->objectName())));
            }
        }
        // Names come from the captions, exactly.
        if (auto* fo = app.find<QLineEdit>("EFo")) {
            app.showTab("TTrafoAlim");
            QCOMPARE(fo->accessibleName(), QStringLiteral("Freqüência de operação (Fo)"));
            QCOMPARE(app.find<QWidget>("CBTaEff")->accessibleName(),
                     QStringLiteral("Eficiência adotada (n)"));
            QCOMPARE(app.find<QWidget>("BBVisNucleoTA")->accessibleName(),
                     QStringLiteral("Visualiza núcleo"));
        }
    }
};

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
