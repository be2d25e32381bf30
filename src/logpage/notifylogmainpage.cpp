#include "logpage/notifylogmainpage.h"
#include "logging/logcategories.h"

#include "kit/kitstyle.h"
#include "logpage/alertlistview.h"
#include "logpage/notify_log_frame.h"
#include "reportdata/alertrange.h"
#include "reportdata/alerttext.h"
#include "translation/translation.h"
#include "widgets/busyindicator.h"
#include "widgets/daterangebar.h"
#include "widgets/datetimerangewidget.h"
#include "widgets/emptywidget.h"
#include "widgets/roundedpanel.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace {

// A picked range ends with the next day's first second.
const char *const LAST_SECOND = "23:59:60";

// The drill-down's caption gives way first when the bar is narrow: cut with an
// ellipsis, and whole in its tooltip.
class ElidingLabel : public QLabel
{
public:
    using QLabel::QLabel;
    QSize minimumSizeHint() const override
    {
        return QSize(fontMetrics().averageCharWidth() * 8, QLabel::minimumSizeHint().height());
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QRect area = contentsRect();
        style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(),
            fontMetrics().elidedText(text(), Qt::ElideRight, area.width()), foregroundRole());
    }
};

std::unique_ptr<Translation> &translationInstance()
{
    static std::unique_ptr<Translation> instance;
    return instance;
}

// The alerts of fresh that are newer than every alert of previous (both
// newest first). Only the head of fresh is looked at: alerts of previous's
// newest time are told apart by id.
std::vector<const loginfo *> newerAlerts(
    const std::vector<loginfo> &fresh, const std::vector<loginfo> &previous)
{
    std::vector<const loginfo *> newer;
    if (previous.empty()) {
        for (const loginfo &alert : fresh)
            newer.push_back(&alert);
        return newer;
    }
    const int64_t newest = previous.front().timeNs;
    std::unordered_set<std::string> idsAtNewest;
    for (auto it = previous.begin(); it != previous.end() && it->timeNs == newest; ++it)
        idsAtNewest.insert(it->alertId);
    for (auto it = fresh.begin(); it != fresh.end() && it->timeNs >= newest; ++it) {
        if (it->timeNs > newest || !idsAtNewest.count(it->alertId))
            newer.push_back(&*it);
    }
    return newer;
}

} // namespace

const Translation *notifyLogMainPage::sharedTranslation()
{
    return translationInstance().get();
}

notifyLogMainPage::notifyLogMainPage(QWidget *parent)
    : QWidget(parent)
{
    buildForm();
    if (!translationInstance())
        translationInstance()
            = std::make_unique<Translation>(QLocale::system().name().toUtf8().toStdString());
    notifyLogData::registerMetaType();

    m_list = new AlertListView(this);
    connect(m_list, &AlertListView::highlighted, this, &notifyLogMainPage::signal_highlight);
    m_messageArea = new QWidget(this);
    m_messageArea->setObjectName("messageArea");
    auto *messageLayout = new QVBoxLayout(m_messageArea);
    messageLayout->setContentsMargins(0, 0, 0, 0);
    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_list);
    m_stack->addWidget(m_messageArea);
    m_verticalLayout->addWidget(m_stack);
    // The window is up before the daemon has answered: the list area turns
    // until the first load arrives.
    showMessage(new BusyIndicator(32, m_messageArea));

    buildBottomBar();
    m_rangeLabelsFromLoad = true;
    reloadRange("init", "init");
}

notifyLogMainPage::~notifyLogMainPage() = default;

int notifyLogMainPage::entryCount() const
{
    return m_list->entryCount();
}

void notifyLogMainPage::buildForm()
{
    setObjectName("notifyLogMainPage");
    resize(856, 400);
    setWindowTitle("Form");
    auto *verticalLayout_2 = new QVBoxLayout(this);
    verticalLayout_2->setObjectName("verticalLayout_2");
    verticalLayout_2->setSpacing(0);
    verticalLayout_2->setContentsMargins(0, 0, 0, 0);
    m_verticalLayout = new QVBoxLayout();
    m_verticalLayout->setObjectName("verticalLayout");
    m_verticalLayout->setSpacing(0);
    verticalLayout_2->addLayout(m_verticalLayout);
}

bool notifyLogMainPage::showsFailure() const
{
    return m_failure != 0 && (!m_alerts || m_alerts->empty());
}

