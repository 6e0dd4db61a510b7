#include "language.h"

#include "form_helpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QTabBar>

#include <functional>
#include <utility>

namespace kelvora {

QString tx(const char* source) { return QString::fromUtf8(source); }

namespace {

// The texts made by txArg, by what they read in Portuguese: their source
// and what fills it in. Few: the numbered captions of the windings.
QHash<QString, std::pair<QString, QString>>& filledTexts()
{
    static QHash<QString, std::pair<QString, QString>> texts;
    return texts;
}

} // namespace

QString txArg(const char* source, const QString& arg)
{
    const QString s = QString::fromUtf8(source);
    QString text = s.arg(arg);
    filledTexts().insert(text, {s, arg});
    return text;
}

QString txArg(const char* source, int arg) { return txArg(source, QString::number(arg)); }

QString trNow(const char* source) { return QCoreApplication::translate(kTextContext, source); }

namespace {

QString shownOf(const std::string& text, const ShownText& words)
{
    if (installedLanguage() == Language::Portuguese || words.empty() || portuguese(words) != text)
        return QString::fromStdString(text);
    return shownWords(words);
}

} // namespace

QString shownText(const Control& c) { return shownOf(c.text, c.words); }
QString shownReadNote(const Control& c) { return shownOf(c.readNote, c.readNoteWords); }

QString shownItem(const QString& portuguese)
{
    if (installedLanguage() == Language::Portuguese)
        return portuguese;
    return QCoreApplication::translate(kItemContext, portuguese.toUtf8().constData());
}

namespace {

// A text marked in a builder (context "kelvora") or in the constructor of a
// window class (context: that class), looked up in both.
QString translated(const QObject* where, const QString& source)
{
    if (installedLanguage() == Language::Portuguese)
        return source;
    if (const auto filled = filledTexts().constFind(source); filled != filledTexts().cend())
        return translated(where, filled->first).arg(filled->second);
    const QByteArray utf8 = source.toUtf8();
    QString t = QCoreApplication::translate(kTextContext, utf8.constData());
    for (const QObject* o = where; t == source && o; o = o->parent())
        t = QCoreApplication::translate(o->metaObject()->className(), utf8.constData());
    return t;
}

// One text slot of an object (its text, title, tooltip ...): translated from
// its remembered source while it still shows what the walk last put there. A
// text someone else has set since is taken as the new source.
void follow(QObject* o, const char* slot, const QString& current,
            const std::function<void(const QString&)>& set)
{
    if (current.isEmpty())
        return;
    const QByteArray sourceKey = QByteArray("kelvoraSource.") + slot;
    const QByteArray shownKey = QByteArray("kelvoraShown.") + slot;
    const QVariant remembered = o->property(sourceKey.constData());
    const bool ours = remembered.isValid()
                      && o->property(shownKey.constData()).toString() == current;
    if (!ours && installedLanguage() == Language::Portuguese) {
        // Written in Portuguese and never translated: nothing to remember.
        if (remembered.isValid()) {
            o->setProperty(sourceKey.constData(), QVariant());
            o->setProperty(shownKey.constData(), QVariant());
        }
        return;
    }
    const QString source = ours ? remembered.toString() : current;
    const QString shown = translated(o, source);
    o->setProperty(sourceKey.constData(), source);
    o->setProperty(shownKey.constData(), shown);
    if (shown != current)
        set(shown);
}

void followTabs(QTabBar* bar)
{
    // The tabs' sources by position: the tabs of a window are fixed.
    QStringList sources = bar->property("kelvoraSource.tabs").toStringList();
    QStringList shown = bar->property("kelvoraShown.tabs").toStringList();
    sources.resize(bar->count());
    shown.resize(bar->count());
    bool any = false;
    for (int i = 0; i < bar->count(); ++i) {
        const QString current = bar->tabText(i);
        const bool ours = !sources[i].isEmpty() && shown[i] == current;
        if (!ours && installedLanguage() == Language::Portuguese) {
            sources[i].clear();
            continue;
        }
        if (!ours)
            sources[i] = current;
        shown[i] = translated(bar, sources[i]);
        if (shown[i] != current)
            bar->setTabText(i, shown[i]);
        any = true;
    }
    bar->setProperty("kelvoraSource.tabs", any ? QVariant(sources) : QVariant());
    bar->setProperty("kelvoraShown.tabs", any ? QVariant(shown) : QVariant());
}

void followAction(QAction* a)
{
    follow(a, "text", a->text(), [a](const QString& t) { a->setText(t); });
}

// A widget placed by position that took the size of its first text (no
// layout, never resized) takes the size of the new one, as it would have
// had it been built with it.
void fitPlaced(QWidget* w)
{
    const QWidget* parent = w->parentWidget();
    if (parent && !parent->layout() && !w->testAttribute(Qt::WA_Resized) && !w->isWindow())
        w->adjustSize();
}

// A list's items in the chosen language, from the Portuguese each keeps;
// the choice and what the sheet holds stay as they are.
void followItems(QComboBox* c)
{
    const QSignalBlocker block(c);
    const QString typed = c->isEditable() ? c->currentText() : QString();
    const int chosen = c->currentIndex();
    bool typedItem = false;
    for (int i = 0; i < c->count(); ++i) {
        const QString shown = shownItem(c->itemData(i).toString());
        typedItem = typedItem || (i == chosen && c->itemText(i) == typed);
        if (c->itemText(i) != shown)
            c->setItemText(i, shown);
    }
    // An editable list shows the chosen item's text as its own.
    if (typedItem && c->currentText() != c->itemText(chosen))
        c->setEditText(c->itemText(chosen));
}

// The static texts of one widget (not of its children).
void followWidget(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w)) {
        // A label the calculations write is written again by them.
        if (!l->property(kSheetText).toBool() && !l->property(kOpaqueResult).toBool())
            follow(l, "text", l->text(), [l](const QString& t) {
                l->setText(t);
                fitPlaced(l);
            });
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        follow(b, "text", b->text(), [b](const QString& t) {
            b->setText(t);
            fitPlaced(b);
        });
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        follow(g, "title", g->title(), [g](const QString& t) { g->setTitle(t); });
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
        follow(e, "placeholder", e->placeholderText(),
               [e](const QString& t) { e->setPlaceholderText(t); });
    } else if (auto* m = qobject_cast<QPlainTextEdit*>(w); m && m->isReadOnly()) {
        follow(m, "plainText", m->toPlainText(), [m](const QString& t) { m->setPlainText(t); });
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
        followTabs(bar);
    } else if (auto* c = qobject_cast<QComboBox*>(w); c && c->property(kShownItems).toBool()) {
        followItems(c);
    }
    if (w->isWindow())
        follow(w, "windowTitle", w->windowTitle(), [w](const QString& t) { w->setWindowTitle(t); });
    // The tooltips of the controls' table are set again by their table.
    if (!w->property(kTableTooltip).toBool())
        follow(w, "toolTip", w->toolTip(), [w](const QString& t) { w->setToolTip(t); });
    if (const QVariant caption = w->property(kNameCaption); caption.isValid()) {
        // Named after its caption: the caption's words in this language.
        QString name = translated(w, caption.toString()).trimmed();
        while (name.endsWith(u':') || name.endsWith(u'='))
            name = name.chopped(1).trimmed();
        if (w->accessibleName() != name)
            w->setAccessibleName(name);
    } else {
        follow(w, "accessibleName", w->accessibleName(),
               [w](const QString& t) { w->setAccessibleName(t); });
    }
    if (qobject_cast<QMenuBar*>(w) || qobject_cast<QMenu*>(w))
        for (QAction* a : w->actions())
            followAction(a);
}

} // namespace

