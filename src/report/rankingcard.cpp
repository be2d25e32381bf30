#include "report/rankingcard.h"

#include "kit/kborderlessbutton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

RankingCard::RankingCard(const QString &title, QWidget *parent)
    : QWidget(parent)
{
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor("#F5F5F5"));
    setPalette(background);
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
    auto *seeAll = new lumo::KBorderlessButton(tr("See all"), this);
    seeAll->setObjectName("seeAllButton");
    connect(seeAll, &QPushButton::clicked, this, &RankingCard::slot_clicked);
    header->addWidget(line);
    header->addWidget(titleLabel);
    header->addStretch();
    header->addWidget(seeAll);
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
