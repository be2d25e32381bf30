#include "widgets/custombutton.h"

#include "kit/kitstyle.h"

#include <QConicalGradient>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QTimer>

namespace {

constexpr int FRAME_COUNT = 8;
constexpr int FRAME_SIZE = 24;
constexpr int FRAME_INTERVAL = 100;
constexpr int RADIUS = 8;
constexpr int TEXT_GAP = 6;
constexpr int MIN_WIDTH = 96;
constexpr int MIN_HEIGHT = 36;

// Size in device-independent pixels, which is what the layout works in.
QSize logicalSize(const QPixmap &pixmap)
{
    if (pixmap.isNull())
        return QSize(0, 0);
    return pixmap.size() / pixmap.devicePixelRatio();
}

} // namespace

CustomButton::CustomButton(QWidget *parent)
    : QPushButton(parent)
    , m_animationTimer(new QTimer(this))
    , m_stopTimer(new QTimer(this))
{
    setText(tr("Confirm"));
    setAttribute(Qt::WA_Hover);
    // The face is painted over the style's button; a flat one leaves no bevel
    // showing at the rounded corners.
    setFlat(true);
    // The stop timer ends a loading phase once; the owner's wait must not end early.
    m_stopTimer->setSingleShot(true);
    m_stopTimer->setTimerType(Qt::PreciseTimer);
    connect(m_animationTimer, &QTimer::timeout, this, &CustomButton::updateLoadingImage);
    connect(m_stopTimer, &QTimer::timeout, this, &CustomButton::stopTimer);
    connect(this, &QPushButton::clicked, this, &CustomButton::onClicked);
    loadFrames();
}

QString CustomButton::loadingText()
{
    return QStringLiteral("%1...").arg(tr("Configuring"));
}

bool CustomButton::isAnimating() const
{
    return m_animationTimer->isActive();
}

void CustomButton::onClicked()
{
    m_loading = true;
    startAnimation();
}

void CustomButton::startAnimation()
{
    if (!m_animationTimer->isActive())
        m_animationTimer->start(FRAME_INTERVAL);
}

void CustomButton::updateLoadingImage()
{
    m_frameIndex = (m_frameIndex + 1) % m_frames.size();
    m_currentFrame = m_frames.at(m_frameIndex);
    repaint();
}

void CustomButton::stopLater(double msec)
{
    if (!m_stopTimer->isActive())
        m_stopTimer->start(static_cast<int>(msec));
}

void CustomButton::stopAfterTask(int taskMsecs)
{
    stopLater(taskMsecs < 500 ? 500.0 : 50.0);
}

void CustomButton::resetLoading()
{
    m_animationTimer->stop();
    m_stopTimer->stop();
    m_loading = false;
    m_frameIndex = 0;
    m_currentFrame = m_frames.first();
    update();
}

void CustomButton::stopTimer()
{
    if (!m_animationTimer->isActive())
        return;
    m_animationTimer->stop();
    m_stopTimer->stop();
    // Drop the spinner from the busy face that stays until the window closes.
    update();
    emit loadingAnimationFinished();
}

void CustomButton::loadFrames()
{
    const qreal dpr = qApp ? qApp->devicePixelRatio() : 1.0;
    for (int i = 0; i < FRAME_COUNT; ++i) {
        const QIcon icon = QIcon::fromTheme(QStringLiteral("vemo-loading-%1.symbolic").arg(i));
        QPixmap frame
            = icon.pixmap(icon.actualSize(QSize(FRAME_SIZE, FRAME_SIZE)), QIcon::Normal, QIcon::Off);
        // Without the desktop's icon theme the button still shows that it works.
        if (frame.isNull())
            frame = drawnFrame(i, dpr);
        m_frames.append(frame);
    }
    m_currentFrame = m_frames.first();
}

QPixmap CustomButton::drawnFrame(int index, qreal devicePixelRatio)
{
    QPixmap frame(QSize(FRAME_SIZE, FRAME_SIZE) * devicePixelRatio);
    frame.setDevicePixelRatio(devicePixelRatio);
    frame.fill(Qt::transparent);

    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    // An arc whose tail fades out, turned clockwise by an eighth per frame.
    const int head = 90 - index * (360 / FRAME_COUNT);
    const QRectF ring(4.0, 4.0, FRAME_SIZE - 8.0, FRAME_SIZE - 8.0);
    QConicalGradient gradient(ring.center(), head);
    gradient.setColorAt(0.0, Qt::white);
    gradient.setColorAt(0.8, QColor(255, 255, 255, 0));
    gradient.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(QPen(QBrush(gradient), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(ring, head * 16, 280 * 16);
    return frame;
}

QSize CustomButton::sizeHint() const
{
    QSize hint = QPushButton::sizeHint().expandedTo(QSize(MIN_WIDTH, MIN_HEIGHT));
    // Wide enough for the spinner and the loading text at their places.
    const int frameWidth = logicalSize(m_frames.value(0)).width();
    const int textWidth = fontMetrics().horizontalAdvance(loadingText());
    int width = hint.width();
    while ((width - frameWidth) / 10 + frameWidth + TEXT_GAP + textWidth + 10 > width)
        ++width;
    hint.setWidth(width);
    return hint;
}

QSize CustomButton::minimumSizeHint() const
{
    return sizeHint();
}

void CustomButton::paintEvent(QPaintEvent *event)
{
    QPushButton::paintEvent(event);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = rect();
    painter.setPen(Qt::NoPen);

    if (!m_loading) {
        QColor face = lumo::style::accentFace();
        if (!isEnabled())
            face = lumo::style::accentFaceDisabled();
        else if (isDown())
            face = lumo::style::accentFacePressed();
        else if (underMouse())
            face = lumo::style::accentFaceHover();
        painter.setBrush(face);
        painter.drawRoundedRect(area, RADIUS, RADIUS);
        painter.setPen(isEnabled() ? QColor(Qt::white) : lumo::style::accentFaceDisabledText());
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter, text());
        return;
    }

    painter.setBrush(lumo::style::accentFaceBusy());
    painter.drawRoundedRect(area, RADIUS, RADIUS);
    if (!m_animationTimer->isActive())
        return;
    const QSize frame = logicalSize(m_currentFrame);
    const int x = (width() - frame.width()) / 10;
    painter.drawPixmap(x, (height() - frame.height()) / 2, m_currentFrame);
    painter.setPen(Qt::white);
    painter.drawText(
        QPoint(x + frame.width() + TEXT_GAP, (height() - frame.height()) * 3 / 4 + frame.height() / 2),
        loadingText());
}