QString notifyLogMainPage::countText() const
{
    if (m_loading)
        return tr("Loading alarm logs...");
    if (showsFailure())
        return tr("No alarm logs loaded");
    if (m_filter.isActive())
        return tr("%1 of %2 alarm logs").arg(shownCount()).arg(m_alertCount);
    return QString("%1 %2 %3").arg(tr("A total of")).arg(m_alertCount).arg(tr("alarm logs"));
}

QWidget *notifyLogMainPage::buildSearchBox()
{
    QWidget *box = new QWidget(this);
    box->setObjectName("searchBox");
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    m_searchEdit = new QLineEdit(box);
    m_searchEdit->setObjectName("searchEdit");
    m_searchEdit->setPlaceholderText(tr("Search"));
    m_searchEdit->setClearButtonEnabled(true);
    // Gives way first where a language needs the bar's width for its words.
    m_searchEdit->setFixedHeight(36);
    m_searchEdit->setMinimumWidth(80);
    m_searchEdit->setMaximumWidth(150);
    m_searchEdit->setToolTip(tr("Rule description, source IP, user, log source or raw logs"));
    m_searchEdit->setAccessibleName(tr("Search alarm logs"));

    m_severityBox = new QComboBox(box);
    m_severityBox->setObjectName("severityBox");
    // In the order of AlertFilter::Severity.
    m_severityBox->addItems({ tr("All levels"), tr("High risk"), tr("Normal risk") });
    m_severityBox->setFixedHeight(36);
    m_severityBox->setAccessibleName(tr("Risk level"));

    // The drill-down's filter, next to the search it narrows along with.
    m_fieldChip = new QWidget(box);
    m_fieldChip->setObjectName("fieldFilter");
    auto *chipLayout = new QHBoxLayout(m_fieldChip);
    chipLayout->setContentsMargins(8, 0, 2, 0);
    chipLayout->setSpacing(2);
    lumo::style::followTheme(m_fieldChip, [this] {
        m_fieldChip->setStyleSheet(
            QString("#fieldFilter { background: %1; border-radius: 12px; }").arg(lumo::style::chip().name()));
    });
    m_fieldChipLabel = new ElidingLabel(m_fieldChip);
    m_fieldChipLabel->setObjectName("fieldFilterLabel");
    m_fieldChipLabel->setTextFormat(Qt::PlainText);
    auto *remove = new QToolButton(m_fieldChip);
    remove->setObjectName("fieldFilterRemove");
    remove->setText(QStringLiteral("✕"));
    remove->setAutoRaise(true);
    remove->setToolTip(tr("Remove this filter"));
    remove->setAccessibleName(tr("Remove filter"));
    chipLayout->addWidget(m_fieldChipLabel);
    chipLayout->addWidget(remove);
    m_fieldChip->hide();
    connect(remove, &QToolButton::clicked, this, &notifyLogMainPage::removeFieldFilter);

    layout->addWidget(m_fieldChip);
    layout->addWidget(m_searchEdit);
    layout->addWidget(m_severityBox);
    auto *find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, [this] {
        m_searchEdit->setFocus(Qt::ShortcutFocusReason);
        m_searchEdit->selectAll();
    });
    // Applied as the user types, to the list already loaded.
    connect(m_searchEdit, &QLineEdit::textChanged, this, &notifyLogMainPage::applySearch);
    connect(m_severityBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        &notifyLogMainPage::applySearch);
    return box;
}

