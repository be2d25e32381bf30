#include "widgets/tarvixmessagedialog.h"

#include "kit/kitstyle.h"
#include "widgets/roundedpanel.h"
#include "widgets/screenplacement.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QVariant>

namespace {
const int BUTTON_WIDTH = 96;
const int BUTTON_HEIGHT = 36;
const int WINDOW_BUTTON_SIZE = 30;

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

TarvixMessageDialog::TarvixMessageDialog(const QString &title, const QPixmap &titleIcon, const QString &text,
    const QString &detail, const QPixmap &icon, QWidget *parent)
    : QWidget(parent)
    , m_title(title)
    , m_titleIcon(titleIcon)
    , m_text(text)
    , m_detail(detail)
    , m_icon(icon)
{
    // A dialog: it stays above the window that asks, and out of the taskbar.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(448, 178);
    lumo::style::followTheme(this, [this] {
        QPalette surface = palette();
        surface.setColor(QPalette::Window, lumo::style::surface());
        setPalette(surface);
        // Under an owner's style sheet.
        lumo::style::repolishChildren(this);
    });

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(24, 0, 0, 24);
    m_layout->addWidget(buildTitleRow());

    auto *textRow = new QHBoxLayout;
    textRow->setContentsMargins(0, 0, 0, 0);
    auto *iconLabel = new QLabel(this);
    iconLabel->setPixmap(m_icon);
    textRow->addWidget(iconLabel);
    textRow->addWidget(plainLabel(m_text, this));
    textRow->addStretch();
    textRow->addSpacing(20);
    m_layout->addLayout(textRow);

    auto *detailRow = new QHBoxLayout;
    detailRow->setContentsMargins(0, 0, 0, 0);
    detailRow->addSpacing(32);
    QLabel *detailLabel = plainLabel(m_detail, this);
    detailLabel->setWordWrap(true);
    detailRow->addWidget(detailLabel, 1);
    detailRow->addSpacing(20);
    m_layout->addLayout(detailRow);
    m_layout->addStretch();

    auto *buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addStretch();
    m_cancelButton = new QPushButton(tr("Cancel"), this);
    m_confirmButton = new QPushButton(tr("Confirm"), this);
    m_confirmButton->setProperty("isImportant", true);
    for (QPushButton *button : { m_cancelButton, m_confirmButton }) {
        button->setFixedSize(BUTTON_WIDTH, BUTTON_HEIGHT);
        buttonRow->addWidget(button);
    }
    buttonRow->addSpacing(20);
    m_layout->addLayout(buttonRow);

    connect(m_cancelButton, &QPushButton::clicked, this, &TarvixMessageDialog::slot_cancel);
    connect(m_confirmButton, &QPushButton::clicked, this, &TarvixMessageDialog::slot_confirm);

    centreOnCursorScreen(this);
}

QWidget *TarvixMessageDialog::buildTitleRow()
{
    auto *row = new QWidget(this);
    row->setFixedHeight(36);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 6, 6, 0);

    auto *iconLabel = new QLabel(row);
    iconLabel->setFixedSize(16, 16);
    iconLabel->setPixmap(m_titleIcon);
    iconLabel->setVisible(!m_titleIcon.isNull());
    layout->addWidget(iconLabel);
    QLabel *titleLabel = plainLabel(m_title, row);
    titleLabel->setVisible(!m_title.isEmpty());
    layout->addWidget(titleLabel);
    layout->addStretch();

    QPushButton *minimum
        = createWindowButton("minimum_btn", QStringLiteral("Minimize"), ":/Resource/Icon/titlebar/min.png");
    minimum->setProperty("useIconHighlightEffect", 2);
    minimum->setProperty("isWindowButton", 1);
    QPushButton *close
        = createWindowButton("close_btn", QStringLiteral("Close"), ":/Resource/Icon/titlebar/close.png");
    close->setProperty("isWindowButton", 2);
    close->setProperty("useIconHighlightEffect", 8);
    layout->addWidget(minimum);
    layout->addWidget(close);
    connect(minimum, &QPushButton::clicked, this, &TarvixMessageDialog::on_minimum_btn_clicked);
    connect(close, &QPushButton::clicked, this, &TarvixMessageDialog::on_close_btn_clicked);
    return row;
}

QPushButton *TarvixMessageDialog::createWindowButton(
    const char *name, const QString &toolTip, const QString &icon)
{
    auto *button = new QPushButton(QIcon(icon), QString(), this);
    button->setObjectName(name);
    button->setFlat(true);
    button->setFixedSize(WINDOW_BUTTON_SIZE, WINDOW_BUTTON_SIZE);
    button->setToolTip(toolTip);
    return button;
}

void TarvixMessageDialog::on_close_btn_clicked()
{
    close();
}

void TarvixMessageDialog::on_minimum_btn_clicked()
{
    showMinimized();
}

void TarvixMessageDialog::slot_cancel()
{
    emit signal_service_close(false);
    emit signal_service_open(false);
    close();
}

void TarvixMessageDialog::slot_confirm()
{
    emit signal_service_close(true);
    emit signal_service_open(true);
    close();
}

void TarvixMessageDialog::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::surface(), lumo::style::card());
}
