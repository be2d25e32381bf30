#include "kit/kballontip.h"
#include "kit/kballontip_p.h"
#include "logging/logcategories.h"

#include "kit/kitstyle.h"
#include "kit/themecontroller.h"
#include "kit/themecontroller_p.h"

#include <QDebug>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTextDocument>
#include <QTimer>
#include <QtMath>

namespace lumo {

namespace {
// Room around the bubble for its shadow.
const int kShadowMargin = 8;
const int kIconSize = 24;
const int kMaxTextWidth = 360;
} // namespace

KBallonTipPrivate::KBallonTipPrivate(KBallonTip *parent)
    : QObject(parent)
    , q(parent)
{
    m_iconLabel = new QLabel(q);
    m_iconLabel->setObjectName("m_pIconLabel");
    m_iconLabel->setFixedSize(kIconSize, kIconSize);
    m_contentLabel = new QLabel(q);
    m_contentLabel->setObjectName("m_pContentLabel");
    m_contentLabel->setWordWrap(true);
    m_contentLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    m_layout = new QHBoxLayout(q);
    m_layout->setContentsMargins(kShadowMargin, kShadowMargin, kShadowMargin, kShadowMargin);
    m_layout->setSpacing(8);
    m_layout->addWidget(m_iconLabel, 0, Qt::AlignTop);
    m_layout->addWidget(m_contentLabel, 1);

    m_shadow = new QGraphicsDropShadowEffect(q);
    m_shadow->setObjectName("m_pShadow_effect");
    m_shadow->setOffset(0, 2);
    m_shadow->setBlurRadius(kShadowMargin * 2);
    m_shadow->setColor(QColor(0, 0, 0, 60));
    q->setGraphicsEffect(m_shadow);

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &KBallonTipPrivate::onTimeout);
    connect(KitTheme::instance(), &KitTheme::themeChanged, this, [this] {
        q->setPalette(ThemeController::themePalette());
        q->update();
    });
}

void KBallonTipPrivate::updateIcon()
{
    QIcon icon;
    switch (m_type) {
    case TipNone:
        break;
    case TipSuccess:
        icon = QIcon::fromTheme(
            "emblem-default", QIcon::fromTheme("vemo-dialog-success", style::kitIcon("dialog-success")));
        break;
    case TipInfo:
        icon = style::themeIcon("dialog-info", "dialog-info");
        break;
    case TipWarning:
        icon = style::themeIcon("dialog-warning", "dialog-warning");
        break;
    case TipError:
        icon = style::themeIcon("dialog-error", "dialog-error");
        break;
    case TipCustom:
        m_iconLabel->setPixmap(m_customPixmap.scaled(kIconSize * q->devicePixelRatioF(),
            kIconSize * q->devicePixelRatioF(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        m_iconLabel->setVisible(!m_customPixmap.isNull());
        q->adjustSize();
        return;
    }
    if (icon.isNull()) {
        m_iconLabel->clear();
        m_iconLabel->hide();
    } else {
        m_iconLabel->setPixmap(icon.pixmap(QSize(kIconSize, kIconSize)));
        m_iconLabel->show();
    }
    q->adjustSize();
}

void KBallonTipPrivate::updateSize()
{
    // A word-wrapped label does not know its own width; give it the width of
    // its text on one line, up to the limit, and let the height follow.
    QTextDocument doc;
    doc.setDocumentMargin(0);
    doc.setDefaultFont(m_contentLabel->font());
    const QString text = m_contentLabel->text();
    if (Qt::mightBeRichText(text))
        doc.setHtml(text);
    else
        doc.setPlainText(text);
    const int width = qMin(kMaxTextWidth, qCeil(doc.idealWidth()) + 2);
    m_contentLabel->setFixedWidth(qMax(1, width));
    m_contentLabel->setMinimumHeight(m_contentLabel->heightForWidth(width));
    q->adjustSize();
}

void KBallonTipPrivate::onTimeout()
{
    q->close();
    q->deleteLater();
}

KBallonTip::KBallonTip(QWidget *parent)
    : KBallonTip(QString(), TipNone, parent)
{
}

KBallonTip::KBallonTip(const QString &text, TipType type, QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
    , d(new KBallonTipPrivate(this))
{
    setObjectName("KBallonTip");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setPalette(ThemeController::themePalette());
    d->m_contentLabel->setText(text);
    setTipType(type);
    d->updateSize();
}

KBallonTip::~KBallonTip() = default;

void KBallonTip::setTipType(TipType type)
{
    d->m_type = type;
    d->updateIcon();
}

void KBallonTip::setTipType(int type)
{
    if (type < TipNone || type > TipCustom) {
        qCWarning(lcKit) << "unknown balloon tip type" << type;
        type = TipNone;
    }
    setTipType(static_cast<TipType>(type));
}

TipType KBallonTip::tipType() const
{
    return d->m_type;
}

void KBallonTip::setText(const QString &text)
{
    d->m_contentLabel->setText(text);
    d->updateSize();
}

QString KBallonTip::text() const
{
    return d->m_contentLabel->text();
}

void KBallonTip::setTipTime(int milliseconds)
{
    d->m_time = qMax(0, milliseconds);
}

int KBallonTip::tipTime() const
{
    return d->m_time;
}

void KBallonTip::setPixmap(const QPixmap &pixmap)
{
    d->m_customPixmap = pixmap;
    if (d->m_type == TipCustom)
        d->updateIcon();
}

void KBallonTip::showInfo()
{
    show();
}

void KBallonTip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bubble
        = QRectF(rect()).adjusted(kShadowMargin, kShadowMargin, -kShadowMargin, -kShadowMargin);
    const bool dark = ThemeController::isDarkTheme();
    const QColor fill = dark ? QColor("#2C2D30") : QColor("#FFFFFF");
    p.setPen(QPen(dark ? QColor(255, 255, 255, 30) : QColor(0, 0, 0, 24), 1));
    p.setBrush(fill);
    p.drawRoundedRect(bubble.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

void KBallonTip::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Every show gives the tip its full time again.
    d->m_timer->start(d->m_time);
}

void KBallonTip::hideEvent(QHideEvent *event)
{
    // A tip hidden by its owner waits to be shown again instead of vanishing.
    d->m_timer->stop();
    QWidget::hideEvent(event);
}

} // namespace lumo
