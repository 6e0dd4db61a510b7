// The texts the calculations write, shown in the chosen language while the
// sheet keeps their Portuguese; the edits' invitations to type likewise.
#include "language.h"
#include "ui_fixture.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using kelvora::Language;
using kelvora::LanguageChoice;
using kelvora::test::App;

class TestShownWords : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup() { LanguageChoice::instance().choose(Language::Portuguese); }
    void aMessageShowsTranslatedOnlyWhileTheTextIsItsPortuguese();
    void invitationsToTypeFollowTheLanguageUntilTyped();

private:
    QTemporaryDir settings_;
};

void TestShownWords::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       settings_.filePath(QStringLiteral("settings")));
    LanguageChoice::instance().start(Language::Portuguese);
}

void TestShownWords::aMessageShowsTranslatedOnlyWhileTheTextIsItsPortuguese()
{
    kelvora::Control c;
    kelvora::write(c, kelvora::say(KELVORA_WORDS("Note", "fora da faixa: usado %1"), {"1"}));
    QCOMPARE(kelvora::shownText(c), QStringLiteral("fora da faixa: usado 1"));
    LanguageChoice::instance().choose(Language::English);
    QCOMPARE(kelvora::shownText(c), QStringLiteral("out of range: 1 used"));
    // Written since without a message: its text, not the old message.
    c.text = "12,5";
    QCOMPARE(kelvora::shownText(c), QStringLiteral("12,5"));
}

void TestShownWords::invitationsToTypeFollowTheLanguageUntilTyped()
{
    App app;
    app.showTab("TTrafoAlim");
    LanguageChoice::instance().choose(Language::English);
    QCOMPARE(app.text("EUserNameTA"), QStringLiteral("Type the name of the program's user here"));
    QCOMPARE(app.text("EApplicationTA"),
             QStringLiteral("Type the transformer's name or application here"));
    app.type("EUserNameTA", QStringLiteral("PY2XYZ"));
    LanguageChoice::instance().choose(Language::Portuguese);
    QCOMPARE(app.text("EUserNameTA"), QStringLiteral("PY2XYZ"));
    QCOMPARE(app.text("EApplicationTA"),
             QStringLiteral("Digite aqui o nome do tranformador ou tipo de aplicação"));
}

QTEST_MAIN(TestShownWords)
#include "test_shown_words.moc"
