#include "report/allstatisticswindow.h"

#include "kit/kitstyle.h"
#include "kit/themecontroller.h"
#include "system/systemprobes.h"
#include "widgets/roundedpanel.h"
#include "widgets/screenplacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariant>

namespace {

QPushButton *windowButton(const char *name, const QString &tip, const char *icon, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setFixedSize(30, 30);
    button->setProperty("useIconHighlightEffect", 2);
    button->setProperty("isWindowButton", 1);
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    // The pictures are drawn dark; on a dark window they take the text colour.
    lumo::style::followTheme(button, [button, icon] {
        const QIcon picture(icon);
        button->setIcon(ThemeController::isDarkTheme()
                ? QIcon(lumo::style::tintedPixmap(picture, button->iconSize(),
                    button->palette().color(QPalette::WindowText), button->devicePixelRatioF()))
                : picture);
    });
    return button;
}

} // namespace

AllStatisticsWindow::AllStatisticsWindow(
    const QString &title, const QSize &minimumSize, Placement placement, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_TranslucentBackground);
    setMinimumSize(minimumSize);
    setWindowTitle(title);
    setAccessibleName(title);
    // Owned by a card of the report, whose frame borders would otherwise reach in here.
    setStyleSheet("QFrame { border: none; }");

    auto *titleBar = new QWidget(this);
    titleBar->setObjectName("titleBar");
    titleBar->setMinimumHeight(36);
    auto *titleLayout = new QHBoxLayout(titleBar);
    auto *icon = new QPushButton(titleBar);
    icon->setFlat(true);
    icon->setFocusPolicy(Qt::NoFocus);
    icon->setAccessibleName(tr("Zorva Intrusion Detector"));
    icon->setFixedSize(24, 24);
    icon->setStyleSheet("QPushButton { background: transparent; border: none; }");
    icon->setIcon(sysVersionLevel > 4 ? QIcon::fromTheme("zorva-tarvix")
                                      : QIcon(":/Resource/Icon/base/zorva-tarvix.svg"));
    auto *titleLabel = new QLabel(title, titleBar);
    titleLabel->setObjectName("titleLabel");
    titleLabel->setTextFormat(Qt::PlainText);
    titleLayout->addWidget(icon);
    titleLayout->addWidget(titleLabel);
    titleLayout->addStretch();
    QPushButton *minimum
        = windowButton("minimum_btn", tr("Minimize"), ":/Resource/Icon/titlebar/min.png", titleBar);
    QPushButton *maximum
        = windowButton("maximum_btn", tr("Maximize"), ":/Resource/Icon/titlebar/max.png", titleBar);
    QPushButton *close
        = windowButton("close_btn", tr("Close"), ":/Resource/Icon/titlebar/close.png", titleBar);
    close->setProperty("isWindowButton", 2);
    close->setProperty("useIconHighlightEffect", 8);
    titleLayout->addWidget(minimum);
    titleLayout->addWidget(maximum);
    titleLayout->addWidget(close);
    connect(minimum, &QPushButton::clicked, this, &AllStatisticsWindow::on_minimum_btn_clicked);
    connect(maximum, &QPushButton::clicked, this, &AllStatisticsWindow::on_maximum_btn_clicked);
    connect(close, &QPushButton::clicked, this, &AllStatisticsWindow::on_close_btn_clicked);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(titleBar);
    m_bodyLayout = new QVBoxLayout();
    layout->addLayout(m_bodyLayout, 1);

    resize(minimumSize);
    place(placement);
}

void AllStatisticsWindow::place(Placement placement)
{
    const QRect area = cursorScreenGeometry();
    if (area.isEmpty())
        return;
    const int top = area.y() + area.height() / 2 - height() / 2;
    if (placement == Centred)
        move(area.x() + area.width() / 2 - width() / 2, top);
    else
        move(area.x() + area.width() / 2 - (3 * width()) / 10, top);
}

void AllStatisticsWindow::on_close_btn_clicked()
{
    close();
}

void AllStatisticsWindow::on_minimum_btn_clicked()
{
    showMinimized();
}

void AllStatisticsWindow::on_maximum_btn_clicked()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

void AllStatisticsWindow::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::surface(), lumo::style::card());
}
