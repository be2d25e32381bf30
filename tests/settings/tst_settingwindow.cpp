// The settings window: navigation, lazily built pages, theme, and its life
// as the main window opens and deletes it.

#include "app/tarvixmainpage.h"
#include "kit/knavigationbar.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/themecontroller.h"
#include "settings/ainetsettingwidget.h"
#include "settings/basicsettingwidget.h"
#include "settings/settingtabwidget.h"
#include "settings/tarvixsettingmainpage.h"
#include "settingtest.h"
#include "support/bustestmain.h"
#include "widgets/tarvixmessagedialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLayout>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTemporaryDir>

namespace {

const QStringList FOLD_SENT
    = { "setNotifyConfig(\"no\", \"10\", \"yes\")", "restartService(\"tarvix-research\")" };

void clickEntry(tarvixSettingMainpage &window, int row)
{
    QListView *list = window.navigationBar()->listview();
    const QRect entry = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
}

} // namespace

class TestSettingWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TARVIX_START_DAEMON(m_sim, {});
        QApplication::setQuitOnLastWindowClosed(false);
    }

    // The server edition has no AI page.
    void navigationOfAServerEdition()
    {
        const QStringList desktop { "Basic Setting", "Defense Setting", "AI Network Threat Detect" };
        for (const QString &edition : { "Desktop", "Server" }) {
            QTemporaryDir dir;
            QFile file(dir.filePath("os-release"));
            QVERIFY(file.open(QIODevice::WriteOnly)
                && file.write(("NAME=\"Zorva " + edition + "\"\n").toUtf8()) > 0);
            file.close();
            tarvixSettingMainpage window(nullptr, file.fileName());
            QStandardItemModel *model = window.navigationBar()->model();
            QStringList shown;
            for (int row = 0; row < model->rowCount(); ++row)
                shown << model->item(row)->text();
            QCOMPARE(shown, edition == "Server" ? desktop.mid(0, 2) : desktop);
        }
    }

    void navigationBuildsEachPageOnce()
    {
        tarvixSettingMainpage window(nullptr);
        window.show();
        QCOMPARE(window.size(), QSize(910, 520));
        QCOMPARE(window.windowTitle(), QString("Zorva Intrusion Detector Setting"));
        lumo::KWindowButtonBar *buttons = window.windowButtonBar();
        QVERIFY(buttons->closeButton()->isVisible() && !buttons->maximumButton()->isVisible()
            && !buttons->minimumButton()->isVisible());
        QCOMPARE(window.basicContainer()->size(), QSize(710, 464));
        QVERIFY(window.basicContainer()->isVisible());

        // The keys move the current entry but do not switch pages.
        QTest::keyClick(window.navigationBar()->listview(), Qt::Key_Down);
        QVERIFY(!window.guardContainer());

        clickEntry(window, 0);
        QPointer<SettingTabWidget> guard = window.guardContainer();
        QVERIFY(guard && !guard->isVisible() && window.basicContainer()->isVisible());
        for (int i = 0; i < 2; ++i)
            clickEntry(window, 1);
        QVERIFY(
            window.guardContainer() == guard && guard->isVisible() && !window.basicContainer()->isVisible());

        QVERIFY(!window.aiContainer());
        clickEntry(window, 2);
        QPointer<SettingTabWidget> ai = window.aiContainer();
        clickEntry(window, 2);
        QCOMPARE(window.baseBar()->layout()->count(), 3);
        QVERIFY(window.aiContainer() == ai && ai->isVisible() && !guard->isVisible());
        clickEntry(window, 0);
        QVERIFY(window.basicContainer()->isVisible() && !window.aiContainer()->isVisible());
    }

    // Under the containers' style sheet the pages would otherwise keep the
    // application's light palette.
    void pagesFollowTheTheme()
    {
        tarvixSettingMainpage window(nullptr);
        window.listViewCurrentRowChangedSlot(window.navigationBar()->model()->index(1, 0));
        window.listViewCurrentRowChangedSlot(window.navigationBar()->model()->index(2, 0));
        const auto textColours = [&window] {
            QSet<QRgb> colours;
            for (SettingTabWidget *container :
                { window.basicContainer(), window.guardContainer(), window.aiContainer() })
                for (QLabel *label : container->page()->findChildren<QLabel *>())
                    if (!label->text().isEmpty() && label->window() == &window)
                        colours << label->palette().color(QPalette::WindowText).rgb();
            return colours;
        };
        for (auto choice : { ThemeController::ForceDark, ThemeController::ForceLight }) {
            ThemeController::setThemeChoice(choice);
            QCOMPARE(textColours(), QSet<QRgb> { window.palette().color(QPalette::WindowText).rgb() });
            // The confirmation box is white in either theme, so its text stays dark.
            auto *ai = static_cast<aiNetSettingWidget *>(window.aiContainer()->page());
            for (QLabel *label : ai->confirmationDialog()->findChildren<QLabel *>())
                QCOMPARE(label->palette().color(QPalette::WindowText),
                    QApplication::palette().color(QPalette::WindowText));
        }
        ThemeController::setThemeChoice(ThemeController::FollowDesktop);
    }

    // One window at a time; Escape closes it and the main window deletes it.
    void openedOnceAndDeletedWhenClosed()
    {
        tarvixMainPage main;
        main.settingButton()->click();
        QPointer<tarvixSettingMainpage> first = main.settingWindow();
        QVERIFY(first && first->isVisible());
        main.settingButton()->click();
        QCOMPARE(main.settingWindow(), first.data());
        QCOMPARE(main.findChildren<tarvixSettingMainpage *>().size(), 1);

        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(!main.settingWindow());
        QTRY_VERIFY(!first);
        main.settingButton()->click();
        QVERIFY(main.settingWindow());
    }

    // The task keeps running and reports nowhere once the window is gone.
    void confirmTaskOutlivesTheWindow()
    {
        TARVIX_START_DAEMON(m_sim, { "--delay", "setNotifyConfig=800" });
        tarvixMainPage main;
        main.settingButton()->click();
        QPointer<tarvixSettingMainpage> window = main.settingWindow();
        auto *page = static_cast<basicSettingWidget *>(window->basicContainer()->page());
        page->foldGroup()->button(0)->click();
        page->confirmButton()->click();
        window->close();
        QTRY_VERIFY(!window);
        QTRY_VERIFY_WITH_TIMEOUT(m_sim.output().contains("reply restartService"), 5000);
        QCOMPARE(writesTo(m_sim), FOLD_SENT);
        TARVIX_START_DAEMON(m_sim, {});
    }

private:
    DaemonSimFixture m_sim;
};

TARVIX_BUS_TEST_MAIN(TestSettingWindow)
#include "tst_settingwindow.moc"