void retranslateTexts(QWidget* root)
{
    followWidget(root);
    for (QWidget* w : root->findChildren<QWidget*>())
        followWidget(w);
}

LanguageChoice& LanguageChoice::instance()
{
    static LanguageChoice* choice = new LanguageChoice(QCoreApplication::instance());
    return *choice;
}

void LanguageChoice::start(Language language)
{
    installLanguage(language);
    translated_ = translated_ || language != Language::Portuguese;
    if (!following_) {
        QCoreApplication::instance()->installEventFilter(this);
        following_ = true;
    }
}

void LanguageChoice::choose(Language language)
{
    start(language);
    QSettings settings;
    saveLanguage(settings, language);
    for (QWidget* w : QApplication::topLevelWidgets())
        retranslateTexts(w);
    emit changed();
}

bool LanguageChoice::eventFilter(QObject* watched, QEvent* event)
{
    // A widget shown, in a window built in Portuguese: its texts in the
    // chosen language (the tabs and menu items added after it was first
    // polished too). Nothing to do while the program has only spoken Portuguese.
    if ((event->type() == QEvent::Show || event->type() == QEvent::Polish)
        && watched->isWidgetType() && translated_)
        followWidget(static_cast<QWidget*>(watched));
    return false;
}

QMenu* addLanguageMenu(QMenuBar* bar)
{
    // Named in both languages: found by whoever cannot read the other.
    auto* menu = new QMenu(QStringLiteral("Idioma / Language"), bar);
    menu->setObjectName(QStringLiteral("MIdioma"));
    const QList<QAction*> menus = bar->actions();
    bar->insertMenu(menus.isEmpty() ? nullptr : menus.last(), menu);
    auto* group = new QActionGroup(menu);
    const struct {
        const char* name;
        const char* caption;
        Language language;
    } items[] = {{"MIdiomaPortugues", "Português", Language::Portuguese},
                 {"MIdiomaIngles", "English", Language::English}};
    for (const auto& item : items) {
        QAction* a = menu->addAction(QString::fromUtf8(item.caption));
        a->setObjectName(QString::fromLatin1(item.name));
        a->setCheckable(true);
        a->setActionGroup(group);
        const Language language = item.language;
        a->setChecked(LanguageChoice::instance().language() == language);
        QObject::connect(a, &QAction::triggered, menu,
                         [language] { LanguageChoice::instance().choose(language); });
        QObject::connect(&LanguageChoice::instance(), &LanguageChoice::changed, a, [a, language] {
            a->setChecked(LanguageChoice::instance().language() == language);
        });
    }
    return menu;
}

} // namespace kelvora
