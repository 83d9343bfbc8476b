#include "spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void useSpanish(QCoreApplication &app)
{
    const QLocale spain(QLocale::Spanish, QLocale::Spain);
    QLocale::setDefault(spain);
    auto *translator = new QTranslator(&app);
    if (translator->load(spain, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
