// Every window in both themes, judged by its rendered pixels, also when switched while open.

#include "app/tarvixmainpage.h"
#include "apptest.h"
#include "kit/knavigationbar.h"
#include "kit/ktabbar.h"
#include "kit/themecontroller.h"
#include "logpage/notify_log_frame.h"
#include "logpage/notifylogmainpage.h"
#include "report/alleventstatisticswidget.h"
#include "report/eventstatisticswidget.h"
#include "report/notifyreportmain.h"
#include "report/rankingcard.h"
#include "report/tipdialog.h"
#include "settings/tarvixsettingmainpage.h"
#include "support/bustestmain.h"
#include "widgets/custombutton.h"
#include "widgets/datetimerangewidget.h"
#include "widgets/emptywidget.h"
#include "widgets/tarvixmessagedialog.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>

#include <map>

namespace {

double luminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The share of the opaque pixels in area that are light, and the contrast of text there: the most common
// pixel is the background, the one farthest from it the text (glyph stems reach the full colour).
std::pair<double, double> lightShareAndContrast(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    int light = 0, opaque = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ++counts[pixel | 0xff000000];
            if (qAlpha(pixel) >= 128)
                ++opaque, light += luminance(pixel) > 0.5;
        }
    QRgb background = 0;
    int most = 0;
    for (const auto &[colour, count] : counts)
        if (count > most)
            most = count, background = colour;
    double best = 1.0;
    for (const auto &[colour, count] : counts)
        best = qMax(best, contrast(colour, background));
    return { opaque ? double(light) / opaque : 0.0, best };
}

QPoint origin(QWidget *widget, QWidget *window)
{
    return widget == window ? QPoint() : widget->mapTo(window, QPoint());
}

QString describe(QWidget *widget)
{
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

} // namespace

class TestDarkTheme : public QObject
{
    Q_OBJECT

    DaemonSimFixture m_sim;
    QTemporaryDir m_dir;
    std::unique_ptr<tarvixMainPage> m_main; // loads once, for every row that shows it
    QPalette m_lightPalette;

    tarvixMainPage *mainWindow(int tab)
    {
        if (!m_main) {
            m_main = std::make_unique<tarvixMainPage>();
            m_main->show();
            if (!QTest::qWaitFor([this] { return !m_main->logPage()->isLoading(); }, 20000))
                return nullptr;
        }
        m_main->tabBar()->setCurrentIndex(tab);
        if (tab == 1) {
            if (!QTest::qWaitFor([this] { return !m_main->reportPage()->isLoading(); }, 20000))
                return nullptr;
        } else if (notify_log_frame *entry = m_main->logPage()->findChild<notify_log_frame *>())
            entry->setExpanded(true); // the details too
        return m_main.get();
    }

    // The window of a row, shown; owned by the test or by the main window.
    QWidget *open(const QString &name, std::unique_ptr<QWidget> &owned)
    {
        QWidget *window = nullptr;
        if (name == "alarm logs") {
            window = mainWindow(0);
        } else if (name == "alarm statistics") {
            window = mainWindow(1);
        } else if (name == "settings" && mainWindow(0)) {
            m_main->settingButton()->click();
            window = m_main->settingWindow();
        } else if (name == "See all" && mainWindow(1)) {
            m_main->reportPage()->eventCard()->seeAllButton()->click();
            window = m_main->reportPage()->eventCard()->allWindow();
        } else if (name == "tip") {
            owned = std::make_unique<tipDialog>("2026-10-23", 1, 16);
        } else if (name == "message dialog") {
            owned = std::make_unique<TarvixMessageDialog>("Service", QPixmap(), "Turn the service off?",
                "The host is not guarded while it is off.", QPixmap());
        } else if (name == "date range picker") {
            owned = std::make_unique<DateTimeRangeWidget>(QDate(2026, 1, 5), QDate(2026, 2, 10));
        } else if (name == "confirm buttons") {
            // Idle, greyed out while a page reads, and busy with its task.
            owned = std::make_unique<QWidget>();
            auto *layout = new QHBoxLayout(owned.get());
            for (int i = 0; i < 3; ++i)
                layout->addWidget(new CustomButton(owned.get()));
            layout->itemAt(1)->widget()->setEnabled(false);
            static_cast<CustomButton *>(layout->itemAt(2)->widget())->click();
        } else if (name == "empty state") {
            owned = std::make_unique<EmptyWidget>("No alarm logs", 200, 150);
            owned->resize(400, 300);
        }
        if (owned)
            window = owned.get();
        if (window)
            window->show();
        return window && QTest::qWaitForWindowExposed(window) ? window : nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(startSimWithAlerts(m_sim, m_dir, 3), qPrintable(m_sim.errorString()));
        QApplication::setQuitOnLastWindowClosed(false);
        m_lightPalette = QApplication::palette();
    }

