// The core drawing window and the PI-network window, driven as the program
// builds them.
#include "drawing_widgets.h"
#include "ui_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>

using kelvora::test::App;

namespace {

struct Box {
    const char* name;
    int left, top, width;
};
// The design boxes of the nineteen dimension labels.
const Box boxes[] = {
    {"Label1", 168, 80, 38},   {"Label2", 26, 190, 32},   {"Label3", 26, 302, 32},
    {"Label4", 26, 376, 32},   {"Label5", 72, 456, 32},   {"Label6", 109, 456, 32},
    {"Label7", 168, 456, 32},  {"Label8", 222, 456, 32},  {"Label9", 261, 456, 32},
    {"Label10", 304, 216, 38}, {"Label11", 408, 64, 32},  {"Label12", 536, 80, 32},
    {"Label13", 556, 142, 32}, {"Label14", 556, 240, 32}, {"Label15", 556, 332, 32},
    {"Label16", 456, 368, 32}, {"Label17", 616, 64, 32},  {"Label18", 688, 80, 32},
    {"Label19", 704, 240, 38},
};

// Labels by the dimension they carry.
const char* const centreLeg[] = {"Label7", "Label14"};
const char* const stackHeight[] = {"Label4", "Label12", "Label18"};
const char* const overallWidth[] = {"Label1", "Label10", "Label19"};
const char* const eHeight[] = {"Label2", "Label11", "Label16"};
const char* const halfLeg[] = {"Label3", "Label5",  "Label6",  "Label8",
                               "Label9", "Label13", "Label15", "Label17"};

QLabel* label(const App& app, const char* name)
{
    return app.nucleo->findChild<QLabel*>(QString::fromLatin1(name));
}

// Texts expected for one core: Bn, En, 3 Bn, 2 Bn, Bn/2.
struct Texts {
    QString bn, en, bn3, bn2, half;
};

void expectLabels(const App& app, const Texts& t)
{
    auto check = [&](const auto& names, const QString& expected) {
        for (const char* n : names) {
            QLabel* l = label(app, n);
            QVERIFY2(l, n);
            QVERIFY2(l->text() == expected,
                     qPrintable(QStringLiteral("%1: '%2', expected '%3'")
                                    .arg(QLatin1String(n), l->text(), expected)));
        }
    };
    check(centreLeg, t.bn);
    check(stackHeight, t.en);
    check(overallWidth, t.bn3);
    check(eHeight, t.bn2);
    check(halfLeg, t.half);
}

void expectShownBesideTheMainWindow(const App& app)
{
    QVERIFY(app.nucleo->isVisible());
    QCOMPARE(app.nucleo->windowModality(), Qt::NonModal);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QVERIFY(app.main->isEnabled());
    QVERIFY(app.main->isVisible());
}

void markStale(const App& app)
{
    for (const Box& b : boxes)
        label(app, b.name)->setText(QStringLiteral("stale"));
}

} // namespace

class TestNucleoWindow : public QObject {
    Q_OBJECT
private slots:
    void windowFrame();
    void labelsSitInTheirBoxes_data();
    void labelsSitInTheirBoxes();
    void longNumbersStayWholeAndApart();
    void chainStepsDownWithLeadersBetweenLabels();
    void drawingIsPaintedAndTransparent();
    void pressesFromTheTabsShowAndRewrite_data();
    void pressesFromTheTabsShowAndRewrite();
    void clickingTheTabButtons_data();
    void clickingTheTabButtons();
    void closeHides();
    void piWindowHiddenUntilAskedForAndItsButtonHides();
};

void TestNucleoWindow::windowFrame()
{
    App app;
    QCOMPARE(app.nucleo->windowTitle(), QStringLiteral("Visualiza Núcleo"));
    QCOMPARE(app.nucleo->size(), QSize(789, 529));
    QVERIFY(!app.nucleo->isVisible());

    auto* image = app.nucleo->findChild<kelvora::Picture*>(QStringLiteral("Image3"));
    QVERIFY(image);
    QCOMPARE(image->geometry(), QRect(24, 64, 729, 417));

    auto* close = app.nucleo->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Fecha Visualização"));
    QCOMPARE(close->geometry(), QRect(304, 16, 153, 25));

    auto* memo = app.nucleo->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QVERIFY(memo);
    QCOMPARE(memo->geometry(), QRect(456, 408, 281, 65));
    QVERIFY(!memo->isEnabled());
    QCOMPARE(memo->toPlainText(),
             QStringLiteral("Considerado núcleo padrão EI onde as dimensões são \n"
                            "baseadas na largura da perna central. Caso esteja \n"
                            "utilizando outro tipo de núcleo ou formato não padrão as \n"
                            "medidas podem diferir."));
    // Each of the four lines is a line of its own on screen.
    QCOMPARE(memo->document()->blockCount(), 4);
    QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    const int widest = memo->fontMetrics().horizontalAdvance(
        QStringLiteral("utilizando outro tipo de núcleo ou formato não padrão as "));
    const qreal inner = 2 * (memo->frameWidth() + memo->document()->documentMargin());
    QVERIFY2(widest <= memo->width() - inner, "memo lines are cut off");
    QVERIFY2(4 * memo->fontMetrics().lineSpacing() <= memo->height() - inner,
             "memo lines do not all show");
}

