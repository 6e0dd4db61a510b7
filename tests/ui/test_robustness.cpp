// The window where an attack found it wanting: a paste the design file could
// not carry, a FIFO that held the window, a substituted input under a green
// verdict, stale green after an error, and error boxes that took the keys.
#include "ui_fixture.h"

#include "design_files.h"
#include "read_mark.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QTabBar>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace kelvora;
using namespace kelvora::test;

class TestRobustness : public QObject {
    Q_OBJECT
private slots:
    void aPasteDropsControlCharacters();
    void aFifoIsNeverWaitedFor();
    void aSubstitutedInputIsMarkedUnderItsVerdictColour();
    void aFailedRunLeavesNoStaleGreen();
    void errorsGoToTheMessageLineAndNoKeyIsLost();
};

void TestRobustness::aPasteDropsControlCharacters()
{
    App app;
    app.showTab("TTrafoAlim");
    QApplication::clipboard()->setText(QStringLiteral("Ana\tMaria\nSilva"));
    auto* e = app.find<QLineEdit>("EUserNameTA");
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e->text(), QStringLiteral("Ana Maria Silva"));
    // Also in an editable combo box.
    app.showTab("TModValvul");
    QApplication::clipboard()->setText(QStringLiteral("4\t0"));
    auto* bn = app.find<QComboBox>("CBTMBn");
    bn->lineEdit()->setFocus();
    bn->lineEdit()->selectAll();
    QTest::keyClick(bn->lineEdit(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(bn->currentText(), QStringLiteral("4 0"));
}

void TestRobustness::aFifoIsNeverWaitedFor()
{
    App app;
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!app.main->designFiles().openFile(fifo));
    QCOMPARE(app.errors.size(), 1);
    QVERIFY2(app.errors[0].endsWith(QStringLiteral(": não é um arquivo comum.")),
             qPrintable(app.errors[0]));
    // The report onto a FIFO nobody reads: refused at once.
    app.showTab("TTrafoAlim");
    app.main->setFileChooser([&](QFileDialog*) { return fifo; });
    QTest::mouseClick(app.find<QPushButton>("BSalvaTA"), Qt::LeftButton);
    QCOMPARE(app.errors.size(), 2);
    QVERIFY2(app.errors[1].contains(QStringLiteral("nenhum programa está lendo o FIFO")),
             qPrintable(app.errors[1]));
    QVERIFY(clock.elapsed() < 5000);
}

void TestRobustness::aSubstitutedInputIsMarkedUnderItsVerdictColour()
{
    App app;
    app.showTab("TModValvul");
    auto* line = app.find<QLabel>("LMensagem");
    QVERIFY(!line->isVisible());
    app.type("EEbrf", QStringLiteral("46O")); // a letter O: 1 V is used
    auto* ebrf = app.find<QLineEdit>("EEbrf");
    QCOMPARE(shownBackground(ebrf), lime()); // the power verdict's colour
    QCOMPARE(readMarkOf(ebrf), QStringLiteral("texto não numérico: usado 1"));
    QVERIFY(ebrf->toolTip().startsWith(QStringLiteral("texto não numérico: usado 1")));
    // The frame is painted over the field, whatever its background.
    const QImage shot = ebrf->parentWidget()->grab(ebrf->geometry()).toImage();
    QCOMPARE(shot.pixelColor(1, shot.height() / 2), red());
    QCOMPARE(shot.pixelColor(shot.width() / 2, 2), red());
    QVERIFY(line->isVisible());
    QVERIFY2(line->text().contains(ebrf->accessibleName()
                                   + QStringLiteral(": texto não numérico: usado 1")),
             qPrintable(line->text()));
    app.type("EEbrf", QStringLiteral("460"));
    QCOMPARE(readMarkOf(ebrf), QString());
    QVERIFY(!line->isVisible());
    QVERIFY(app.errors.isEmpty());
}

void TestRobustness::aFailedRunLeavesNoStaleGreen()
{
    App app;
    app.showTab("TModValvul");
    QCOMPARE(shownBackground(app.find<QWidget>("EPaMod")), lime());
    app.type("CBTMBn", QStringLiteral("abc"));
    for (const char* name : {"EPaMod", "EEbrf", "EIbrf", "EBmax", "CBTMEn"}) {
        QWidget* w = app.find<QWidget>(name);
        QVERIFY2(shownBackground(w) != lime(), name);
        QVERIFY2(shownBackground(w) != red(), name);
    }
    QCOMPARE(shownBackground(app.find<QWidget>("CBTMBn")), red());
}

void TestRobustness::errorsGoToTheMessageLineAndNoKeyIsLost()
{
    App app;
    int boxes = 0;
    app.main->setErrorReporter([&](const QString&) { ++boxes; });
    app.showTab("TModTransis");
    auto* po = app.find<QLineEdit>("EPo");
    po->setFocus();
    po->selectAll();
    QTest::keyClick(po, Qt::Key_Delete); // an empty field: the run fails
    auto* line = app.find<QLabel>("LMensagem");
    QVERIFY(line->isVisible());
    QVERIFY2(line->text().startsWith(QStringLiteral("Modulador Transistorizado, ")
                                     + po->accessibleName() + QStringLiteral(": ")),
             qPrintable(line->text()));
    QCOMPARE(line->palette().color(QPalette::Window), red());
    auto* tabs = app.find<QTabWidget>("PageControl1");
    QCOMPARE(tabs->tabBar()->tabTextColor(tabs->indexOf(app.find<QWidget>("TModTransis"))),
             red());
    QTest::keyClicks(po, QStringLiteral("-5")); // "-" alone fails too
    QCOMPARE(po->text(), QStringLiteral("-5"));
    QVERIFY(po->hasFocus());
    QTest::keyClick(po, Qt::Key_Backspace);
    QTest::keyClick(po, Qt::Key_Backspace);
    QTest::keyClicks(po, QStringLiteral("50"));
    QVERIFY(!line->isVisible());
    QCOMPARE(tabs->tabBar()->tabTextColor(tabs->indexOf(app.find<QWidget>("TModTransis"))),
             QColor());

    // The valve modulator: the line names the tab and the field, and a new
    // activation of the window shows no box.
    app.showTab("TModValvul");
    app.type("CBTMBn", QStringLiteral("a"));
    QCOMPARE(line->text(), QStringLiteral("Modulador Valvulado, ")
                               + app.find<QWidget>("CBTMBn")->accessibleName()
                               + QStringLiteral(": 'a' não é um número inteiro válido"));
    app.showTab("TTrafoAlim");
    QVERIFY(!line->isVisible()); // the line is the tab's on view
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(app.main.get(), &activate);
    app.showTab("TModValvul");
    QVERIFY(line->isVisible());
    QCOMPARE(boxes, 0);
    // An explicit action keeps its box.
    QTest::mouseClick(app.find<QPushButton>("BSalva_TM"), Qt::LeftButton);
    QCOMPARE(boxes, 1);
}

QTEST_MAIN(TestRobustness)
#include "test_robustness.moc"
