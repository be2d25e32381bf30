#include "widgets/alerttext.h"

#include <QtTest>

class TestAlertText : public QObject
{
    Q_OBJECT

private slots:
    void bidiControlsBecomeVisibleMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain") << "/var/log/auth.log"
                               << "/var/log/auth.log";
        QTest::newRow("right-to-left override")
            << QString::fromUtf8("evil\u202Egnp.exe") << "evil<U+202E>gnp.exe";
        QTest::newRow("every control")
            << QString::fromUtf8("\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069")
            << "<U+202A><U+202B><U+202C><U+202D><U+202E><U+2066><U+2067><U+2068><U+2069>";
        QTest::newRow("neighbours kept")
            << QString::fromUtf8("a\u2029b\u206Ac\u200Fd") << QString::fromUtf8("a\u2029b\u206Ac\u200Fd");
        QTest::newRow("other scripts")
            << QString::fromUtf8("用户 مستخدم") << QString::fromUtf8("用户 مستخدم");
    }
    void bidiControlsBecomeVisibleMarks()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(alertTextForDisplay(text), shown);
    }
};

QTEST_GUILESS_MAIN(TestAlertText)
#include "tst_alerttext.moc"
