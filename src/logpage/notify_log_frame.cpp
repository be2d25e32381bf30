#include "logpage/notify_log_frame.h"
#include "logging/logcategories.h"

#include "alertengine/alertloader.h"
#include "kit/kitstyle.h"
#include "logpage/alertfilter.h"
#include "logpage/framelinewidget.h"
#include "logpage/notifylogmainpage.h"
#include "reportdata/alertfields.h"
#include "reportdata/alerttext.h"
#include "widgets/roundedpanel.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPixmapCache>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

const Qt::TextInteractionFlags SELECTABLE = Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse;
const int MIN_CAPTION_WIDTH = 60;

// Captions share one column, as wide as the longest caption of this
// language, so values line up within and across entries.
int captionWidth(const QFont &font)
{
    const QStringList allCaptions = { notify_log_frame::tr("Time of occurrence: "),
        notify_log_frame::tr("Log Source: "), notify_log_frame::tr("Rule No.: "),
        notify_log_frame::tr("Group Category: "), notify_log_frame::tr("User: "),
        notify_log_frame::tr("Source IP: "), notify_log_frame::tr("Target IP: "),
        notify_log_frame::tr("Raw logs: "), notify_log_frame::tr("Associated Informations: ") };
    const QFontMetrics metrics(font);
    int width = MIN_CAPTION_WIDTH;
    for (const QString &caption : allCaptions)
        width = qMax(width, metrics.horizontalAdvance(caption) + 4);
    return width;
}

QPixmap arrowPixmap(bool up, const QSize &size)
{
    // One pixmap for all entries, not one per entry.
    const QString key
        = QStringLiteral("notify_log_frame-arrow-%1-%2x%3").arg(up).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const char *name = up ? "vemo-up-symbolic" : "vemo-down-symbolic";
    const QString fallback
        = up ? ":/Resource/Icon/base/vemo-up-symbolic.png" : ":/Resource/Icon/base/vemo-down-symbolic.png";
    pixmap = QIcon::fromTheme(name, QIcon(fallback)).pixmap(size);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Captions of the detail rows, in the order they are shown and copied.
QString levelText(int level)
{
    return QString("%1%2").arg(notify_log_frame::tr("Level: ")).arg(level);
}

QString severityText(int level)
{
    return level > 14 ? notify_log_frame::tr("severe")
        : level >= 12 ? notify_log_frame::tr("normal")
                      : notify_log_frame::tr("other");
}

QString displayTime(const QString &date)
{
    return alertTimeShown(date.toStdString());
}

QString titleText(const notifyLogData &data)
{
    return ruleTitleShown(data.comment.toStdString(), notifyLogMainPage::sharedTranslation());
}

// The rows of the details: caption and value, only those the alert has.
QList<QPair<QString, QString>> detailRows(const notifyLogData &data)
{
    QList<QPair<QString, QString>> rows { { notify_log_frame::tr("Rule No.: "),
        QString::number(data.rule) } };
    const QPair<QString, const QString *> optional[] = { { notify_log_frame::tr("Group Category: "),
                                                             &data.group },
        { notify_log_frame::tr("User: "), &data.user }, { notify_log_frame::tr("Source IP: "), &data.srcIp },
        { notify_log_frame::tr("Target IP: "), &data.dstIp },
        { notify_log_frame::tr("Raw logs: "), &data.firstLog } };
    for (const auto &[caption, value] : optional) {
        if (!value->isEmpty())
            rows.append({ caption, *value });
    }
    // A lone line feed is the empty separator line, not information.
    if (data.otherLogs.size() >= 2)
        rows.append({ notify_log_frame::tr("Associated Informations: "), data.otherLogs });
    return rows;
}

// A run this long without a place to break would widen the entry beyond the
// window; a zero-width space lets the line wrap within it.
const int UNBROKEN_RUN = 80;

// A label draws with Text instead of WindowText once its text is selectable.
QPalette redText(const QPalette &base)
{
    QPalette palette(base);
    palette.setColor(QPalette::WindowText, lumo::style::alertText());
    palette.setColor(QPalette::Text, lumo::style::alertText());
    return palette;
}

} // namespace

QLabel *notify_log_frame::plainLabel(const QString &text, QWidget *parent)
{
    QLabel *label = new QLabel(parent);
    // Alert texts come from the monitored host: never let them render as rich text.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    makeSelectable(label);
    return label;
}

