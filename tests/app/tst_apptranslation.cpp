// The catalogues a start installs for the system locale: the program's own
// and Qt's, so that standard dialogs speak the window's language.

#include "app/apptranslation.h"

#include <QApplication>
#include <QTest>
#include <QTranslator>

class tst_AppTranslation : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void standardDialogsFollowTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("texts"); // the save dialog's folder label, OK
        QTest::newRow("Simplified Chinese") << "zh_CN" << QStringList { "查找范围：", "确定" };
        QTest::newRow("Hong Kong: Qt's Traditional Chinese") << "zh_HK" << QStringList { "尋找於：", "確定" };
        QTest::newRow("English") << "en_US" << QStringList { "Look in:", "OK" };
    }
    void standardDialogsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, texts);
        installApplicationTranslation(*qApp, locale);
        QCOMPARE(QStringList({ QCoreApplication::translate("QFileDialog", "Look in:"),
                     QCoreApplication::translate("QPlatformTheme", "OK") }),
            texts);
        // Qt's catalogue comes in beside the program's own, not instead of it.
        QCOMPARE(
            QCoreApplication::translate("tarvixMainPage", "Alarm Logs") == "Alarm Logs", locale == "en_US");
    }
};

QTEST_MAIN(tst_AppTranslation)
#include "tst_apptranslation.moc"
