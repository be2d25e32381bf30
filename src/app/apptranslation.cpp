#include "app/apptranslation.h"

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
    static const struct {
        const char *locale;
        const char *file;
    } catalogues[] = {
        { "zh_CN", ":/Resource/translations/tarvix_desktop_zh_CN.qm" },
        { "bo_CN", ":/Resource/translations/tarvix_desktop_bo_CN.qm" },
        { "mn_MN", ":/Resource/translations/tarvix_desktop_mn.qm" },
        { "zh_HK", ":/Resource/translations/tarvix_desktop_zh_HK.qm" },
    };
    auto *translator = new QTranslator(&app);
    for (const auto &catalogue : catalogues) {
        if (locale == catalogue.locale && translator->load(catalogue.file))
            app.installTranslator(translator);
    }
    installQtTranslation(app, locale);
}
