// The options menu: its entries, the Theme choice and the Feedback tool.
#include "kit/kmenubutton.h"
#include "kit/themecontroller.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using lumo::KMenuButton;

namespace {
bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QStringList texts(QMenu *menu)
{
    QStringList result;
    for (QAction *action : menu->actions())
        result << action->text();
    return result;
}

// Which of Auto, Light and Dark are checked, as "010".
QString checked(KMenuButton &b)
{
    QString result;
    for (QAction *action : { b.autoAction(), b.lightAction(), b.darkAction() })
        result += action->isChecked() ? '1' : '0';
    return result;
}
} // namespace

class KMenuButtonTest : public QObject
{
    Q_OBJECT

private slots:
    void entriesInOrder()
    {
        KMenuButton button;
        QCOMPARE(button.toolTip(), QString("Options"));
        QCOMPARE(button.property("isWindowButton").toInt(), 1);
        QCOMPARE(button.property("useIconHighlightEffect").toInt(), 2);
        QCOMPARE(
            texts(button.menu()), QStringList({ "Setting", "Theme", "Help", "About", "Feedback", "Quit" }));
        QCOMPARE(button.menu()->actions().at(5), button.quitAction());
        QCOMPARE(texts(button.themeMenu()), QStringList({ "Auto", "Light", "Dark" }));
    }

    void themeActionsAreExclusive()
    {
        KMenuButton button;
        KMenuButton other;
        QCOMPARE(checked(button), QString("100"));

        button.darkAction()->trigger();
        QCOMPARE(checked(button), QString("001"));
        QVERIFY(ThemeController::isDarkTheme());
        // Another menu of the same process shows the same choice.
        QCOMPARE(checked(other), QString("001"));

        button.lightAction()->trigger();
        QCOMPARE(ThemeController::themeChoice(), ThemeController::ForceLight);
        QCOMPARE(checked(other), QString("010"));

        button.autoAction()->trigger();
        QCOMPARE(ThemeController::themeChoice(), ThemeController::FollowDesktop);
        QCOMPARE(checked(button), QString("100"));
    }

    void feedbackStartsTheToolWithThisExecutable()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("cmdline"),
            QByteArray("/usr/bin/tarvix-desktop\0-s\0"
                       "42\0",
                28)));
        QCOMPARE(
            KMenuButton::executableFromCmdline(dir.filePath("cmdline")), QString("/usr/bin/tarvix-desktop"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read"));
        QCOMPARE(KMenuButton::executableFromCmdline(dir.filePath("missing")), QString());
        QCOMPARE(
            KMenuButton::defaultFeedbackTool(), QString("/opt/zorva-os-manager/tools/service-support-mini"));

        const QString out = dir.filePath("args");
        const QString tool = dir.filePath("service-support-mini");
        QVERIFY(writeFile(tool,
            QString("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1.tmp'\nmv '%1.tmp' '%1'\n")
                .arg(out)
                .toUtf8()));
        QVERIFY(QFile::setPermissions(tool, QFile::permissions(tool) | QFileDevice::ExeOwner));
        const qint64 pid = QCoreApplication::applicationPid();
        QVERIFY(KMenuButton::startFeedback(tool, pid));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 5000);
        QFile result(out);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QString self = KMenuButton::executableFromCmdline(QString("/proc/%1/cmdline").arg(pid));
        QVERIFY(!self.isEmpty());
        QCOMPARE(QString::fromUtf8(result.readAll()).split('\n', Qt::SkipEmptyParts),
            QStringList({ "-mode=1", "-exe=" + self }));
        // Without the tool nothing is started.
        QVERIFY(!KMenuButton::startFeedback(dir.filePath("absent"), pid));
    }
};

QTEST_MAIN(KMenuButtonTest)
#include "tst_kmenubutton.moc"
