// The options menu: its entries, the Theme choice and the Feedback tool.
#include "kit/kmenubutton.h"
#include "kit/themecontroller.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

using lumo::KMenuButton;

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
        QVERIFY(!button.icon().isNull());
        QCOMPARE(button.popupMode(), QToolButton::InstantPopup);

        QStringList texts;
        for (QAction *action : button.menu()->actions())
            texts << action->text();
        QCOMPARE(texts, QStringList({ "Setting", "Theme", "Help", "About", "Feedback", "Quit" }));
        QCOMPARE(button.menu()->actions().at(0), button.settingAction());
        QCOMPARE(button.menu()->actions().at(2), button.assistAction());
        QCOMPARE(button.menu()->actions().at(3), button.aboutAction());
        QCOMPARE(button.menu()->actions().at(4), button.feedbackAction());
        QCOMPARE(button.menu()->actions().at(5), button.quitAction());
        QCOMPARE(button.themeAction()->menu(), button.themeMenu());
    }

    void themeActionsAreExclusive()
    {
        KMenuButton button;
        KMenuButton other;
        QStringList texts;
        for (QAction *action : button.themeMenu()->actions()) {
            texts << action->text();
            QVERIFY(action->isCheckable());
        }
        QCOMPARE(texts, QStringList({ "Auto", "Light", "Dark" }));
        QVERIFY(button.autoAction()->isChecked());

        button.darkAction()->trigger();
        QVERIFY(button.darkAction()->isChecked());
        QVERIFY(!button.autoAction()->isChecked());
        QVERIFY(!button.lightAction()->isChecked());
        QVERIFY(ThemeController::isDarkTheme());
        // Another menu of the same process shows the same choice.
        QVERIFY(other.darkAction()->isChecked());

        button.lightAction()->trigger();
        QVERIFY(button.lightAction()->isChecked());
        QVERIFY(!button.darkAction()->isChecked());
        QCOMPARE(ThemeController::themeChoice(), ThemeController::ForceLight);
        QVERIFY(!ThemeController::isDarkTheme());
        QVERIFY(other.lightAction()->isChecked());

        button.autoAction()->trigger();
        QCOMPARE(ThemeController::themeChoice(), ThemeController::FollowDesktop);
        QVERIFY(!button.lightAction()->isChecked());
    }

    void executableFromCmdline()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath("cmdline"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("/usr/bin/tarvix-desktop\0-s\0"
                              "42\0",
            28));
        file.close();
        QCOMPARE(KMenuButton::executableFromCmdline(file.fileName()), QString("/usr/bin/tarvix-desktop"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot read"));
        QCOMPARE(KMenuButton::executableFromCmdline(dir.filePath("missing")), QString());
        QCOMPARE(
            KMenuButton::defaultFeedbackTool(), QString("/opt/zorva-os-manager/tools/service-support-mini"));
    }

    void feedbackStartsTheTool()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath("args");
        const QString tool = dir.filePath("service-support-mini");
        QFile script(tool);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(
            QString("#!/bin/sh\nfor a in \"$@\"; do echo \"$a\"; done > '%1.tmp'\nmv '%1.tmp' '%1'\n")
                .arg(out)
                .toUtf8());
        script.close();
        QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

        QVERIFY(KMenuButton::startFeedback(tool, QCoreApplication::applicationPid()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(out), 5000);
        QFile result(out);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QStringList args = QString::fromUtf8(result.readAll()).split('\n', Qt::SkipEmptyParts);
        const QString self = KMenuButton::executableFromCmdline(
            QString("/proc/%1/cmdline").arg(QCoreApplication::applicationPid()));
        QVERIFY(!self.isEmpty());
        QCOMPARE(args, QStringList({ "-mode=1", "-exe=" + self }));

        // Without the tool nothing is started.
        QVERIFY(!KMenuButton::startFeedback(dir.filePath("absent"), QCoreApplication::applicationPid()));
    }
};

QTEST_MAIN(KMenuButtonTest)
#include "tst_kmenubutton.moc"
