#include "translation/translation.h"

#include <QtTest>

#include <cerrno>

namespace {

const std::string DATA = TARVIX_TEST_DATA_DIR "/translation";
const std::string ROOT = DATA + "/locale";

QString translated(const std::string &locale, const char *text, const std::string &root = ROOT)
{
    return QString::fromStdString(Translation(locale, root).translate(text));
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    void translates()
    {
        const char *const brute = "Brute force login attempt";
        const QString simplified = QString::fromUtf8("暴力破解登录尝试");
        const QList<QPair<const char *, QString>> byLocale
            = { { "zh_HK", QString::fromUtf8("暴力破解登錄嘗試") }, { "zh_CN", simplified },
                  { "zh_TW", simplified }, { "zh_CN.UTF-8", simplified },
                  { "bo_CN", QString::fromUtf8("ཤེད་སྤྱོད་ནང་འཛུལ་ཚོད་ལྟ།") },
                  { "mn_MN", QString::fromUtf8("ᠬᠦᠴᠦᠯᠡᠨ ᠨᠡᠪᠲᠡᠷᠡᠬᠦ ᠣᠷᠣᠯᠳᠣᠯᠭ᠎ᠠ") }, { "en_US", brute } };
        for (const auto &entry : byLocale)
            QCOMPARE(translated(entry.first, brute), entry.second);

        // Folder names: English by a table of their own, other languages through
        // the catalogue by their English name.
        QCOMPARE(translated("en_US", "桌面"), QString("Desktop"));
        QCOMPARE(translated("en_US", "公共的"), QString("Public Share"));
        QCOMPARE(translated("en_US", "桌面 "), QString::fromUtf8("桌面 "));
        QCOMPARE(translated("en_US", nullptr), QString());
        QCOMPARE(translated("zh_CN", "桌面"), QString::fromUtf8("桌面"));
        QCOMPARE(translated("zh_CN", "视频"), QString());
        QCOMPARE(translated("zh_HK", "下载"), QString::fromUtf8("下載"));
        // Unfinished messages are left out; without catalogues nothing is translated.
        QCOMPARE(translated("zh_CN", "Untranslated rule"), QString());
        QCOMPARE(translated("zh_CN", brute, DATA + "/absent"), QString());
    }

    void catalogues()
    {
        Translation::Catalogue catalogue;
        QCOMPARE(Translation::loadCatalogue(ROOT + "/zh_CN/LC_MESSAGES/tarvix_zh_CN.ts", catalogue), 0);
        // Source-less messages are left out too; all contexts share one map.
        QCOMPARE(catalogue.size(), size_t(5));
        QCOMPARE(QString::fromStdString(catalogue.at("Repeated rule")), QString::fromUtf8("第一条译文"));
        QCOMPARE(QString::fromStdString(catalogue.at("File & directory changed")),
            QString::fromUtf8("文件和目录已更改"));

        // Failures leave an empty catalogue.
        for (const std::string &path : { DATA + "/malformed.ts", DATA + "/absent.ts", std::string() }) {
            catalogue = { { "stale", "entry" } };
            errno = 0;
            QCOMPARE(Translation::loadCatalogue(path, catalogue), path.empty() ? -1 : -2);
            QVERIFY(catalogue.empty());
        }
        QCOMPARE(errno, EINVAL);
    }
};

QTEST_GUILESS_MAIN(TestTranslation)
#include "tst_translation.moc"
