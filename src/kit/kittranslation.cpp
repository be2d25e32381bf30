#include "kit/kittranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace lumo {

QString kitTranslationPath(const QString &localeName)
{
    return QStringLiteral(":/translations/gui_%1.qm").arg(localeName);
}

bool installKitTranslation(const QString &localeName)
{
    if (!QCoreApplication::instance())
        return false;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(kitTranslationPath(localeName))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace lumo
