// Writes PNG pictures of the kit's windows in the light and the dark theme,
// for looking at them as a user would. Not a test: run it by hand,
//   QT_QPA_PLATFORM=offscreen kit_screenshots <output directory>
#include "kit/kaboutdialog.h"
#include "kit/kballontip.h"
#include "kit/kborderlessbutton.h"
#include "kit/kiconbar.h"
#include "kit/kmenubutton.h"
#include "kit/knavigationbar.h"
#include "kit/ktabbar.h"
#include "kit/kwidget.h"
#include "kit/kwindowbuttonbar.h"
#include "kit/themecontroller.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStandardItemModel>
#include <QThread>
#include <QVBoxLayout>

namespace {

QString g_outDir;

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

void save(QWidget *w, const QString &name)
{
    settle();
    const QString path = QDir(g_outDir).filePath(name + ".png");
    w->grab().save(path);
    qInfo("wrote %s", qPrintable(path));
}

QIcon appIcon()
{
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor("#3790FA"));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(6, 6, 84, 84), 20, 20);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath shield;
    shield.moveTo(48, 22);
    shield.lineTo(70, 30);
    shield.cubicTo(70, 54, 62, 66, 48, 74);
    shield.cubicTo(34, 66, 26, 54, 26, 30);
    shield.closeSubpath();
    p.drawPath(shield);
    return QIcon(pm);
}

void window(int type, const QString &suffix)
{
    lumo::KWidget w;
    w.setWindowFlags(type == 0 ? Qt::Window : Qt::Dialog);
    w.setIcon(appIcon());
    w.setWidgetName("Zorva Intrusion Detector Setting");
    w.setFixedSize(910, 520);
    if (type != 0) {
        auto *nav = new lumo::KNavigationBar(w.sideBar());
        for (const char *name : { "Basic Setting", "Defense Setting", "AI Network Threat Detect" }) {
            auto *item = new QStandardItem(name);
            item->setData(Qt::AlignLeft, Qt::TextAlignmentRole);
            nav->addItem(item);
        }
        nav->listview()->setCurrentIndex(nav->model()->index(0, 0));
        auto *sideLayout = new QVBoxLayout(w.sideBar());
        sideLayout->setContentsMargins(0, 8, 0, 0);
        sideLayout->addWidget(nav, 0, Qt::AlignHCenter);
    }
    auto *content = new QVBoxLayout(w.baseBar());
    content->setContentsMargins(24, 16, 24, 24);
    auto *title = new QLabel("Desktop notifications", w.baseBar());
    QFont f = title->font();
    f.setBold(true);
    title->setFont(f);
    content->addWidget(title);
    content->addWidget(
        new QLabel("Show a notification when the detection services raise an alert.", w.baseBar()));
    content->addWidget(new lumo::KBorderlessButton("See all", w.baseBar()), 0, Qt::AlignLeft);
    content->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(new QPushButton("Cancel", w.baseBar()));
    content->addLayout(buttons);
    w.setLayoutType(type);
    w.show();
    save(&w, QString("kwidget_type%1_%2").arg(type).arg(suffix));
    if (type == 0) {
        // The pointer over the close button, as a user would see it.
        QWidget *close = w.windowButtonBar()->closeButton();
        close->setAttribute(Qt::WA_UnderMouse, true);
        close->update();
        QWidget *maximum = w.windowButtonBar()->maximumButton();
        settle();
        save(w.titleBar(), "titlebar_close_hover_" + suffix);
        close->setAttribute(Qt::WA_UnderMouse, false);
        maximum->setAttribute(Qt::WA_UnderMouse, true);
        maximum->update();
        save(w.titleBar(), "titlebar_max_hover_" + suffix);
    }
}

void aboutDialog(const QString &suffix)
{
    lumo::KAboutDialog dialog(nullptr, appIcon(), "Zorva Intrusion Detector", "Version Number:  1.0.0");
    dialog.show();
    save(&dialog, "about_" + suffix);
}

void bars(const QString &suffix)
{
    QWidget panel;
    panel.setPalette(ThemeController::themePalette());
    panel.setAutoFillBackground(true);
    panel.setBackgroundRole(QPalette::Base);
    auto *layout = new QVBoxLayout(&panel);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(16);
    for (int style = 0; style < 3; ++style) {
        auto *tabs = new lumo::KTabBar(style, &panel);
        tabs->addTab("Alarm Logs");
        tabs->addTab("Alarm Statistics");
        tabs->setFixedSize(style == 2 ? 260 : 200, 36);
        // The main window's font for its tabs.
        QFont font("Noto Sans CJK SC", 14);
        font.setPixelSize(14);
        tabs->setFont(font);
        tabs->setCurrentIndex(style == 1 ? 0 : 1);
        layout->addWidget(tabs);
    }
    {
        // Pointer over the unselected tab of the last bar.
        auto *tabs = panel.findChildren<lumo::KTabBar *>().at(1);
        QMouseEvent move(
            QEvent::MouseMove, tabs->tabRect(1).center(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tabs, &move);
    }
    auto *nav = new lumo::KNavigationBar(&panel);
    nav->addItem(new QStandardItem("Basic Setting"));
    nav->addItem(new QStandardItem("Defense Setting"));
    nav->addGroupItems({ new QStandardItem("AI Network Threat Detect") }, "Advanced");
    nav->listview()->setCurrentIndex(nav->model()->index(1, 0));
    nav->setFixedSize(nav->sizeHint());
    layout->addWidget(nav);
    auto *row = new QHBoxLayout;
    row->addWidget(new lumo::KBorderlessButton("Export a statistical report", &panel));
    row->addStretch();
    auto *menuButton = new lumo::KMenuButton(&panel);
    row->addWidget(menuButton);
    layout->addLayout(row);
    panel.resize(340, 420);
    panel.show();
    save(&panel, "bars_" + suffix);

    menuButton->menu()->popup(QPoint(0, 0));
    settle();
    save(menuButton->menu(), "menu_" + suffix);
    menuButton->menu()->hide();
}

void tips(const QString &suffix)
{
    int i = 0;
    for (lumo::TipType type :
        { lumo::TipNone, lumo::TipSuccess, lumo::TipInfo, lumo::TipWarning, lumo::TipError }) {
        auto *tip = new lumo::KBallonTip(type == lumo::TipNone
                ? "The AI network detection service is not installed, AI inference is unavailable."
                : "Settings saved",
            type);
        tip->setContentsMargins(8, 6, 8, 6);
        tip->setTipTime(60000);
        tip->showInfo();
        save(tip, QString("tip%1_%2").arg(i++).arg(suffix));
        tip->close();
        tip->deleteLater();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        qWarning("usage: kit_screenshots <output directory>");
        return 2;
    }
    g_outDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_outDir);
    for (bool dark : { false, true }) {
        ThemeController::setThemeChoice(dark ? ThemeController::ForceDark : ThemeController::ForceLight);
        const QString suffix = dark ? "dark" : "light";
        for (int type = 0; type < 3; ++type)
            window(type, suffix);
        aboutDialog(suffix);
        bars(suffix);
        tips(suffix);
    }
    return 0;
}
