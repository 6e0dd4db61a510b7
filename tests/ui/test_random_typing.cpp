// Thousands of random keystrokes into the real window's input fields, a
// seeded sequence so that a failure replays: the window must stay calm (no
// "INF"/"NAN" anywhere, at most one error per keystroke, every key handled
// promptly) whatever half-typed number a field holds.
#include "designs.h"
#include "ui_fixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>

using namespace kelvora;
using namespace kelvora::test;

// A keystroke that takes this long is a hang, not a slow calculation. The
// sanitizers' checks make every step several times slower, so their build
// gets more room (a loaded machine runs it too).
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 SlowKeystrokeMs = 1000;
#else
constexpr qint64 SlowKeystrokeMs = 200;
#endif

namespace {

// Keys a user fumbles while typing a number. The letters of "inf" and "nan"
// are left out so that finding them on screen means the program wrote them.
struct Key {
    Qt::Key key;
    char ascii; // 0: a non-printing key
};
const Key Keys[] = {
    {Qt::Key_0, '0'},     {Qt::Key_1, '1'},     {Qt::Key_2, '2'},       {Qt::Key_3, '3'},
    {Qt::Key_4, '4'},     {Qt::Key_5, '5'},     {Qt::Key_6, '6'},       {Qt::Key_7, '7'},
    {Qt::Key_8, '8'},     {Qt::Key_9, '9'},     {Qt::Key_0, '0'},       {Qt::Key_1, '1'},
    {Qt::Key_Comma, ','}, {Qt::Key_Comma, ','}, {Qt::Key_Period, '.'},  {Qt::Key_Minus, '-'},
    {Qt::Key_Plus, '+'},  {Qt::Key_E, 'e'},     {Qt::Key_E, 'E'},       {Qt::Key_X, 'x'},
    {Qt::Key_K, 'k'},     {Qt::Key_Space, ' '}, {Qt::Key_Backspace, 0}, {Qt::Key_Backspace, 0},
    {Qt::Key_Delete, 0},  {Qt::Key_Home, 0},    {Qt::Key_End, 0},       {Qt::Key_Left, 0},
};

// "inf", "nan" or "infinity" in any case as a word of its own: a number
// printed as "-inf" or "1,5NAN" counts, a caption's "informada" does not.
bool nonNumber(const QString& t)
{
    static const QRegularExpression word(QStringLiteral("(?<!\\p{L})(inf(inity)?|nan)(?!\\p{L})"),
                                         QRegularExpression::CaseInsensitiveOption);
    return word.match(t).hasMatch();
}

int envInt(const char* name, int fallback)
{
    bool ok = false;
    const int v = qEnvironmentVariableIntValue(name, &ok);
    return ok ? v : fallback;
}

} // namespace

class TestRandomTyping : public QObject {
    Q_OBJECT
private slots:
    void randomKeystrokesNeverShowNonNumbersNorFloodErrors();
};

