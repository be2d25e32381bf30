#include "translation/translation.h"

#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <cerrno>

namespace {

const std::string DATA = TARVIX_TEST_DATA_DIR "/translation";
const std::string ROOT = DATA + "/locale";

QString translated(const Translation &translation, const char *text)
{
    return QString::fromStdString(translation.translate(text));
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void localeSelection_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");

        const QString simplified = QString::fromUtf8("暴力破解登录尝试");
        QTest::newRow("zh_HK") << "zh_HK" << QString::fromUtf8("暴力破解登錄嘗試");
        QTest::newRow("zh_CN") << "zh_CN" << simplified;
        QTest::newRow("zh_TW") << "zh_TW" << simplified;
        QTest::newRow("zh_CN.UTF-8") << "zh_CN.UTF-8" << simplified;
        QTest::newRow("bo_CN") << "bo_CN" << QString::fromUtf8("ཤེད་སྤྱོད་ནང་འཛུལ་ཚོད་ལྟ།");
        QTest::newRow("mn_MN") << "mn_MN" << QString::fromUtf8("ᠬᠦᠴᠦᠯᠡᠨ ᠨᠡᠪᠲᠡᠷᠡᠬᠦ ᠣᠷᠣᠯᠳᠣᠯᠭ᠎ᠠ");
        QTest::newRow("en_US") << "en_US"
                               << "Brute force login attempt";
    }

    void localeSelection()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(translated(Translation(locale.toStdString(), ROOT), "Brute force login attempt"), text);
    }

    void folderNames()
    {
        const Translation english("en_US", ROOT);
        QCOMPARE(translated(english, "桌面"), QString("Desktop"));
        QCOMPARE(translated(english, "公共的"), QString("Public Share"));
        QCOMPARE(translated(english, "桌面 "), QString::fromUtf8("桌面 "));
        QCOMPARE(translated(english, nullptr), QString());

        // Looked up by the English name in the user's catalogue.
        QCOMPARE(translated(Translation("zh_CN", ROOT), "桌面"), QString::fromUtf8("桌面"));
        QCOMPARE(translated(Translation("zh_CN", ROOT), "视频"), QString());
        QCOMPARE(translated(Translation("zh_HK", ROOT), "下载"), QString::fromUtf8("下載"));
    }

    void catalogueContents()
    {
        Translation::Catalogue catalogue;
        QCOMPARE(Translation::loadCatalogue(ROOT + "/zh_CN/LC_MESSAGES/tarvix_zh_CN.ts", catalogue), 0);
        // Unfinished and source-less messages are left out; all contexts share one map.
        QCOMPARE(catalogue.size(), size_t(5));
        QCOMPARE(catalogue.count("Untranslated rule"), size_t(0));
        QCOMPARE(QString::fromStdString(catalogue.at("Repeated rule")), QString::fromUtf8("第一条译文"));
        QCOMPARE(QString::fromStdString(catalogue.at("File & directory changed")),
            QString::fromUtf8("文件和目录已更改"));
        QCOMPARE(translated(Translation("zh_CN", ROOT), "Untranslated rule"), QString());
    }

    void loadFailures()
    {
        Translation::Catalogue catalogue { { "stale", "entry" } };
        QCOMPARE(Translation::loadCatalogue(DATA + "/malformed.ts", catalogue), -2);
        QVERIFY(catalogue.empty());
        catalogue = { { "stale", "entry" } };
        QCOMPARE(Translation::loadCatalogue(DATA + "/absent.ts", catalogue), -2);
        QVERIFY(catalogue.empty());
        catalogue = { { "stale", "entry" } };
        errno = 0;
        QCOMPARE(Translation::loadCatalogue("", catalogue), -1);
        QCOMPARE(errno, EINVAL);
        QVERIFY(catalogue.empty());

        // Without catalogues the user's language has no translations at all.
        QCOMPARE(translated(Translation("zh_CN", DATA + "/absent"), "Brute force login attempt"), QString());
    }

    void detectsEncoding()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("utf16.ts"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QString xml
            = QString::fromUtf8("<?xml version=\"1.0\" encoding=\"utf-16\"?><TS><context><message>"
                                "<source>Desktop</source><translation>桌面</translation>"
                                "</message></context></TS>");
        file.write(QTextCodec::codecForName("UTF-16LE")->fromUnicode(QChar(QChar::ByteOrderMark) + xml));
        file.close();
        Translation::Catalogue catalogue;
        QCOMPARE(Translation::loadCatalogue(file.fileName().toStdString(), catalogue), 0);
        QCOMPARE(QString::fromStdString(catalogue["Desktop"]), QString::fromUtf8("桌面"));
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"
