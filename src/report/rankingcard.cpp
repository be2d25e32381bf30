#include "report/rankingcard.h"

#include "kit/kborderlessbutton.h"
#include "kit/kitstyle.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

RankingCard::RankingCard(const QString &title, const QString &seeAllName, QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(title);
    lumo::style::followTheme(this, [this] {
        QPalette background = palette();
        background.setColor(QPalette::Window, lumo::style::card());
        setPalette(background);
    });
    setAutoFillBackground(true);

    auto *header = new QHBoxLayout();
    auto *line = new QLabel(this);
    line->setFixedSize(16, 16);
    line->setPixmap(QPixmap(":/Resource/Icon/base/verticalLine.png"));
    auto *titleLabel = new QLabel(title, this);
    titleLabel->setObjectName("titleLabel");
    QFont bold = titleLabel->font();
    bold.setWeight(75);
    titleLabel->setFont(bold);
    m_seeAll = new lumo::KBorderlessButton(tr("See all"), this);
    m_seeAll->setObjectName("seeAllButton");
    m_seeAll->setAccessibleName(seeAllName);
    connect(m_seeAll, &QPushButton::clicked, this, &RankingCard::slot_clicked);
    header->addWidget(line);
    header->addWidget(titleLabel);
    header->addStretch();
    header->addWidget(m_seeAll);
    header->addSpacing(13);

    m_layout = new QVBoxLayout(this);
    m_layout->addLayout(header);
    m_layout->addStretch();
}

void RankingCard::setRows(QWidget *rows)
{
    delete m_rows;
    m_rows = rows;
    m_layout->insertWidget(1, m_rows);
}

RankingRow::RankingRow(QWidget *parent)
    : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void RankingRow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit chosen();
}

void RankingRow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit chosen();
    else
        QWidget::keyPressEvent(event);
}

void RankingRow::paintEvent(QPaintEvent *)
{
    if (!underMouse() && !hasFocus())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor highlight = palette().color(QPalette::Highlight);
    highlight.setAlpha(hasFocus() ? 60 : 30);
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight)) : Qt::NoPen);
    painter.setBrush(highlight);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
}

bool RankingRow::event(QEvent *event)
{
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::HoverLeave)
        update();
    return QWidget::event(event);
}