void notifyLogMainPage::buildBottomBar()
{
    m_dateBar = new DateRangeBar({ tr("So far"), tr("Choose the date range"), {}, {} }, this);
    connect(m_dateBar, &DateRangeBar::rangePicked, this, &notifyLogMainPage::slot_update_dateTime);
    connect(this, &notifyLogMainPage::signal_update_dateWidget, m_dateBar, &DateRangeBar::setPickerRange);
    m_dateBar->setPickerRange(m_startDate, QDate::currentDate());

    m_countLabel = new QLabel(countText(), this);
    m_countLabel->setObjectName("countLabel");
    // Alerts the reader had to pass over are missing from the count: said beside it.
    m_skippedLabel = new QLabel(this);
    m_skippedLabel->setObjectName("skippedLabel");
    m_skippedLabel->setTextFormat(Qt::PlainText);
    lumo::style::followTheme(m_skippedLabel, [this] {
        QPalette skippedPalette = m_skippedLabel->palette();
        skippedPalette.setColor(QPalette::WindowText, lumo::style::warningText());
        m_skippedLabel->setPalette(skippedPalette);
    });
    m_skippedLabel->hide();
    QPushButton *reloadButton = DateRangeBar::accentButton(tr("Reload"), this);
    reloadButton->setObjectName("reloadButton");
    reloadButton->setToolTip(tr("Reload (F5)"));
    for (const QKeySequence &keys : { QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL + Qt::Key_R) })
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &notifyLogMainPage::slot_do_reload);

    m_busy = new BusyIndicator(16, this);
    m_busy->setObjectName("busyIndicator");
    m_busy->hide();

    // Says that the list on screen is not the fresh one the user asked for;
    // it keeps its place when hidden, as the gap above the bar.
    m_failureLabel = new QLabel(this);
    m_failureLabel->setObjectName("loadFailedLabel");
    m_failureLabel->setTextFormat(Qt::PlainText);
    m_failureLabel->setFixedHeight(20);
    m_failureLabel->setContentsMargins(12, 0, 0, 0);
    lumo::style::followTheme(m_failureLabel, [this] {
        QPalette failurePalette = m_failureLabel->palette();
        failurePalette.setColor(QPalette::WindowText, lumo::style::alertText());
        m_failureLabel->setPalette(failurePalette);
    });
    QSizePolicy keepPlace = m_failureLabel->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    m_failureLabel->setSizePolicy(keepPlace);
    m_failureLabel->hide();

    auto *row = new QHBoxLayout();
    row->addSpacing(6);
    row->addWidget(m_busy);
    row->addSpacing(6);
    // The notice of unread records goes under the count, so that the bar keeps
    // room for a drill-down's filter beside the search.
    auto *counts = new QVBoxLayout();
    counts->setSpacing(0);
    counts->addWidget(m_countLabel);
    counts->addWidget(m_skippedLabel);
    row->addLayout(counts);
    row->addItem(new QSpacerItem(12, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(buildSearchBox());
    row->addSpacing(12);
    row->addWidget(m_dateBar);
    row->addSpacing(24);
    row->addWidget(reloadButton);
    row->addSpacing(16);

    // The keyboard goes from the list through the bar as the eye does.
    setTabOrder(m_list, m_fieldChip->findChild<QToolButton *>());
    setTabOrder(m_fieldChip->findChild<QToolButton *>(), m_searchEdit);
    setTabOrder(m_searchEdit, m_severityBox);
    setTabOrder(m_severityBox, m_dateBar->calendarButton());
    setTabOrder(m_dateBar->calendarButton(), reloadButton);

    connect(reloadButton, &QPushButton::clicked, this, &notifyLogMainPage::slot_do_reload);

    m_verticalLayout->addWidget(m_failureLabel);
    m_verticalLayout->addLayout(row);
}

// Puts message in place of the list (loading, empty or failed).
void notifyLogMainPage::showMessage(QWidget *message)
{
    delete m_message;
    m_message = message;
    auto *layout = static_cast<QVBoxLayout *>(m_messageArea->layout());
    while (QLayoutItem *item = layout->takeAt(0))
        delete item;
    layout->addStretch();
    layout->addWidget(message, 0, Qt::AlignHCenter);
    layout->addStretch();
    m_stack->setCurrentWidget(m_messageArea);
}

// Shows the loaded snapshot's alerts from start to end that pass the search.
void notifyLogMainPage::showList(const QString &start, const QString &end, bool keepPlace)
{
    m_shownStart = start;
    m_shownEnd = end;
    m_range = alertsInRange(*m_alerts, start.toStdString(), end.toStdString());
    m_alertCount = int(m_range.size());
    m_shown = m_filter.apply(m_range);
    if (start == "init")
        m_startDate = m_range.empty() ? QDate::currentDate() : alertDay(m_range.back().timeNs);
    showEntries(keepPlace);
}

// The alerts in m_shown, or what the list area says when there are none.
void notifyLogMainPage::showEntries(bool keepPlace)
{
    m_list->setAlerts(m_alerts, m_shown, keepPlace);
    // Marked whether or not the search lets them through: unseen until shown.
    if (!m_newer.empty())
        m_list->markNew(std::exchange(m_newer, {}));
    if (!m_shown.empty()) {
        m_stack->setCurrentWidget(m_list);
        return;
    }
    if (m_alertCount == 0 && m_skipped > 0) {
        // Alerts that could not be read may lie in the range: never "no alarm logs".
        auto *failure = new EmptyWidget(AlertStore::unreadRecordsText(m_skipped), 96, 96, m_messageArea);
        failure->setObjectName("unreadRecords");
        failure->setPicture(QIcon(":/Resource/Icon/base/dialog-error.svg").pixmap(96, 96));
        showMessage(failure);
        return;
    }
    const QString text = m_alertCount == 0 ? tr("There are no alarm logs") : tr("No matching alarm logs");
    showMessage(new EmptyWidget(text, 256, 256, m_messageArea));
}

// In place of the list when there is none to keep: why nothing can be shown,
// never the empty state, which would read as "no alerts".
void notifyLogMainPage::showFailure(int result)
{
    m_range = AlertSpan();
    m_shown.clear();
    m_alertCount = 0;
    m_startDate = QDate::currentDate();
    m_list->setAlerts(AlertList(), {});
    const QString text
        = QString("%1\n%2").arg(AlertStore::failureText(result), tr("Press Reload to try again."));
    auto *failure = new EmptyWidget(text, 96, 96, m_messageArea);
    failure->setObjectName("loadFailure");
    failure->setPicture(QIcon(":/Resource/Icon/base/dialog-error.svg").pixmap(96, 96));
    showMessage(failure);
}

// Asks the store for a fresh snapshot to show from start to end; the list on
// screen stays until it arrives.
void notifyLogMainPage::reloadRange(const QString &start, const QString &end, bool keepPlace)
{
    m_loadStart = start;
    m_loadEnd = end;
    m_keepPlace = keepPlace;
    setLoading(true);
    AlertStore::instance()->requestFresh(
        this, [this](const AlertList &alerts, int result) { applyLoad(alerts, result); });
}

void notifyLogMainPage::applyLoad(const AlertList &alerts, int result)
{
    AlertList replaced;
    if (result != 0) {
        qCDebug(lcLoad) << "get alert total error!";
        m_failure = result;
    } else {
        replaced = adoptSnapshot(alerts);
    }

    if (showsFailure()) {
        showFailure(result);
    } else if (result == 0 || m_loadStart != m_shownStart || m_loadEnd != m_shownEnd || m_highlightText) {
        // A failed load leaves the last snapshot: the range asked for is cut from it.
        showList(m_loadStart, m_loadEnd, std::exchange(m_keepPlace, false));
    }
    AlertStore::instance()->dispose(std::move(replaced));

    setLoading(false);
    if (std::exchange(m_rangeLabelsFromLoad, false)) {
        m_dateBar->showSince(m_startDate);
        emit signal_update_dateWidget(m_startDate, QDate::currentDate());
    }
    m_dateBar->picker()->setEarliestDate(
        m_alerts && !m_alerts->empty() ? alertDay(m_alerts->back().timeNs) : QDate());
    if (m_highlightText)
        highlightEntry(pendingHighlightIndex());
}

// Takes alerts as the snapshot shown and returns the one it replaces.
AlertList notifyLogMainPage::adoptSnapshot(const AlertList &alerts)
{
    m_failure = 0;
    m_skipped = AlertStore::instance()->skippedRecords();
    if (m_alerts && alerts != m_alerts)
        m_newer = newerAlerts(*alerts, *m_alerts);
    return std::exchange(m_alerts, alerts);
}

void notifyLogMainPage::setLoading(bool loading)
{
    m_loading = loading;
    m_busy->setVisible(loading);
    updateCountLabel();
}

void notifyLogMainPage::slot_do_reload()
{
    m_rangeLabelsFromLoad = true;
    reloadRange("init", "init");
}

void notifyLogMainPage::refresh()
{
    if (m_loading)
        return;
    // Before anything was shown (the first load failed) it is everything.
    if (m_shownStart.isEmpty())
        reloadRange("init", "init", true);
    else
        reloadRange(m_shownStart, m_shownEnd, true);
}

void notifyLogMainPage::updateCountLabel()
{
    m_countLabel->setText(countText());
    // Nothing to search while the list area says why there is no list.
    m_searchEdit->setEnabled(!showsFailure());
    m_severityBox->setEnabled(!showsFailure());
    m_skippedLabel->setText(AlertStore::unreadRecordsText(m_skipped));
    m_skippedLabel->setVisible(m_skipped > 0 && !showsFailure() && !m_loading);
    const bool keptAfterFailure = m_failure != 0 && !showsFailure();
    if (keptAfterFailure)
        m_failureLabel->setText(tr("Reload failed: %1").arg(AlertStore::failureText(m_failure)));
    m_failureLabel->setVisible(keptAfterFailure);
}

AlertFilter notifyLogMainPage::filterFromBar() const
{
    return AlertFilter(m_searchEdit->text(), AlertFilter::Severity(m_severityBox->currentIndex()),
        sharedTranslation(), m_field, m_fieldValue);
}

void notifyLogMainPage::applySearch()
{
    const AlertFilter filter = filterFromBar();
    const bool narrowing = filter.narrows(m_filter);
    m_filter = filter;
    // The list on screen is searched; the daemon is not asked again.
    if (m_alerts && !showsFailure()) {
        m_shown = narrowing ? m_filter.apply(m_shown) : m_filter.apply(m_range);
        showEntries();
    }
    updateCountLabel();
}

void notifyLogMainPage::clearSearch()
{
    const QSignalBlocker blockEdit(m_searchEdit);
    const QSignalBlocker blockBox(m_severityBox);
    m_searchEdit->clear();
    m_severityBox->setCurrentIndex(AlertFilter::AnySeverity);
    m_field = AlertField::None;
    m_fieldValue.clear();
    m_fieldChip->hide();
    m_filter = AlertFilter();
}

void notifyLogMainPage::removeFieldFilter()
{
    m_field = AlertField::None;
    m_fieldValue.clear();
    m_fieldChip->hide();
    m_searchEdit->setFocus(Qt::OtherFocusReason);
    applySearch();
}

void notifyLogMainPage::showFiltered(AlertField field, const QString &value, const QList<QDate> &range)
{
    clearSearch();
    m_field = field;
    m_fieldValue = value;
    const QString caption = field == AlertField::RuleDescription ? tr("Rule description: %1")
        : field == AlertField::SourceAddress                     ? tr("Source IP: %1")
                                                                 : tr("User: %1");
    m_fieldChipLabel->setText(caption.arg(alertTextForDisplay(value)));
    m_fieldChipLabel->setToolTip(m_fieldChipLabel->text());
    m_fieldChip->setAccessibleName(m_fieldChipLabel->text());
    m_fieldChip->setVisible(field != AlertField::None);
    m_filter = filterFromBar();

    QString start = "init", end = "init";
    if (pickRange(range)) {
        start = rangeStartText(m_startDate);
        end = rangeEndText(m_endDate, LAST_SECOND);
    }
    if (m_loading) { // shown when the load under way arrives, from the top
        m_loadStart = start;
        m_loadEnd = end;
        m_keepPlace = false;
        return;
    }
    // The report counted from the store's snapshot: the same one is filtered here.
    const AlertList current = AlertStore::instance()->current();
    AlertList replaced;
    if (!current->empty() && current != m_alerts)
        replaced = adoptSnapshot(current);
    if (m_alerts && !showsFailure())
        showList(start, end);
    AlertStore::instance()->dispose(std::move(replaced));
    updateCountLabel();
}

void notifyLogMainPage::slot_open_calendar()
{
    m_dateBar->openPicker();
}

// Takes days (first and last) as the range the labels show; false when they are not a range.
bool notifyLogMainPage::pickRange(const QList<QDate> &days)
{
    const bool valid = days.size() == 2 && days[0].isValid() && days[1].isValid();
    if (valid) {
        m_startDate = days[0];
        m_endDate = days[1];
        m_dateBar->showRange(m_startDate, m_endDate);
        m_rangeLabelsFromLoad = false; // the picked range is what the labels show
    }
    return valid;
}

void notifyLogMainPage::slot_update_dateTime(QList<QDate> &days)
{
    if (!pickRange(days)) {
        qCDebug(lcLoad) << "no update date";
        m_dateBar->showRange(m_startDate, m_endDate);
        m_rangeLabelsFromLoad = false;
    }
    reloadRange(rangeStartText(m_startDate), rangeEndText(m_endDate, LAST_SECOND));
}

void notifyLogMainPage::slot_highlight_loginfo(QString text)
{
    qCDebug(lcLoad) << "get mainpage msg is: " << text;
    // The whole list is loaded again; the highlight waits for it. Of two
    // hand-overs during one load, the later one is highlighted. A search
    // typed earlier could hide the alert: the notification wins.
    m_highlightText = text;
    clearSearch();
    reloadRange("init", "init");
}

// 1-based position of the notified alert in the list, 0 when there is none.
int notifyLogMainPage::pendingHighlightIndex() const
{
    if (!m_highlightText)
        return 0;
    const std::string id = m_highlightText->toStdString();
    auto found = std::find_if(
        m_shown.begin(), m_shown.end(), [&id](const loginfo *alert) { return alert->alertId == id; });
    return found == m_shown.end() ? 0 : int(found - m_shown.begin()) + 1;
}

void notifyLogMainPage::highlightEntry(int index)
{
    m_highlightText.reset();
    if (index == 0) {
        qCDebug(lcLoad) << "The string was not found in the vector.";
        return;
    }
    qCDebug(lcLoad) << "The string is at index: " << index;
    m_list->highlight(index - 1);
}

void notifyLogMainPage::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::surface(), lumo::style::surface());
}
