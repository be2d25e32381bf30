#include "report/tipdialog.h"

#include "kit/kitstyle.h"
#include "widgets/roundedpanel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QHBoxLayout *countRow(const char *picture, QLabel *label)
{
    auto *row = new QHBoxLayout();
    row->setContentsMargins(0, 0, 0, 0);
    auto *dot = new QLabel();
    dot->setPixmap(QPixmap(picture));
    row->addWidget(dot);
    row->addWidget(label);
    row->addStretch();
    return row;
}

} // namespace

tipDialog::tipDialog(const QString &date, int high, int normal, QWidget *parent)
    : QDialog(parent)
{
    setObjectName("tipDialog");
    setFixedSize(130, 100);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    // The chart view and the report around it style every child (grey, with
    // frame borders); the tip paints its own panel instead.
    setStyleSheet("background-color: transparent; border: none;");

    m_dateLabel = new QLabel(this);
    m_dateLabel->setObjectName("dateLabel");
    m_highLabel = new QLabel(this);
    m_highLabel->setObjectName("highLabel");
    m_normalLabel = new QLabel(this);
    m_normalLabel->setObjectName("normalLabel");
    for (QLabel *label : { m_dateLabel, m_highLabel, m_normalLabel })
        label->setTextFormat(Qt::PlainText);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(4);
    layout->addWidget(m_dateLabel);
    layout->addLayout(countRow(":/Resource/Icon/setting/circle_red.png", m_highLabel));
    layout->addLayout(countRow(":/Resource/Icon/setting/circle_blue.png", m_normalLabel));
    layout->addStretch();

    installEventFilter(this);
    setData(date, high, normal);
    lumo::style::followTheme(this, [this] { lumo::style::repolishChildren(this); });
    QTimer::singleShot(1000, this, &QWidget::close);
}

void tipDialog::setData(const QString &date, int high, int normal)
{
    m_date = date;
    m_high = high;
    m_normal = normal;
    m_dateLabel->setText(m_date);
    m_highLabel->setText(QString("%1 %2").arg(tr("High risk:")).arg(m_high));
    m_normalLabel->setText(QString("%1 %2").arg(tr("Normal risk:")).arg(m_normal));
    // Wider when a language or a large count needs it: a cut-off count says nothing.
    setFixedWidth(qMax(130, layout()->minimumSize().width()));
}

void tipDialog::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::surface(), lumo::style::separator());
}

bool tipDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this && event->type() == QEvent::Leave) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
