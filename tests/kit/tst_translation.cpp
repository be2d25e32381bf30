// The kit's own catalogues: compiled in, complete, and applied to live widgets.
#include "kit/kittranslation.h"
#include "kit/kmenubutton.h"
#include "kit/kwindowbuttonbar.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void catalogueIsCompleteAndEmbedded_data()
    {
        QTest::addColumn<QString>("locale");
        for (const char *locale : { "zh_CN", "bo_CN", "mn_MN", "zh_HK" })
            QTest::newRow(locale) << QString(locale);
    }

    void catalogueIsCompleteAndEmbedded()
    {
        QFETCH(QString, locale);
        QTranslator translator;
        QVERIFY(translator.load(lumo::kitTranslationPath(locale)));
        QCOMPARE(lumo::kitTranslationPath(locale), QString(":/translations/gui_%1.qm").arg(locale));

        QFile ts(QString(KIT_SOURCE_DIR "/translations/gui_%1.ts").arg(locale));
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&ts);
        QString context;
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value("type").toString();
                QVERIFY2(type.isEmpty(), qPrintable(source + " is " + type));
                const QString text = xml.readElementText();
                QVERIFY2(!text.isEmpty(), qPrintable(source));
                QCOMPARE(translator.translate(context.toUtf8(), source.toUtf8()), text);
                ++messages;
            }
        }
        QVERIFY(!xml.hasError());
        QCOMPARE(messages, 21);
    }

    void liveWidgetsFollowTheLanguage()
    {
        lumo::KWindowButtonBar bar;
        QCOMPARE(bar.closeButton()->toolTip(), QString("Close"));
        QVERIFY(!lumo::installKitTranslation("xx_YY"));
        QVERIFY(lumo::installKitTranslation("zh_CN"));
        QTRY_COMPARE(bar.closeButton()->toolTip(), QString::fromUtf8("关闭"));
        QCOMPARE(bar.menuButton()->settingAction()->text(), QString::fromUtf8("设置"));
        lumo::KMenuButton fresh;
        QCOMPARE(fresh.toolTip(), QString::fromUtf8("选项"));
        QCOMPARE(fresh.darkAction()->text(), QString::fromUtf8("深色"));
    }
};

QTEST_MAIN(TranslationTest)
#include "tst_translation.moc"
