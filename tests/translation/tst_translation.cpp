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
        // Folder names: English by a table of their own, other languages through the catalogue by their
        // English name. Unfinished messages are left out.
        const std::tuple<const char *, const char *, QString> rows[] = {
            { "zh_HK", brute, "暴力破解登錄嘗試" }, { "zh_CN", brute, simplified },
            { "zh_TW", brute, simplified }, { "zh_CN.UTF-8", brute, simplified },
            { "bo_CN", brute, "ཤེད་སྤྱོད་ནང་འཛུལ་ཚོད་ལྟ།" }, { "mn_MN", brute, "ᠬᠦᠴᠦᠯᠡᠨ ᠨᠡᠪᠲᠡᠷᠡᠬᠦ ᠣᠷᠣᠯᠳᠣᠯᠭ᠎ᠠ" },
            { "en_US", brute, brute }, { "en_US", "桌面", "Desktop" }, { "en_US", "公共的", "Public Share" },
            { "en_US", "桌面 ", "桌面 " }, { "en_US", nullptr, "" }, { "zh_CN", "桌面", "桌面" },
            { "zh_CN", "视频", "" }, { "zh_HK", "下载", "下載" }, { "zh_CN", "Untranslated rule", "" }
        };
        for (const auto &[locale, text, expected] : rows)
            QCOMPARE(translated(locale, text), expected);
        // Without catalogues nothing is translated.
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
