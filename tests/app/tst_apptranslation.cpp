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
        QTest::addColumn<QString>("lookIn"); // the save dialog's folder label
        QTest::addColumn<QString>("ok");
        QTest::newRow("Simplified Chinese") << "zh_CN" << QString("查找范围：") << QString("确定");
        QTest::newRow("Hong Kong: Qt's Traditional Chinese")
            << "zh_HK" << QString("尋找於：") << QString("確定");
        QTest::newRow("English") << "en_US" << QString("Look in:") << QString("OK");
    }
    void standardDialogsFollowTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, lookIn);
        QFETCH(QString, ok);
        installApplicationTranslation(*qApp, locale);
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), lookIn);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "OK"), ok);
        // Qt's catalogue comes in beside the program's own, not instead of it.
        QCOMPARE(
            QCoreApplication::translate("tarvixMainPage", "Alarm Logs") == "Alarm Logs", locale == "en_US");
    }
};

QTEST_MAIN(tst_AppTranslation)
#include "tst_apptranslation.moc"