void TestNucleoWindow::labelsSitInTheirBoxes_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 19; ++i)
        QTest::newRow(boxes[i].name) << i;
}

void TestNucleoWindow::labelsSitInTheirBoxes()
{
    QFETCH(int, index);
    const Box& b = boxes[index];
    App app;
    app.main->VisNucleo(32, 32);
    QLabel* l = label(app, b.name);
    QVERIFY(l);
    QCOMPARE(l->geometry(), QRect(b.left, b.top, b.width, kelvora::nucleoLabelHeight));
    QCOMPARE(l->alignment(), Qt::AlignCenter);
    QVERIFY(!l->text().isEmpty());
}

void TestNucleoWindow::longNumbersStayWholeAndApart()
{
    App app;
    app.main->VisNucleo(35.4f, 35.4f);
    expectLabels(app, {QStringLiteral("35,4000015258789"), QStringLiteral("35,4000015258789"),
                       QStringLiteral("106,200004577637"), QStringLiteral("70,8000030517578"),
                       QStringLiteral("17,7000007629395")});
    const QRect window(QPoint(0, 0), app.nucleo->size());
    for (const Box& b : boxes) {
        QLabel* l = label(app, b.name);
        const QRect r = l->geometry();
        QVERIFY2(r.width() >= l->fontMetrics().horizontalAdvance(l->text()),
                 qPrintable(QStringLiteral("%1 cuts its text").arg(QLatin1String(b.name))));
        QVERIFY2(window.contains(r), b.name);
        for (const Box& o : boxes)
            if (&o != &b)
                QVERIFY2(!r.intersects(label(app, o.name)->geometry()),
                         qPrintable(QStringLiteral("%1 overlaps %2")
                                        .arg(QLatin1String(b.name), QLatin1String(o.name))));
    }
    // Off the chain, a grown label stays centred on its box (or against the window edge).
    for (const char* n : {"Label1", "Label10", "Label11", "Label16", "Label14", "Label19"}) {
        const Box* b = std::find_if(std::begin(boxes), std::end(boxes),
                                    [&](const Box& x) { return qstrcmp(x.name, n) == 0; });
        const QRect r = label(app, n)->geometry();
        QVERIFY2(qAbs(2 * r.left() + r.width() - (2 * b->left + b->width)) <= 2, n);
        QCOMPARE(r.top(), b->top);
    }
    QCOMPARE(label(app, "Label2")->geometry().left(), 2);
    // The stack heights sit beyond the ends of their lines and grow away from them.
    QCOMPARE(label(app, "Label12")->geometry().left(), 536);
    QCOMPARE(label(app, "Label18")->geometry().right(), 789 - 3);
}

void TestNucleoWindow::chainStepsDownWithLeadersBetweenLabels()
{
    using namespace kelvora;
    // Short texts keep the design boxes and need no leaders.
    std::array<int, 19> narrow{};
    narrow.fill(20);
    const NucleoLabelLayout fits = layoutNucleoLabels(narrow, 789);
    for (int i = 0; i < 19; ++i)
        QCOMPARE(fits.rects[i], QRect(boxes[i].left, boxes[i].top, boxes[i].width, 13));
    QVERIFY(fits.leaders.empty());

    for (int textWidth : {60, 105, 116}) {
        std::array<int, 19> wide{};
        wide.fill(textWidth);
        const NucleoLabelLayout l = layoutNucleoLabels(wide, 789);
        QCOMPARE(int(l.leaders.size()), 5);
        // The segment middles of the chain: outer leg, window, centre leg, window, outer leg.
        const qreal middles[5] = {88, 126, 183, 240, 278};
        for (int i = 0; i < 5; ++i) {
            const QLineF& leader = l.leaders[i];
            const QRect& own = l.rects[4 + i];
            QCOMPARE(leader.x1(), middles[i]);
            QCOMPARE(leader.x2(), middles[i]);
            QCOMPARE(leader.y1(), lamination::chainY);
            QCOMPARE(leader.y2(), qreal(own.top()));
            QVERIFY2(own.left() <= middles[i] && middles[i] <= own.right(),
                     "a leader must end on its own label");
            for (int j = 0; j < 19; ++j) {
                if (j == 4 + i)
                    continue;
                const QRect& other = l.rects[j];
                const bool crosses = other.left() <= middles[i] && middles[i] <= other.right()
                                     && other.top() < leader.y2() && other.bottom() > leader.y1();
                QVERIFY2(!crosses,
                         qPrintable(QStringLiteral("leader %1 crosses Label%2 at width %3")
                                        .arg(i + 5)
                                        .arg(j + 1)
                                        .arg(textWidth)));
                QVERIFY(!own.intersects(other));
            }
        }
        // The centre leg hangs lowest, the outer legs nearest the chain.
        QVERIFY(l.rects[6].top() > l.rects[5].top());
        QVERIFY(l.rects[5].top() > l.rects[4].top());
        QCOMPARE(l.rects[4].top(), l.rects[8].top());
        QVERIFY(l.rects[6].bottom() < 529);
    }
}

