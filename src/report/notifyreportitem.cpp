#include "report/notifyreportitem.h"
#include "logging/logcategories.h"

#include "daemon/tarvixdesktopdaemonclient.h"
#include "kit/kballontip.h"
#include "kit/kitstyle.h"
#include "widgets/threadworker.h"

#include <QDebug>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include <atomic>
#include <memory>

namespace {

const int AI_NOT_INSTALLED = 2;

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace

notifyReportItem::notifyReportItem(const ReportItemData &data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName("notifyReportItem");
    setMinimumSize(192, 96);
    setStyleSheet("border: none;");

    auto *outer = new QVBoxLayout(this);
    outer->addStretch();

    auto *valueRow = new QWidget(this);
    valueRow->setFixedHeight(48);
    auto *valueLayout = new QHBoxLayout(valueRow);
    valueLayout->addStretch();
    m_valueLabel = plainLabel(valueText(), valueRow);
    m_valueLabel->setObjectName("valueLabel");
    updateAccessibleName();
    QFont valueFont = m_valueLabel->font();
    valueFont.setPixelSize(20);
    valueFont.setWeight(75);
    m_valueLabel->setFont(valueFont);
    m_valueLabel->setAlignment(Qt::AlignBottom);
    if (m_data.type == 1)
        lumo::style::followTheme(m_valueLabel, [this] {
            m_valueLabel->setStyleSheet(
                QString("color: %1;").arg(lumo::style::accentText().name().toUpper()));
        });
    valueLayout->addWidget(m_valueLabel);
    auto *unitColumn = new QVBoxLayout();
    unitColumn->addItem(new QSpacerItem(20, 10, QSizePolicy::Minimum, QSizePolicy::Expanding));
    QLabel *unit = plainLabel(m_data.unit, valueRow);
    unit->setObjectName("unitLabel");
    unit->setFixedHeight(24);
    unit->setAlignment(Qt::AlignBottom);
    unitColumn->addWidget(unit);
    valueLayout->addLayout(unitColumn);
    valueLayout->addStretch();
    outer->addWidget(valueRow);

    auto *titleRow = new QHBoxLayout();
    titleRow->addStretch();
    QLabel *icon = new QLabel(this);
    icon->setObjectName("iconLabel");
    icon->setPixmap(m_data.icon);
    icon->setVisible(!m_data.icon.isNull());
    titleRow->addWidget(icon);
    titleRow->addSpacing(6);
    QLabel *title = plainLabel(m_data.title, this);
    title->setObjectName("titleLabel");
    titleRow->addWidget(title);
    titleRow->addSpacing(6);
    m_tipLabel = new QLabel(this);
    m_tipLabel->setObjectName("tipLabel");
    m_tipLabel->setPixmap(QPixmap(":/Resource/Icon/base/tips.svg"));
    m_tipLabel->setVisible(m_data.showTip);
    m_tipLabel->installEventFilter(this);
    titleRow->addWidget(m_tipLabel);
    titleRow->addStretch();
    outer->addLayout(titleRow);
    outer->addStretch();
}

QString notifyReportItem::valueText() const
{
    if (m_data.value == ReportItemData::NoValue)
        return tr("None");
    if (m_data.value == ReportItemData::Pending)
        return "--";
    return QString::number(m_data.value);
}

void notifyReportItem::updateUi(qint64 value)
{
    m_data.value = value;
    m_valueLabel->setText(valueText());
    updateAccessibleName();
}

// A screen reader says the card as one: its title, value and unit ("--" is not read out).
void notifyReportItem::updateAccessibleName()
{
    if (m_data.value == ReportItemData::Pending)
        setAccessibleName(tr("%1: not known").arg(m_data.title));
    else
        setAccessibleName(tr("%1: %2 %3").arg(m_data.title, valueText(), m_data.unit));
}

void notifyReportItem::setShowTip(bool show)
{
    m_data.showTip = show;
    m_tipLabel->setVisible(show);
}

void notifyReportItem::updateAiUi()
{
    // The daemon may take its time: asked on a thread, the answer applied here.
    if (m_askingAiState)
        return;
    m_askingAiState = true;
    auto status = std::make_shared<std::atomic<int>>(AI_NOT_INSTALLED);
    ThreadWorker::start(
        this,
        [status] { *status = TarvixDesktopDaemonClient::instance()->getServiceStatus("tarvix_net_ai", 2); },
        [this, status](int) {
            m_askingAiState = false;
            if (*status != AI_NOT_INSTALLED) {
                m_data.showTip = false;
                m_tipLabel->hide();
            }
        });
}

bool notifyReportItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tipLabel) {
        if (event->type() == QEvent::Enter) {
            qCDebug(lcReport) << "watch qlabel event";
            show_ballon_tip(watched);
        } else if (event->type() == QEvent::Leave && m_ballonTip) {
            m_ballonTip->close();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void notifyReportItem::show_ballon_tip(QObject *watched)
{
    qCDebug(lcReport) << "show_ballon_tip";
    if (!m_ballonTip)
        m_ballonTip = new lumo::KBallonTip(this);
    m_ballonTip->setTipType(0);
    m_ballonTip->setContentsMargins(8, 6, 8, 6);
    m_ballonTip->setTipTime(1000000);
    if (watched != m_tipLabel)
        return;
    // No style sheet for the text colour: the kit's tip colours its text for the
    // desktop's light or dark style itself, and a style sheet turns its dark bubble white.
    // Our own translated texts only: the one place in the report where markup is wanted.
    const QString intro = tr(
        "The AI network detection service is not installed, AI inference is unavailable. Please go first");
    const QString action = tr("install the 'AI Network Inspection Service', and if so, restart the intrusion "
                              "detection tool");
    m_ballonTip->setText(QString("%1 <span style=\"color:%2;\"> %3 </span>%4")
                             .arg(intro, lumo::style::accentText().name().toUpper(),
                                 tr("Alarm Statistics - Settings"), action));
    const QPoint corner = m_tipLabel->mapToGlobal(QPoint(0, 0));
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int desktopWidth = screen ? screen->virtualGeometry().width() : 0;
    const int tipWidth = m_ballonTip->width();
    if (corner.x() + m_tipLabel->width() + tipWidth <= desktopWidth)
        m_ballonTip->move(corner.x() + m_tipLabel->width(), corner.y());
    else
        m_ballonTip->move(desktopWidth - tipWidth, corner.y() - m_ballonTip->height());
    m_ballonTip->showInfo();
}

lumo::KBallonTip *notifyReportItem::ballonTip() const
{
    return m_ballonTip;
}
