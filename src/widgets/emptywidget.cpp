#include "widgets/emptywidget.h"

#include "kit/kitstyle.h"

#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

EmptyWidget::EmptyWidget(const QString &text, int width, int height, QWidget *parent)
    : QWidget(parent)
    , m_text(text)
    , m_picture(QStringLiteral(":/Resource/Icon/base/pic_empty.png"))
    , m_pictureMinWidth(width)
    , m_pictureMinHeight(height)
    , m_pictureLabel(new QLabel(this))
    , m_textLabel(new QLabel(this))
{
    m_pictureLabel->setObjectName(QStringLiteral("pictureLabel"));
    m_pictureLabel->setPixmap(m_picture);
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    m_pictureLabel->setMinimumSize(m_pictureMinWidth, m_pictureMinHeight);

    m_textLabel->setObjectName(QStringLiteral("textLabel"));
    m_textLabel->setTextFormat(Qt::PlainText);
    m_textLabel->setText(m_text);
    m_textLabel->setAlignment(Qt::AlignCenter);
    lumo::style::followTheme(m_textLabel, [this] {
        QPalette palette = m_textLabel->palette();
        for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
            palette.setColor(group, QPalette::WindowText, lumo::style::mutedText());
        m_textLabel->setPalette(palette);
    });

    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_pictureLabel);
    layout->addWidget(m_textLabel);
    layout->addStretch();
}

void EmptyWidget::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    m_pictureLabel->setPixmap(m_picture);
    if (isVisible())
        scalePicture();
}

void EmptyWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    scalePicture();
}

void EmptyWidget::scalePicture()
{
    if (m_picture.isNull())
        return;
    // Scaled in device pixels so the picture stays sharp on high-density screens.
    const qreal dpr = devicePixelRatioF();
    QPixmap scaled
        = m_picture.scaled(m_pictureLabel->size() * dpr, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(dpr);
    m_pictureLabel->setPixmap(scaled);
}