void TestNucleoWindow::drawingIsPaintedAndTransparent()
{
    App app;
    auto* image = app.nucleo->findChild<QWidget*>(QStringLiteral("Image3"));
    QImage img(image->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    image->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
    // Window coordinates of the core window; the drawing starts at (24, 64).
    auto at = [&](int x, int y) { return QColor::fromRgba(img.pixel(x - 24, y - 64)); };
    QCOMPARE(at(183, 135), QColor(214, 220, 227)); // yoke of the E in front view
    QCOMPARE(at(126, 220).alpha(), 0);             // through a window of the E
    QCOMPARE(at(415, 300), QColor(214, 220, 227)); // near face of the E stack
    QCOMPARE(at(680, 250), QColor(214, 220, 227)); // near face of the I stack
    QCOMPARE(at(740, 100).alpha(), 0);             // open space beside the I stack
    // The overall-width dimension line above the front view is in dimension ink.
    const QColor line = at(120, 86);
    QVERIFY2(line.alpha() > 0 && line.blue() > line.red() + 40, "no dimension line at the top");
    // The chain under the stack has an arrow head at the centre leg's left end.
    const QColor head = at(148, 452);
    QVERIFY2(head.alpha() > 0 && head.blue() > head.red() + 40, "no arrow on the chain");
}

void TestNucleoWindow::pressesFromTheTabsShowAndRewrite_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("power then modulator") << "TA"
                                          << "TM";
    QTest::newRow("modulator then reactor") << "TM"
                                            << "Reator";
    QTest::newRow("reactor then power") << "Reator"
                                        << "TA";
}

void TestNucleoWindow::pressesFromTheTabsShowAndRewrite()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    App app;
    kelvora::DesignResults& s = app.main->results();
    // Three different cores, one per tab.
    s.trafoAlim.En = 20;
    s.trafoAlim.Bn = 25;
    s.trafoMod.En = 35.4f;
    s.trafoMod.Bn = 12.6f;
    s.reatorFiltro.RFEn = 44;
    s.reatorFiltro.RFBn = 38;
    const QMap<QString, Texts> expected{
        {"TA", {"25", "20", "75", "50", "12,5"}},
        {"TM",
         {"12,6000003814697", "35,4000015258789", "37,8000011444092", "25,2000007629395",
          "6,30000019073486"}},
        {"Reator", {"38", "44", "114", "76", "19"}},
    };
    auto press = [&](const QString& tab) {
        if (tab == "TA")
            app.main->BBVisNucleoTAClick();
        else if (tab == "TM")
            app.main->BBVisNucleoTMClick();
        else
            app.main->BBVisNucleoReatorClick();
    };
    markStale(app);
    press(first);
    expectShownBesideTheMainWindow(app);
    expectLabels(app, expected[first]);

    markStale(app);
    press(second);
    expectShownBesideTheMainWindow(app);
    expectLabels(app, expected[second]);
    QVERIFY(app.errors.isEmpty());
}

