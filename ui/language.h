#pragma once
// The windows' texts in the chosen language. A static text (a caption, a
// group's title, a button, a tab, a menu item, a tooltip) is written in the
// code in Portuguese and marked with tx(); the language walk translates it
// where it is shown and remembers its Portuguese source on the widget, so a
// later change of language translates it again without rebuilding the
// window. Texts the program writes as it runs (results, messages) are
// written again by their owners when the language changes.
#include "catalogue.h"
#include "sheet.h"

#include <QObject>
#include <QString>

class QMenu;
class QMenuBar;
class QWidget;

namespace kelvora {

// The catalogue context of the texts of free functions (the form builders).
inline constexpr char kTextContext[] = "kelvora";

// Marks a Portuguese text that a window shows; returns it unchanged (the
// language walk translates it once it is on a widget).
QString tx(const char* source);
// A marked text with its "%1" filled in: the walk translates the text
// and fills it in again ("Secundário %1", 3).
QString txArg(const char* source, const QString& arg);
QString txArg(const char* source, int arg);
// A text of a free function, in the language installed now.
QString trNow(const char* source);

// What a control's text or its read's note shows: its message in the
// installed language while the text is still that message's Portuguese,
// else the text as it is (a number, a name, a text written without one).
QString shownText(const Control& c);
QString shownReadNote(const Control& c);

// The catalogue context of the lists' items (KELVORA_SHOWN("Item", ...)).
inline constexpr char kItemContext[] = "Item";
// Marks a list whose items are words: each item's Portuguese text is its
// data (Qt::UserRole), what it shows is that text in the chosen language.
inline constexpr char kShownItems[] = "kelvoraShownItems";
// A list's item as the chosen language shows it.
QString shownItem(const QString& portuguese);

// Sets the static texts of `root` and everything under it in the installed
// language.
void retranslateTexts(QWidget* root);

// The program's choice of language, kept in QSettings.
class LanguageChoice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // The one choice of the running program (owned by the application).
    static LanguageChoice& instance();
    // At start-up: installs `language` and translates every widget as it is
    // first shown, in whatever window.
    void start(Language language);
    // Installs `language`, keeps it as the user's choice, translates the open
    // windows and tells the owners of the texts written at run time.
    void choose(Language language);
    Language language() const { return installedLanguage(); }

signals:
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool following_ = false;
    bool translated_ = false; // English has been installed at least once
};

// The menu "Idioma / Language" (Português, English) of a window's menu bar,
// placed before its last menu (the help).
QMenu* addLanguageMenu(QMenuBar* bar);

} // namespace kelvora
