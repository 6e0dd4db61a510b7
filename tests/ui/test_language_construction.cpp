// The Construção window in English after a calculation: the texts the
// construction analysis writes as it runs (the windings' names, the verdicts,
// the figures' notes, the mains checks, the adviser's message) and the
// summaries beside the tabs' "Construção" buttons, in the catalogue's English.
#include "Uconstrucao.h"
#include "language.h"
#include "language_walk.h"
#include "scroll_window.h"
#include "ui_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <set>

using kelvora::Language;
using kelvora::LanguageChoice;
using kelvora::test::App;
using kelvora::test::leftInPortuguese;
using kelvora::test::PortugueseCatalogue;
using kelvora::test::portugueseCatalogue;
using kelvora::test::shownTexts;

class TestLanguageConstruction : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void theConstructionShowsNoPortugueseTextInEnglish();
    void theSettingsListsHoldTheirEnglishItemsWhole();

private:
    QTemporaryDir settings_;
};

void TestLanguageConstruction::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       settings_.filePath(QStringLiteral("settings")));
    LanguageChoice::instance().start(Language::Portuguese);
}

void TestLanguageConstruction::cleanup() { LanguageChoice::instance().choose(Language::Portuguese); }

void TestLanguageConstruction::theConstructionShowsNoPortugueseTextInEnglish()
{
    const PortugueseCatalogue catalogue = portugueseCatalogue();
    QVERIFY(catalogue.texts.size() > 300);
    App app;
    QStringList left;
    // Opened in Portuguese, then switched: the written texts follow the choice.
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoTA"), Qt::LeftButton);
    kelvora::TFConstrucao* construcao = app.main->construcao();
    QVERIFY(QTest::qWaitForWindowExposed(construcao));
    QVERIFY(!leftInPortuguese(shownTexts(construcao, true), catalogue).isEmpty());
    LanguageChoice::instance().choose(Language::English);
    for (const auto& [tab, button] :
         {std::pair{"TTrafoAlim", "BBConstrucaoTA"}, std::pair{"TModValvul", "BBConstrucaoTM"},
          std::pair{"TReatorFiltro", "BBConstrucaoReator"}}) {
        app.showTab(tab);
        QTest::mouseClick(app.find<QPushButton>(button), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(construcao));
        QTest::mouseClick(construcao->findChild<QPushButton*>(QStringLiteral("BSugereNucleo")),
                          Qt::LeftButton);
        left << leftInPortuguese(shownTexts(construcao, true), catalogue);
        left << leftInPortuguese(shownTexts(app.find<QWidget>(tab), true), catalogue).filter(
            QStringLiteral("LCoResumo"));
    }
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    // Exact English: a winding's name, a verdict and a summary.
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoTA"), Qt::LeftButton);
    const QAbstractItemModel* windings =
        construcao->findChild<QTableView*>(QStringLiteral("TVCoEnrolamentos"))->model();
    QCOMPARE(windings->index(1, 0).data().toString(), QStringLiteral("Secondary 1"));
    QVERIFY(construcao->findChild<QLabel*>(QStringLiteral("LCoAval2"))
                ->text()
                .startsWith(QStringLiteral("Temperature rise ")));
    QVERIFY(app.find<QLabel>("LCoResumoTA")->text().startsWith(QStringLiteral("Construction: ")));
    // The U/I window's fields, named by hand, follow the language too.
    QCOMPARE(construcao->findChild<QWidget*>(QStringLiteral("ECoUIJanela"))->accessibleName(),
             QStringLiteral("U/I window width (c)"));
}

// An English item is longer than the Portuguese ("from the simulation",
// "For the chosen core"): the settings' lists widen, nothing is cut.
void TestLanguageConstruction::theSettingsListsHoldTheirEnglishItemsWhole()
{
    LanguageChoice::instance().choose(Language::English);
    App app;
    app.showTab("TTrafoAlim");
    QTest::mouseClick(app.find<QPushButton>("BBConstrucaoTA"), Qt::LeftButton);
    kelvora::TFConstrucao* construcao = app.main->construcao();
    QVERIFY(QTest::qWaitForWindowExposed(construcao));
    // On a laptop's screen, where the window scrolls.
    kelvora::fitWindowInto(construcao, QSize(1366, 768));
    QApplication::processEvents();
    for (const char* name : {"CBCoProjeto", "CBCoCorrRet"}) {
        auto* c = construcao->findChild<QComboBox*>(QString::fromLatin1(name));
        QVERIFY(c);
        const int text = c->fontMetrics().horizontalAdvance(c->currentText());
        QVERIFY2(c->width() > text + 20,
                 qPrintable(QStringLiteral("%1: %2 px for \"%3\" (%4 px)")
                                .arg(QLatin1String(name))
                                .arg(c->width())
                                .arg(c->currentText())
                                .arg(text)));
    }
}

QTEST_MAIN(TestLanguageConstruction)
#include "test_language_construction.moc"
