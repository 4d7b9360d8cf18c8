#include "ui/app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zelkor {

bool InstallItalianTranslations(QCoreApplication& app)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    // The translator installed last is asked first, so the program's own words come after Qt's
    // and win should a later Qt translate the same texts differently.
    auto* qt = new QTranslator(&app);
    if (qt->load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    }
    auto* own = new QTranslator(&app);
    if (!own->load(italian, QStringLiteral("zelkor"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        return false;
    }
    return QCoreApplication::installTranslator(own);
}

}  // namespace zelkor
