#include "app/apptranslation.h"
#include "translation/supportedlocales.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void installQtTranslation(QApplication &app, const QString &locale)
{
    const QString folder = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    auto *translator = new QTranslator(&app);
    // Qt ships Traditional Chinese as Taiwan's catalogue only.
    if (translator->load("qt_" + locale, folder)
        || (locale == "zh_HK" && translator->load("qt_zh_TW", folder)))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installApplicationTranslation(QApplication &app)
{
    installApplicationTranslation(app, QLocale::system().name());
}

void installApplicationTranslation(QApplication &app, const QString &locale)
{
    auto *translator = new QTranslator(&app);
    for (const SupportedLocale &supported : SUPPORTED_LOCALES) {
        if (locale == supported.name
            && translator->load(
                QStringLiteral(":/Resource/translations/%1.qm").arg(supported.programCatalogue)))
            app.installTranslator(translator);
    }
    installQtTranslation(app, locale);
}