void notify_log_frame::makeSelectable(QLabel *label)
{
    // A label whose text can be selected carries a whole text document, which
    // would make a long list of entries many times its size: the text turns
    // selectable when the pointer comes to it.
    label->installEventFilter(this);
    // The list's menu, with "Copy alert", rather than one label's.
    label->setContextMenuPolicy(Qt::NoContextMenu);
}

notify_log_frame::notify_log_frame(const notifyLogData &data, QWidget *parent)
    : QFrame(parent)
    , m_data(data)
{
    buildForm();
    fillView();
}

notify_log_frame::~notify_log_frame() = default;

void notify_log_frame::buildForm()
{
    setObjectName("notify_log_frame");
    resize(858, 164);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setWindowTitle("Frame");

    auto *horizontalLayout_5 = new QHBoxLayout(this);
    horizontalLayout_5->setObjectName("horizontalLayout_5");
    horizontalLayout_5->setSpacing(0);
    horizontalLayout_5->setContentsMargins(0, 0, 0, 0);
    auto *verticalLayout_2 = new QVBoxLayout();
    verticalLayout_2->setObjectName("verticalLayout_2");
    verticalLayout_2->setSpacing(0);
    verticalLayout_2->setContentsMargins(0, -1, -1, -1);
    horizontalLayout_5->addLayout(verticalLayout_2);

    m_frame = new QFrame(this);
    m_frame->setObjectName("frame");
    m_frame->setMinimumSize(856, 108);
    m_frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    auto *verticalLayout_4 = new QVBoxLayout(m_frame);
    verticalLayout_4->setObjectName("verticalLayout_4");
    verticalLayout_4->setSpacing(0);
    verticalLayout_4->setContentsMargins(0, 0, 0, 0);

    auto *horizontalLayout_2 = new QHBoxLayout();
    horizontalLayout_2->setObjectName("horizontalLayout_2");
    horizontalLayout_2->setSpacing(0);
    horizontalLayout_2->setContentsMargins(-1, 10, 30, 0);
    auto placeholder = [this](const char *name) {
        QLabel *label = new QLabel("TextLabel", m_frame);
        label->setObjectName(name);
        return label;
    };
    m_iconLabel = placeholder("loginfoIconLabel");
    m_iconLabel->setMinimumSize(24, 24);
    m_titleLabel = placeholder("loginfoTitleLabel");
    m_titleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_titleLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_levelLabel = placeholder("loglevelLabel");
    m_typeLabel = placeholder("logtypeLabel");
    m_upDownIconLabel = placeholder("upDownIconLabel");
    m_upDownIconLabel->setMinimumSize(24, 24);
    m_upDownIconLabel->setMaximumWidth(24);
    m_upDownIconLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_upDownIconLabel->setCursor(Qt::PointingHandCursor);

    horizontalLayout_2->addItem(new QSpacerItem(11, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    horizontalLayout_2->addWidget(m_iconLabel);
    horizontalLayout_2->addItem(new QSpacerItem(8, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    horizontalLayout_2->addWidget(m_titleLabel);
    horizontalLayout_2->addItem(new QSpacerItem(8, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    horizontalLayout_2->addWidget(m_levelLabel);
    horizontalLayout_2->addItem(new QSpacerItem(16, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    horizontalLayout_2->addWidget(m_typeLabel);
    horizontalLayout_2->addItem(new QSpacerItem(16, 20, QSizePolicy::Fixed, QSizePolicy::Minimum));
    horizontalLayout_2->addWidget(m_upDownIconLabel);
    verticalLayout_4->addLayout(horizontalLayout_2);

    m_loginfoVerticalLayout = new QVBoxLayout();
    m_loginfoVerticalLayout->setObjectName("loginfoVerticalLayout");
    m_loginfoVerticalLayout->setSpacing(0);
    m_loginfoVerticalLayout->setContentsMargins(35, -1, 30, -1);
    verticalLayout_4->addLayout(m_loginfoVerticalLayout);
    verticalLayout_2->addWidget(m_frame);

    m_detailFrame = new QFrame(this);
    m_detailFrame->setObjectName("notify_log_detail_frame");
    m_detailFrame->setMinimumWidth(856);
    m_detailFrame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    verticalLayout_2->addWidget(m_detailFrame);
}

void notify_log_frame::setArrow(bool up)
{
    m_upDownIconLabel->setPixmap(arrowPixmap(up, m_upDownIconLabel->minimumSize()));
}

QLabel *notify_log_frame::addRow(
    QVBoxLayout *into, const QString &caption, const QString &value, QLabel **valueLabel)
{
    QLabel *captionLabel = plainLabel(caption, m_frame);
    captionLabel->setFixedWidth(m_captionWidth);
    QLabel *valueText = plainLabel(alertTextForDisplay(value), m_frame);
    valueText->setFixedHeight(24);
    auto *row = new QHBoxLayout();
    row->addWidget(captionLabel, 0, Qt::AlignLeft);
    row->addSpacing(24);
    row->addWidget(valueText);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    into->addLayout(row);
    *valueLabel = valueText;
    return captionLabel;
}

QString notify_log_frame::shownRawLine(const QString &line)
{
    const int left = line.size() - SHOWN_LINE_CHARS;
    QString shown;
    shown.reserve(qMin(line.size(), SHOWN_LINE_CHARS) + SHOWN_LINE_CHARS / UNBROKEN_RUN + 1);
    int run = 0;
    for (QChar c : line.left(SHOWN_LINE_CHARS)) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > UNBROKEN_RUN) {
            shown += QChar(0x200B);
            run = 1;
        }
        shown += c;
    }
    if (left > 0)
        shown += " " + tr("… %1 more characters").arg(QLocale().toString(left));
    return shown;
}

QString notify_log_frame::alertText(const notifyLogData &data)
{
    QStringList lines { titleText(data), levelText(data.level) + " (" + severityText(data.level) + ")",
        tr("Time of occurrence: ") + displayTime(data.date),
        tr("Log Source: ") + alertTextForDisplay(data.location) };
    for (const auto &[caption, value] : detailRows(data))
        lines << caption + alertTextForDisplay(value);
    return lines.join('\n');
}

void notify_log_frame::addDetailLine(const QString &caption, const QString &value)
{
    QLabel *captionLabel = plainLabel(caption, m_detailFrame);
    captionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    captionLabel->setFixedWidth(m_captionWidth);
    // Raw lines are as long as an attacker makes them: each is shown up to a bound.
    QStringList lines = value.split('\n');
    for (QString &line : lines)
        line = shownRawLine(line);
    QLabel *valueLabel = plainLabel(alertTextForDisplay(lines.join('\n')), m_detailFrame);
    valueLabel->setWordWrap(true);
    auto *line = new QHBoxLayout();
    line->addWidget(captionLabel);
    line->addSpacing(24);
    line->addWidget(valueLabel, 1);
    m_detailVerticalLayout->addLayout(line);
}

void notify_log_frame::fillView()
{
    m_upDownIconLabel->installEventFilter(this);
    setArrow(false);
    m_upDownIconLabel->setProperty("useIconHighlightEffect", 2);

    m_detailFrame->hide();
    m_detailFrame->setFrameShape(QFrame::NoFrame);
    m_frame->setFrameShape(QFrame::NoFrame);

    const bool severe = m_data.level > 14;
    m_iconLabel->setPixmap(QPixmap(
        severe ? ":/Resource/Icon/setting/selected_red.png" : ":/Resource/Icon/setting/selected.png"));

    const QString title = titleText(m_data);
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setText(title);
    m_titleLabel->setMinimumWidth(600);
    m_titleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_titleLabel->setWordWrap(true);
    makeSelectable(m_titleLabel);

    m_levelLabel->setText(levelText(m_data.level));
    m_typeLabel->setText(severityText(m_data.level));
    if (severe) {
        lumo::style::followTheme(m_levelLabel, [this] {
            m_levelLabel->setPalette(redText(m_levelLabel->palette()));
            m_typeLabel->setPalette(redText(m_typeLabel->palette()));
        });
    }
    makeSelectable(m_levelLabel);
    makeSelectable(m_typeLabel);

    m_captionWidth = captionWidth(font());
    m_loginfoVerticalLayout->addSpacing(6);
    const QString when = displayTime(m_data.date);
    m_accessibleName = QString("%1, %2, %3").arg(title, m_levelLabel->text(), when);
    setAccessibleName(m_accessibleName);
    m_timeCaption = addRow(m_loginfoVerticalLayout, tr("Time of occurrence: "), when, &m_timeValue);
    m_sourceCaption = addRow(m_loginfoVerticalLayout, tr("Log Source: "), m_data.location, &m_sourceValue);

    m_loginfoVerticalLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
}

// Most entries are never opened: their details are made the first time.
void notify_log_frame::fillDetails()
{
    if (m_line)
        return;
    m_line = new FrameLineWidget(m_frame);
    m_line->setFixedHeight(1);
    m_line->hide();
    // Under the two rows, above the closing spacer.
    m_loginfoVerticalLayout->insertWidget(m_loginfoVerticalLayout->count() - 1, m_line);

    auto *verticalLayout_3 = new QVBoxLayout(m_detailFrame);
    verticalLayout_3->setObjectName("verticalLayout_3");
    verticalLayout_3->setSpacing(0);
    verticalLayout_3->setContentsMargins(35, 14, 0, 14);
    m_detailVerticalLayout = new QVBoxLayout();
    m_detailVerticalLayout->setObjectName("detailVerticalLayout");
    m_detailVerticalLayout->setSpacing(0);
    verticalLayout_3->addLayout(m_detailVerticalLayout);

    for (const auto &[caption, value] : detailRows(m_data))
        addDetailLine(caption, value);
}

bool notify_log_frame::isExpanded() const
{
    return !m_detailFrame->isHidden();
}

void notify_log_frame::setCurrent(bool current)
{
    m_current = current;
    update();
}

bool notify_log_frame::isNew() const
{
    return m_newMark && !m_newMark->isHidden();
}

void notify_log_frame::setNew(bool isNew)
{
    if (isNew == this->isNew())
        return;
    if (!m_newMark) {
        m_newMark = new QLabel(tr("New"), m_frame);
        m_newMark->setObjectName("newMark");
        // White on the darker accent blue: readable in both themes.
        m_newMark->setStyleSheet("#newMark { background: #1E6EB8; color: white; border-radius: 4px;"
                                 " padding: 0px 4px; margin-right: 8px; font-size: 12px; }");
        auto *titleRow = static_cast<QHBoxLayout *>(m_frame->layout()->itemAt(0)->layout());
        titleRow->insertWidget(titleRow->indexOf(m_titleLabel), m_newMark, 0, Qt::AlignVCenter);
    }
    m_newMark->setVisible(isNew);
    setAccessibleName(isNew ? QString("%1, %2").arg(tr("New"), m_accessibleName) : m_accessibleName);
}

void notify_log_frame::setExpanded(bool expanded)
{
    fillDetails();
    m_detailFrame->setVisible(expanded);
    m_line->setVisible(expanded);
    setArrow(expanded);
}

void notify_log_frame::toggleExpanded()
{
    setExpanded(!isExpanded());
    emit expandedChanged(isExpanded());
}

bool notify_log_frame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_upDownIconLabel && event->type() == QEvent::MouseButtonPress) {
        toggleExpanded();
        return true;
    }
    // Every other label this entry watches shows text.
    if (watched != m_upDownIconLabel) {
        auto *label = static_cast<QLabel *>(watched);
        if (event->type() == QEvent::Enter)
            label->setTextInteractionFlags(SELECTABLE);
        else if (event->type() == QEvent::Leave && !label->hasSelectedText())
            label->setTextInteractionFlags(Qt::LinksAccessibleByMouse); // a plain label's own
    }
    return QFrame::eventFilter(watched, event);
}

void notify_log_frame::setHighLight()
{
    qCDebug(lcLoad) << "get signal";
    lumo::style::followTheme(m_titleLabel, [this] {
        for (QWidget *widget : { static_cast<QWidget *>(m_titleLabel), static_cast<QWidget *>(m_timeCaption),
                 static_cast<QWidget *>(m_timeValue), static_cast<QWidget *>(m_sourceCaption),
                 static_cast<QWidget *>(m_sourceValue), static_cast<QWidget *>(m_detailFrame) })
            widget->setPalette(redText(widget->palette()));
    });
    setExpanded(true);
}

void notify_log_frame::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::card(), lumo::style::card());
    if (m_current) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 10, 10);
    }
}
