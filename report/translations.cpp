#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvora {

bool installQtPortuguese()
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Brazilian first: the program's own wording is Brazilian; plain "pt" is
    // close enough when that is all the system has.
    for (const char* name : {"qtbase_pt_BR", "qtbase_pt"}) {
        auto* tr = new QTranslator(QCoreApplication::instance());
        if (tr->load(QString::fromLatin1(name), dir) && QCoreApplication::installTranslator(tr))
            return true;
        delete tr;
    }
    return false;
}

char localeDecimalSeparator()
{
    const QString dp = QLocale::system().decimalPoint();
    return (dp.size() == 1 && dp.at(0).unicode() < 0x80) ? char(dp.at(0).unicode()) : '.';
}

} // namespace kelvora
