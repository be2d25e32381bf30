// The about dialog: version from the package list, the support mail link and
// its lookup of the mail application, and the theme colours.
#include "kit/kaboutdialog.h"
#include "kit/linklabel.h"
#include "kit/themecontroller.h"

#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using lumo::KAboutDialog;

namespace {
bool writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A mime list under home naming the mailto handler(s).
bool writeMailList(const QTemporaryDir &home, const char *list, const QByteArray &handlers)
{
    return writeFile(home.filePath(QString(".config/") + list),
        "[Default Applications]\nx-scheme-handler/mailto=" + handlers + "\n");
}
} // namespace

class KAboutDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void showsWhatItIsGiven()
    {
        QPixmap pm(64, 64);
        pm.fill(Qt::blue);
        KAboutDialog dialog(nullptr, QIcon(pm), "Zorva Intrusion Detector", "Version Number:  1.2.0");
        QCOMPARE(dialog.property("isAboutDialog").toBool(), true);
        QVERIFY(!dialog.findChild<QLabel *>("AppIconLabel")->pixmap(Qt::ReturnByValue).isNull());
        QCOMPARE(dialog.findChild<QLabel *>("SupportLabel")->text(), QString("Service & Support: "));
        QCOMPARE(dialog.findChild<lumo::LinkLabel *>("PrivacyLabel")->text(), QString("Privacy statement"));
    }

    void versionFromPackageList()
    {
        QCOMPARE(KAboutDialog::versionFromOutput("1.2.0-1\n"), QString("1.2.0-1"));
        // Several packages contain the name: the first line is the package itself.
        QCOMPARE(KAboutDialog::versionFromOutput("\n2.0.1\n2.0.1+dev\n"), QString("2.0.1"));
        QCOMPARE(KAboutDialog::versionFromOutput("  \n\n"), QString());
        QCOMPARE(KAboutDialog::packageVersion("no-such-package-kit-test"), QString());
        // The package name never reaches a shell unchecked.
        QTemporaryDir dir;
        const QString marker = dir.filePath("marker");
        QCOMPARE(KAboutDialog::packageVersion("x; touch " + marker), QString());
        QCOMPARE(KAboutDialog::packageVersion("$(touch " + marker + ")"), QString());
        QVERIFY(!QFile::exists(marker));

        // A dialog whose package is not installed says so.
        KAboutDialog dialog(nullptr, QIcon(), "Zorva Intrusion Detector");
        dialog.setPackageName("no-such-package-kit-test");
        dialog.show();
        QCOMPARE(dialog.appVersion(), QString("Version number not found"));
    }

    void mailHandlerLookup()
    {
        QTemporaryDir home;
        QTemporaryDir apps;
        const QString mailer = apps.filePath("mailer.desktop");
        auto lookup = [&] { return KAboutDialog::mailHandlerDesktopFile(home.path(), apps.path()); };
        QCOMPARE(lookup(), QString());
        QVERIFY(writeMailList(home, "mimeapps.list", "gone.desktop;mailer.desktop;"));
        QCOMPARE(lookup(), QString());
        QVERIFY(writeFile(mailer, "[Desktop Entry]\nName=Mailer\n"));
        QCOMPARE(lookup(), mailer);

        // The desktop's own list is the second place to look.
        QFile::remove(home.filePath(".config/mimeapps.list"));
        QVERIFY(writeMailList(home, "vemo-mimeapps.list", "mailer.desktop"));
        QCOMPARE(lookup(), mailer);

        // A handler name must not lead out of the applications directory (sub/../ would find it).
        QVERIFY(QDir(apps.path()).mkdir("sub"));
        QVERIFY(writeMailList(home, "vemo-mimeapps.list", "../mailer.desktop"));
        QCOMPARE(KAboutDialog::mailHandlerDesktopFile(home.path(), apps.filePath("sub")), QString());
    }

    void noMailApplicationIsExplained()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        KAboutDialog dialog(nullptr, QIcon(), "Zorva Intrusion Detector", "1.0");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *mail = dialog.findChild<lumo::LinkLabel *>("SupportMailLabel");
        QTest::mouseClick(mail, Qt::LeftButton);
        qputenv("HOME", oldHome);

        auto *box = dialog.findChild<QMessageBox *>("MailErrorBox");
        QVERIFY(box);
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->windowTitle(), QString("Unable to open mail application"));
        QCOMPARE(box->text(),
            QString("Your system does not have any email application installed or the default "
                    "mail application is not set up."));
        QVERIFY(!box->iconPixmap().isNull());
        box->close();
    }

    void themeColours()
    {
        ThemeController::setThemeChoice(ThemeController::ForceLight);
        KAboutDialog dialog(nullptr, QIcon(), "Zorva Intrusion Detector", "1.0");
        auto *mail = dialog.findChild<lumo::LinkLabel *>("SupportMailLabel");
        QCOMPARE(mail->textColor(), QColor("#595959"));
        QCOMPARE(dialog.palette().color(QPalette::Link), QColor("#307FF5"));

        ThemeController::setThemeChoice(ThemeController::ForceDark);
        QCOMPARE(mail->textColor(), QColor("#D9D9D9"));
        QCOMPARE(dialog.palette().color(QPalette::Link), QColor("#307FF5"));
        QVERIFY(dialog.palette().color(QPalette::Base).lightness() < 80);
        ThemeController::setThemeChoice(ThemeController::FollowDesktop);
    }
};

QTEST_MAIN(KAboutDialogTest)
#include "tst_kaboutdialog.moc"
