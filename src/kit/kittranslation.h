#pragma once

#include <QString>

class QTranslator;

namespace lumo {

// Path of the kit's compiled-in catalogue for a locale name such as "zh_CN".
QString kitTranslationPath(const QString &localeName);

// Loads the kit's catalogue for the locale into a translator owned by the
// application and installs it; false when the kit has none for that locale.
bool installKitTranslation(const QString &localeName);

} // namespace lumo
