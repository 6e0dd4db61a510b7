#include "catalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <vector>

namespace kelvora {

namespace {

constexpr char SettingKey[] = "idioma";

struct Installed {
    Language language = Language::Portuguese;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

Installed& installed()
{
    static Installed i;
    return i;
}

// Loads `name` from `dir` and installs it; false when it is not there.
bool install(const QString& name, const QString& dir)
{
    auto tr = std::make_unique<QTranslator>();
    if (!tr->load(name, dir) || !QCoreApplication::installTranslator(tr.get()))
        return false;
    installed().translators.push_back(std::move(tr));
    return true;
}

} // namespace

bool installLanguage(Language language)
{
    Installed& now = installed();
    for (const auto& tr : now.translators)
        QCoreApplication::removeTranslator(tr.get());
    now.translators.clear();
    now.language = language;
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == Language::Portuguese) {
        // Brazilian first: the program's own wording is Brazilian; plain
        // "pt" is close enough when that is all the system has.
        if (!install(QStringLiteral("qtbase_pt_BR"), qtDir))
            install(QStringLiteral("qtbase_pt"), qtDir);
        return true;
    }
    // Qt's texts are English already; its catalogue brings the plural forms.
    install(QStringLiteral("qtbase_en"), qtDir);
    return install(QStringLiteral("kelvora_en"), QStringLiteral(":/i18n"));
}

Language installedLanguage() { return installed().language; }

std::string inInstalledLanguage(const ShownText& m) { return shownWords(m).toStdString(); }

QString shownWords(const ShownText& m)
{
    if (m.empty())
        return {};
    if (installedLanguage() == Language::Portuguese)
        return QString::fromStdString(portuguese(m));
    const QString t = QCoreApplication::translate(m.words.context, m.words.source);
    if (m.nested.empty())
        return QString::fromStdString(fillIn(t.toStdString(), m.args));
    std::vector<std::string> args = m.args;
    for (std::size_t i = 0; i < m.nested.size() && i < args.size(); ++i)
        if (!m.nested[i].empty())
            args[i] = shownWords(m.nested[i]).toStdString();
    return QString::fromStdString(fillIn(t.toStdString(), args));
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("pt");
}

std::optional<Language> languageOfCode(const QString& code)
{
    if (code == QLatin1String("pt"))
        return Language::Portuguese;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language languageOfLocale(const QLocale& locale)
{
    return locale.language() == QLocale::English ? Language::English : Language::Portuguese;
}

Language savedLanguage(const QSettings& settings, const QLocale& locale)
{
    if (const auto chosen = languageOfCode(settings.value(QLatin1String(SettingKey)).toString()))
        return *chosen;
    return languageOfLocale(locale);
}

void saveLanguage(QSettings& settings, Language language)
{
    settings.setValue(QLatin1String(SettingKey), languageCode(language));
}

} // namespace kelvora
