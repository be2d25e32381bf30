#ifndef APP_APPTRANSLATION_H
#define APP_APPTRANSLATION_H

class QApplication;
class QString;

// The program's own catalogue for the system locale, compiled in, and Qt's
// catalogue from the system's Qt translations, so that standard dialogs and
// buttons speak the same language as the windows.
void installApplicationTranslation(QApplication &app);
void installApplicationTranslation(QApplication &app, const QString &locale);

#endif