void TestNucleoWindow::clickingTheTabButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("enField");
    QTest::addColumn<QString>("bnField");
    QTest::addColumn<QString>("enText");
    QTest::addColumn<QString>("bnText");
    QTest::addColumn<QString>("bn");
    QTest::addColumn<QString>("bn3");
    QTest::addColumn<QString>("en");
    QTest::newRow("power transformer") << "BBVisNucleoTA"
                                       << "TTrafoAlim"
                                       << "EEn1"
                                       << "EBn1"
                                       << "41,3"
                                       << "25,4"
                                       << "25,3999996185303"
                                       << "76,1999988555908"
                                       << "41,2999992370605";
    QTest::newRow("valve modulator") << "BBVisNucleoTM"
                                     << "TModValvul"
                                     << "CBTMEn"
                                     << "CBTMBn"
                                     << "30"
                                     << "38"
                                     << "38"
                                     << "114"
                                     << "30";
    QTest::newRow("filter reactor") << "BBVisNucleoReator"
                                    << "TReatorFiltro"
                                    << "CBRFEn"
                                    << "CBRFBn"
                                    << "28"
                                    << "44"
                                    << "44"
                                    << "132"
                                    << "28";
}

void TestNucleoWindow::clickingTheTabButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, tab);
    QFETCH(QString, enField);
    QFETCH(QString, bnField);
    QFETCH(QString, enText);
    QFETCH(QString, bnText);
    QFETCH(QString, bn);
    QFETCH(QString, bn3);
    QFETCH(QString, en);
    App app;
    auto* b = app.main->findChild<QPushButton*>(button);
    QVERIFY2(b, qPrintable(button));
    app.showTab(tab.toLatin1().constData());
    for (const auto& [field, text] : {std::pair{enField, enText}, std::pair{bnField, bnText}}) {
        QWidget* w = app.main->findChild<QWidget*>(field);
        QVERIFY2(w, qPrintable(field));
        auto* combo = qobject_cast<QComboBox*>(w);
        if (combo && !combo->isEditable()) {
            const int i = combo->findText(text);
            QVERIFY2(i >= 0, qPrintable(field + QStringLiteral(" has no item ") + text));
            combo->setCurrentIndex(i);
        } else {
            // Typed over the selection, so a strict field never sees an empty text.
            auto* edit = combo ? combo->lineEdit() : qobject_cast<QLineEdit*>(w);
            QVERIFY(edit);
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            QCOMPARE(edit->text(), text);
        }
    }
    markStale(app);
    QVERIFY(!app.nucleo->isVisible());
    QTest::mouseClick(b, Qt::LeftButton);
    expectShownBesideTheMainWindow(app);
    QCOMPARE(label(app, "Label7")->text(), bn);
    QCOMPARE(label(app, "Label14")->text(), bn);
    QCOMPARE(label(app, "Label19")->text(), bn3);
    QCOMPARE(label(app, "Label4")->text(), en);
    QCOMPARE(label(app, "Label18")->text(), en);
    for (const Box& x : boxes)
        QVERIFY2(label(app, x.name)->text() != QStringLiteral("stale"), x.name);

    // Still usable: the tab's fields take input with the drawing open.
    QVERIFY(app.main->findChild<QWidget*>(bnField)->isEnabled());
    QVERIFY2(app.errors.isEmpty(), qPrintable(app.errors.join(QLatin1Char('|'))));
}

void TestNucleoWindow::closeHides()
{
    App app;
    app.main->BBVisNucleoTAClick();
    QVERIFY(app.nucleo->isVisible());
    QTest::mouseClick(app.nucleo->findChild<QPushButton*>(QStringLiteral("BitBtn1")),
                      Qt::LeftButton);
    QVERIFY(!app.nucleo->isVisible());
    QVERIFY(app.main->isVisible());

    // The window's own close box hides it too; a later press shows it again.
    app.main->BBVisNucleoTMClick();
    QVERIFY(app.nucleo->isVisible());
    QVERIFY(app.nucleo->close());
    QVERIFY(!app.nucleo->isVisible());
    app.main->BBVisNucleoReatorClick();
    QVERIFY(app.nucleo->isVisible());
}

void TestNucleoWindow::piWindowHiddenUntilAskedForAndItsButtonHides()
{
    App app;
    app.main->BBVisNucleoTAClick();
    app.main->CBBnChange();
    QVERIFY(!app.calcPi->isVisible());
    QCOMPARE(app.calcPi->windowTitle(),
             QStringLiteral("Cálculos relativos ao circuito PI de saída de RF"));
    // Grown from the form's 483 x 442 to hold the pi-network form.
    QVERIFY(app.calcPi->width() >= 483 && app.calcPi->height() >= 442);
    auto* close = app.calcPi->findChild<QPushButton*>(QStringLiteral("Button1"));
    QVERIFY(close);
    QCOMPARE(close->text(), QStringLiteral("Fecha Janela"));
    app.calcPi->show();
    QVERIFY(QTest::qWaitForWindowExposed(app.calcPi.get()));
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!app.calcPi->isVisible());
}

QTEST_MAIN(TestNucleoWindow)
#include "test_nucleo_window.moc"