void TestRandomTyping::randomKeystrokesNeverShowNonNumbersNorFloodErrors()
{
    const quint32 seed = quint32(envInt("KELVORA_TYPING_SEED", 20261208));
    const int keystrokes = envInt("KELVORA_TYPING_KEYS", 5000);
    qInfo("seed %u, %d keystrokes (KELVORA_TYPING_SEED / KELVORA_TYPING_KEYS replay)", seed,
          keystrokes);
    QRandomGenerator rng(seed);
    // The screen check itself: printed non-numbers count, Portuguese words do not.
    for (const char* t : {"inf", "-INF", "1,5NAN V", "nan", "Infinity A"})
        QVERIFY2(nonNumber(QString::fromLatin1(t)), t);
    for (const char* t : {"Limites da Corrente para a indutância informada", "Financeiro", "0,5 A"})
        QVERIFY2(!nonNumber(QString::fromUtf8(t)), t);

    App app;
    auto* pc = app.find<QTabWidget>("PageControl1");
    QVERIFY(pc);
    // Every tab with a sheet of controls: the designs' and the settings tab
    // (the pi network is a window of its own, typed into by its own tests).
    QList<QWidget*> tabs;
    for (const Design& d : designs())
        if (auto* page = app.main->findChild<QWidget*>(QString::fromStdString(d.tab)))
            tabs << page;
    if (auto* ajustes = app.main->findChild<QWidget*>(QStringLiteral("TAjustes")))
        tabs << ajustes;
    QVERIFY(!tabs.isEmpty());

    auto fieldsOf = [](QWidget* page) {
        QList<QLineEdit*> fields;
        // An editable combo box's text is its line edit, found here too.
        for (QLineEdit* e : page->findChildren<QLineEdit*>())
            if (e->isVisible() && e->isEnabled() && !e->isReadOnly())
                fields << e;
        return fields;
    };
    auto everyText = [&](QString* where) {
        for (QWidget* page : tabs) {
            for (QLabel* l : page->findChildren<QLabel*>())
                if (nonNumber(l->text()))
                    return *where = l->objectName() + ": " + l->text(), false;
            for (QLineEdit* e : page->findChildren<QLineEdit*>())
                if (nonNumber(e->text()))
                    return *where = e->objectName() + ": " + e->text(), false;
            for (QComboBox* c : page->findChildren<QComboBox*>())
                if (nonNumber(c->currentText()))
                    return *where = c->objectName() + ": " + c->currentText(), false;
        }
        return true;
    };

    QWidget* page = nullptr;
    QLineEdit* field = nullptr;
    QStringList log; // the last keys, for the failure message
    qint64 slowest = 0;
    int typed = 0;
    for (int k = 0; k < keystrokes; ++k) {
        if (!page || rng.bounded(200) == 0) {
            page = tabs[rng.bounded(qsizetype(tabs.size()))];
            const qsizetype before = app.errors.size();
            pc->setCurrentWidget(page);
            QVERIFY2(app.errors.size() - before <= 1, "showing a tab reported more than one error");
            field = nullptr;
            log << "tab " + page->objectName();
        }
        if (!field || !field->isVisible() || !field->isEnabled() || rng.bounded(25) == 0) {
            const QList<QLineEdit*> fields = fieldsOf(page);
            if (fields.isEmpty()) {
                page = nullptr;
                continue;
            }
            field = fields[rng.bounded(qsizetype(fields.size()))];
            field->setFocus();
            log << "field "
                       + (field->objectName().isEmpty() && field->parentWidget()
                              ? field->parentWidget()->objectName()
                              : field->objectName());
        }
        const Key key = Keys[rng.bounded(int(std::size(Keys)))];
        log << (key.ascii ? QString(QChar(key.ascii)) : QString::number(int(key.key), 16));
        if (log.size() > 40)
            log.removeFirst();

        const qsizetype before = app.errors.size();
        QElapsedTimer timer;
        timer.start();
        if (key.ascii)
            QTest::keyClick(field, key.ascii);
        else
            QTest::keyClick(field, key.key);
        QTest::qWait(0);
        const qint64 ms = timer.elapsed();
        slowest = std::max(slowest, ms);
        ++typed;

        const QByteArray context = ("after keystroke " + QString::number(k) + ", last keys: "
                                    + log.join(' ') + ", field text \"" + field->text() + "\"")
                                       .toUtf8();
        QVERIFY2(app.errors.size() - before <= 1,
                 ("more than one error for one keystroke " + context).constData());
        for (qsizetype i = before; i < app.errors.size(); ++i)
            QVERIFY2(!app.errors[i].isEmpty() && !nonNumber(app.errors[i]),
                     ("error text: " + app.errors[i].toUtf8() + " " + context).constData());
        QString where;
        QVERIFY2(everyText(&where), (where.toUtf8() + " " + context).constData());
        QVERIFY2(ms < SlowKeystrokeMs,
                 ("keystroke took " + QByteArray::number(ms) + " ms " + context).constData());
    }
    qInfo("%d keystrokes, %lld errors collected, slowest keystroke %lld ms", typed,
          qint64(app.errors.size()), slowest);
    QVERIFY(typed > keystrokes / 2);
    // For a look at the state the keys left: KELVORA_TYPING_SHOT=file.png.
    if (const QString shot = qEnvironmentVariable("KELVORA_TYPING_SHOT"); !shot.isEmpty())
        QVERIFY(app.main->grab().save(shot));
}

QTEST_MAIN(TestRandomTyping)
#include "test_random_typing.moc"
