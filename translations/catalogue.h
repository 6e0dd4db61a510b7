#pragma once
// The language of the program's texts: Portuguese, in which they are
// written, or English through the catalogue built from kelvora_en.ts. Qt's
// own texts (dialog buttons, the file dialog, file errors) follow the same
// choice. Qt Core only, shared by the window and kelvora-cli.
#include "shown_text.h"

#include <QString>

#include <optional>

class QLocale;
class QSettings;

namespace kelvora {

enum class Language { Portuguese, English };

// Replaces the catalogues of the previous choice with those of `language`.
// Returns false when the program's English catalogue could not be loaded.
bool installLanguage(Language language);
// The language last installed (Portuguese before any).
Language installedLanguage();

// A message of the plain code (a verdict, "%1 Esp", a read's note, an
// error) in the language installed now, filled in with its arguments.
QString shownWords(const ShownText& m);
// The same as UTF-8, a Translator for the plain code's documents.
std::string inInstalledLanguage(const ShownText& m);

// "pt" or "en", as the setting and kelvora-cli's --idioma= take it.
QString languageCode(Language language);
// The language of a code ("pt", "en"); nothing for any other text.
std::optional<Language> languageOfCode(const QString& code);

// The first start's language: English when the system speaks English.
Language languageOfLocale(const QLocale& locale);
// The user's choice kept in `settings`, or the locale's when there is none.
Language savedLanguage(const QSettings& settings, const QLocale& locale);
void saveLanguage(QSettings& settings, Language language);

} // namespace kelvora