    void cleanupTestCase()
    {
        m_main.reset();
        ThemeController::setThemeChoice(ThemeController::FollowDesktop);
    }

    void windowsFollowTheTheme_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("switchedWhileOpen");
        for (const char *window : { "alarm logs", "alarm statistics", "See all", "tip", "settings",
                 "confirm buttons", "message dialog", "date range picker", "empty state" }) {
            QTest::addRow("%s, light", window) << QString(window) << false << false;
            QTest::addRow("%s, dark", window) << QString(window) << true << false;
            QTest::addRow("%s, turned dark while open", window) << QString(window) << true << true;
            QTest::addRow("%s, turned light again", window) << QString(window) << false << true;
        }
    }

    void windowsFollowTheTheme()
    {
        QFETCH(QString, window);
        QFETCH(bool, dark);
        QFETCH(bool, switchedWhileOpen);
        const auto choice = dark ? ThemeController::ForceDark : ThemeController::ForceLight;
        ThemeController::setThemeChoice(
            switchedWhileOpen ? (dark ? ThemeController::ForceLight : ThemeController::ForceDark) : choice);
        std::unique_ptr<QWidget> owned;
        QWidget *shown = open(window, owned);
        QVERIFY(shown);
        if (switchedWhileOpen)
            ThemeController::setThemeChoice(choice);
        QCOMPARE(ThemeController::isDarkTheme(), dark);

        const QImage image = shown->grab().toImage();
        QList<QWidget *> parts = shown->findChildren<QWidget *>();
        parts.prepend(shown);
        int texts = 0;
        for (QWidget *part : parts) {
            // What shows of it: a scroll area cuts off the rest.
            const QRect visible = part->visibleRegion().boundingRect();
            if (!part->isVisibleTo(shown) || visible.width() < 8 || visible.height() < 8)
                continue;
            const QRect area = visible.translated(origin(part, shown)) & image.rect();
            // Light in light, dark in dark: windows, pages, entries, cards, boxes.
            const auto [share, ratio] = lightShareAndContrast(image, area);
            QVERIFY2(dark ? share < 0.5 : part != shown || share > 0.5,
                qPrintable(QString("%1: %2 light").arg(describe(part)).arg(share)));
            auto *label = qobject_cast<QLabel *>(part);
            auto *button = qobject_cast<QAbstractButton *>(part);
            const QString text = label ? label->text() : button ? button->text() : QString();
            // Greyed-out controls (a page still reading, say) need no contrast.
            if (dark && part->isEnabled() && !text.trimmed().isEmpty()) {
                ++texts;
                QVERIFY2(ratio >= 4.5,
                    qPrintable(QString("%1 \"%2\": contrast %3").arg(describe(part), text).arg(ratio)));
            }
        }
        // Navigation entries are painted, not widgets: the chosen one too.
        for (auto *navigation : shown->findChildren<lumo::KNavigationBar *>()) {
            QListView *list = navigation->listview();
            for (int row = 0; dark && row < list->model()->rowCount(); ++row) {
                const QModelIndex index = list->model()->index(row, 0);
                // Inside the rounded corners, where only face and text show.
                const QRect entry = list->visualRect(index)
                                        .adjusted(8, 2, -8, -2)
                                        .translated(origin(list->viewport(), shown));
                const double ratio = lightShareAndContrast(image, entry & image.rect()).second;
                QVERIFY2(ratio >= 4.5,
                    qPrintable(QString("entry \"%1\": contrast %2").arg(index.data().toString()).arg(ratio)));
            }
        }
        QVERIFY(!dark || texts > 0);
        if (owned || window == "settings" || window == "See all")
            shown->close();
    }

    // The light theme's key colours stay as they always were, also after a round through the dark theme.
    void lightKeepsItsColours()
    {
        for (auto choice :
            { ThemeController::ForceLight, ThemeController::ForceDark, ThemeController::ForceLight })
            ThemeController::setThemeChoice(choice);
        tarvixMainPage *window = mainWindow(0);
        QVERIFY(window);
        const QImage image = window->grab().toImage();
        auto *entry = window->logPage()->findChild<notify_log_frame *>();
        QVERIFY(entry);
        const QPoint inEntry = entry->mapTo(window, QPoint(4, entry->height() / 2));
        QCOMPARE(QColor(image.pixel(4, window->height() / 2)), QColor(Qt::white)); // the window's panel
        QCOMPARE(QColor(image.pixel(inEntry)), QColor("#F5F5F5"));
        auto *title = window->findChild<QLabel *>("title_label");
        QCOMPARE(title->palette().color(QPalette::WindowText), m_lightPalette.color(QPalette::WindowText));
    }
};

TARVIX_BUS_TEST_MAIN(TestDarkTheme)
#include "tst_darktheme.moc"
