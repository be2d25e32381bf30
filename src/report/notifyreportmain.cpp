#include "report/notifyreportmain.h"
#include "logging/logcategories.h"

#include "daemon/middleware.h"
#include "daemon/tarvixdesktopdaemonclient.h"
#include "kit/kborderlessbutton.h"
#include "kit/kitstyle.h"
#include "report/attackstatisticswidget.h"
#include "report/customfiledialog.h"
#include "report/eventstatisticswidget.h"
#include "report/notifyreportitem.h"
#include "report/severitycharts.h"
#include "report/tipdialog.h"
#include "report/userstatisticswidget.h"
#include "reportdata/alertrange.h"
#include "reportdata/exportprogress.h"
#include "reportdata/exporttarget.h"
#include "reportdata/reportpdf.h"
#include "system/systemprobes.h"
#include "translation/translation.h"
#include "widgets/busyindicator.h"
#include "widgets/daterangebar.h"
#include "widgets/emptywidget.h"
#include "widgets/roundedpanel.h"
#include "widgets/threadworker.h"

#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScrollArea>
#include <QScrollBar>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>

using namespace QtCharts;

namespace {

const int AI_NOT_INSTALLED = 2;
const int HOVER_MS = 4000;

// A widget filled with colour(), in the colour of the current theme.
void fillWith(QWidget *widget, QColor (*colour)())
{
    lumo::style::followTheme(widget, [widget, colour] {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, colour());
        widget->setPalette(palette);
    });
    widget->setAutoFillBackground(true);
}

QWidget *greyPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    fillWith(panel, lumo::style::card);
    return panel;
}

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setWeight(75);
    label->setFont(font);
    return label;
}

QLabel *verticalLine(QWidget *parent)
{
    auto *line = new QLabel(parent);
    line->setFixedSize(16, 16);
    line->setPixmap(QPixmap(":/Resource/Icon/base/verticalLine.png"));
    return line;
}

// Takes every item out of the layout, deleting widgets and nested layouts.
void emptyLayout(QLayout *layout)
{
    while (QLayoutItem *item = layout->takeAt(0)) {
        if (QWidget *widget = item->widget())
            delete widget;
        else if (QLayout *nested = item->layout())
            emptyLayout(nested);
        delete item;
    }
}

// Freeing a snapshot of a hundred thousand alerts, or the rankings of as
// many addresses, takes a good tenth of a second: when the page held the last
// reference, it goes on a thread.
template<class Shared> void releaseOffGuiThread(Shared shared)
{
    if (!shared || shared.use_count() > 1)
        return;
    QThreadPool::globalInstance()->start([shared = std::move(shared)]() mutable { shared.reset(); });
}

// The one place the report's PDF is written; it runs on a worker.
bool writePdf(const QString &path, const QImage &picture, const SharedReportData &data,
    const QString &rangeText, const Translation &translation, ExportProgress *progress, QString *error)
{
    ReportPdfContent content { picture, {}, nullptr, nullptr, rangeText };
    if (data) {
        content.alerts = data->range.alerts;
        content.sources = data->sources.get();
        content.users = data->users.get();
    }
    return ReportPdf::write(path, content, translation, progress, error);
}

// Any of the formats; runs on a worker. A PDF needs its picture.
bool writeExport(ExportFormat format, const QString &path, const QImage &picture,
    const SharedReportData &data, const QString &rangeText, const Translation &translation,
    ExportProgress *progress, QString *error)
{
    const AlertSpan alerts = data ? data->range.alerts : AlertSpan();
    switch (format) {
    case ExportFormat::Csv:
        return writeAlertsCsv(path, alerts, translation, progress, error);
    case ExportFormat::JsonLines:
        return writeAlertsJsonLines(path, alerts, translation, progress, error);
    case ExportFormat::Pdf:
        break;
    }
    return writePdf(path, picture, data, rangeText, translation, progress, error);
}

const int PROGRESS_MS = 100;

const char *const CANNOT_PICTURE = QT_TRANSLATE_NOOP(
    "notifyReportMain", "The report could not be written: its picture could not be made.");

} // namespace

notifyReportMain::Totals::Totals()
    : eventTotal(ReportItemData::Pending)
    , aiInferences(ReportItemData::Pending)
{
}

notifyReportMain::Sources &notifyReportMain::sources()
{
    static Sources paths { INSTALL_TIME_PATH, "/usr/bin/python3", { "/usr/lib/tarvix_net_ai/getCount.py" },
        OS_RELEASE_PATH };
    return paths;
}

void notifyReportMain::buildPage()
{
    setObjectName("notifyReportMain");
    setWindowTitle("Form");
    resize(856, 400);
    setMinimumSize(856, 400);
    m_translation = std::make_shared<const Translation>(QLocale::system().name().toUtf8().toStdString());
    m_serverEdition = isServerEdition(sources().osReleasePath);
    buildContent();
}

notifyReportMain::notifyReportMain(QWidget *parent)
    : QWidget(parent)
{
    buildPage();
    connect(
        Middleware::instance(), &Middleware::installUpdate, this, &notifyReportMain::slot_refresh_ai_ui_tips);
    startAction(Action::Build);
}

notifyReportMain::notifyReportMain(const SharedReportData &data, const Figures &figures, const QDate &start,
    const QDate &end, QWidget *parent)
    : QWidget(parent)
{
    buildPage();
    applyDaemonTotals(figures.daemon);
    if (figures.aiInferences)
        m_totals.aiInferences = *figures.aiInferences;
    if (m_aiCard)
        m_aiCard->updateUi(m_totals.aiInferences);
    const bool whole = start.isNull() && end.isNull();
    m_action = whole ? Action::Build : Action::Range;
    m_startDate = start;
    m_endDate = end;
    m_loadStart = rangeStartText(start);
    m_loadEnd = rangeEndText(end, REPORT_LAST_SECOND);
    m_loadingAlerts = true;
    applyData(data);
}

notifyReportMain::~notifyReportMain()
{
    // An export still running would write a file nobody asked to keep.
    cancelExport();
}

void notifyReportMain::buildContent()
{
    auto *verticalLayout_2 = new QVBoxLayout(this);
    verticalLayout_2->setObjectName("verticalLayout_2");
    verticalLayout_2->setContentsMargins(0, 0, 0, 0);
    verticalLayout_2->setSpacing(0);
    auto *mainVerticalLayout = new QVBoxLayout();
    mainVerticalLayout->setObjectName("mainVerticalLayout");
    mainVerticalLayout->setContentsMargins(0, -1, 0, -1);
    mainVerticalLayout->setSpacing(0);
    verticalLayout_2->addLayout(mainVerticalLayout);
    m_mainHLayout = new QHBoxLayout();
    m_mainHLayout->setObjectName("mainHLayout");
    m_mainHLayout->setSpacing(0);
    mainVerticalLayout->addLayout(m_mainHLayout);

    m_content = new QFrame();
    m_content->setObjectName("reportContent");
    m_content->setFrameShape(QFrame::Box);
    m_content->setFrameShadow(QFrame::Sunken);
    m_content->setLineWidth(1);
    fillWith(m_content, lumo::style::surface);
    lumo::style::followTheme(m_content, [this] {
        m_content->setStyleSheet(
            QString("QFrame {border: 1.5px solid %1;}").arg(lumo::style::card().name().toUpper()));
    });
    m_content->setMinimumWidth(856);
    auto *contentLayout = new QVBoxLayout(m_content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);
    contentLayout->addWidget(buildTotalsStrip());
    contentLayout->addWidget(buildTitleRow());
    m_bodyLayout = new QVBoxLayout();
    m_bodyLayout->setObjectName("bodyLayout");
    m_bodyLayout->setSpacing(0);
    contentLayout->addLayout(m_bodyLayout);
    // Until the first load has arrived the body says it is loading.
    m_bodyLayout->addStretch();
    m_bodyLayout->addWidget(new BusyIndicator(32, m_content), 0, Qt::AlignHCenter);
    m_bodyLayout->addStretch();

    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setFrameShape(QFrame::NoFrame);
    m_scrollArea->setWidget(m_content);
    m_mainHLayout->addWidget(m_scrollArea);

    mainVerticalLayout->addSpacing(16);
    mainVerticalLayout->addWidget(buildBottomBar());
}

QWidget *notifyReportMain::buildTotalsStrip()
{
    auto *strip = new QFrame(m_content);
    strip->setObjectName("totalsStrip");
    strip->setFrameShape(QFrame::Box);
    strip->setFrameShadow(QFrame::Sunken);
    strip->setLineWidth(1);
    lumo::style::followTheme(strip, [strip] {
        const QString line = lumo::style::card().name().toUpper();
        strip->setStyleSheet(QString("QFrame {border: 1px solid %1;background-color: %2;border-top: none;"
                                     "border-left: none;border-right: none;border-bottom: 1.5px solid %1;}")
                                 .arg(line, lumo::style::surface().name().toUpper()));
    });
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto card = [strip, layout](const QString &unit, const QString &title) {
        ReportItemData data;
        data.type = 1;
        data.value = ReportItemData::Pending;
        data.unit = unit;
        data.title = title;
        auto *item = new notifyReportItem(data, strip);
        layout->addWidget(item);
        return item;
    };
    m_guardCard = card(tr("hours"), tr("Intrusion detection protection total"));
    m_guardCard->setObjectName("guardCard");
    connect(this, &notifyReportMain::update_total_guard_time, m_guardCard, &notifyReportItem::updateUi);
    m_eventsCard = card(tr("pcs"), tr("Total number of log events"));
    m_eventsCard->setObjectName("eventsCard");
    connect(this, &notifyReportMain::update_total_events, m_eventsCard, &notifyReportItem::updateUi);
    if (!m_serverEdition) {
        m_aiCard = card(tr("times"), tr("Number of AI inferences"));
        m_aiCard->setObjectName("aiCard");
        m_aiCard->updateUi(m_totals.aiInferences);
        connect(this, &notifyReportMain::update_ai_inferences, m_aiCard, &notifyReportItem::updateUi);
    }
    m_alertsCard = card(tr("pcs"), tr("Total alerts"));
    m_alertsCard->setObjectName("alertsCard");
    connect(this, &notifyReportMain::update_total_alerts, m_alertsCard, &notifyReportItem::updateUi);
    return strip;
}

QWidget *notifyReportMain::buildTitleRow()
{
    auto *row = new QWidget(m_content);
    fillWith(row, lumo::style::surface);
    auto *layout = new QHBoxLayout(row);
    layout->addSpacing(12);
    auto *title = new QLabel(tr("Alarm statistics"), row);
    QFont font = title->font();
    font.setPointSize(12);
    font.setWeight(75);
    title->setFont(font);
    title->setStyleSheet("border: none;");
    layout->addWidget(title);
    // In the picture of the report too: a reader of the PDF learns it as well.
    m_skippedLabel = new QLabel(row);
    m_skippedLabel->setObjectName("skippedLabel");
    m_skippedLabel->setTextFormat(Qt::PlainText);
    lumo::style::followTheme(m_skippedLabel, [this] {
        m_skippedLabel->setStyleSheet(
            QString("border: none; color: %1;").arg(lumo::style::noticeText().name().toUpper()));
    });
    m_skippedLabel->setVisible(false);
    layout->addSpacing(12);
    layout->addWidget(m_skippedLabel);
    layout->addStretch();

    m_dateBar = new DateRangeBar({ tr("So far"), tr("Choose the date range"), tr("First day of the report"),
                                     tr("Last day of the report") },
        row);
    connect(m_dateBar, &DateRangeBar::rangePicked, this, &notifyReportMain::slot_update_dateTime);
    connect(this, &notifyReportMain::signal_update_dateWidget, m_dateBar, &DateRangeBar::setPickerRange);
    layout->addWidget(m_dateBar);
    layout->addSpacing(12);
    return row;
}

QWidget *notifyReportMain::buildBottomBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName("bottomBar");
    auto *layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    m_exportButton = new lumo::KBorderlessButton(tr("Export a statistical report"), bar);
    m_exportButton->setObjectName("exportButton");
    m_exportButton->setAccessibleName(m_exportButton->text());
    connect(m_exportButton, &QPushButton::clicked, this, &notifyReportMain::exportScrollAreaToImage);
    layout->addWidget(m_exportButton);
    layout->addStretch();

    m_busy = new BusyIndicator(16, bar);
    m_busy->setObjectName("busyIndicator");
    m_statusLabel = new QLabel(bar);
    m_statusLabel->setObjectName("statusLabel");
    m_statusLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(m_busy);
    layout->addSpacing(6);
    layout->addWidget(m_statusLabel);
    layout->addSpacing(6);
    m_cancelButton = new QPushButton(tr("Cancel"), bar);
    m_cancelButton->setObjectName("cancelExportButton");
    m_cancelButton->setAccessibleName(tr("Cancel the export"));
    m_cancelButton->setVisible(false);
    connect(m_cancelButton, &QPushButton::clicked, this, &notifyReportMain::cancelExport);
    layout->addWidget(m_cancelButton);
    layout->addSpacing(16);
    m_progressTimer = new QTimer(this);
    m_progressTimer->setInterval(PROGRESS_MS);
    connect(m_progressTimer, &QTimer::timeout, this, &notifyReportMain::showExportProgress);

    QPushButton *refresh = DateRangeBar::accentButton(tr("Refresh"), bar);
    refresh->setObjectName("refreshButton");
    refresh->setAccessibleName(refresh->text());
    refresh->setProperty("isImportant", true);
    connect(refresh, &QPushButton::clicked, this, &notifyReportMain::slot_refresh_data);
    layout->addWidget(refresh);
    layout->addSpacing(16);
    return bar;
}

// Starts one user action; a newer action supersedes this one. The build
// shows the snapshot the store holds (the log page's), Refresh asks for a
// fresh one and the daemon's totals, and a picked range is cut from the
// snapshot shown without asking the daemon anything.
void notifyReportMain::startAction(Action action, const QString &start, const QString &end)
{
    m_action = action;
    m_loadStart = start;
    m_loadEnd = end;
    m_loadingAlerts = true;
    ++m_dataRound;
    if (action != Action::Range) {
        collectDaemonTotals();
        collectAiCount();
    }
    setLoadingShown();
    AlertStore *store = AlertStore::instance();
    // An empty snapshot may be one that never loaded: that one is asked for.
    const AlertList held = store->isLoading() ? nullptr : store->current();
    if (action == Action::Range && m_data) {
        computeData(m_data->range.snapshot);
    } else if (action != Action::Refresh && held && !held->empty()) {
        takeSkippedRecords();
        computeData(held);
    } else {
        store->requestFresh(
            this, [this](const AlertList &alerts, int result) { applyAlerts(alerts, result); });
    }
}

void notifyReportMain::collectDaemonTotals()
{
    m_loadingTotals = true;
    const int round = ++m_totalsRound;
    auto figures = std::make_shared<ReportFigures>();
    const std::string installTimePath = sources().installTimePath.toStdString();
    ThreadWorker::start(
        this, [figures, installTimePath] { *figures = ReportFigures::fetch(installTimePath); },
        [this, figures, round](int) {
            if (round == m_totalsRound)
                applyDaemonTotals(*figures);
        });
}

void notifyReportMain::applyDaemonTotals(const ReportFigures &figures)
{
    const bool first = !std::exchange(m_totalsKnown, true);
    m_totals.guardHours = figures.guardHours.value_or(ReportItemData::NoValue);
    // An event total that could not be read is unknown: a failed Refresh keeps what was shown.
    if (figures.eventTotal)
        m_totals.eventTotal = *figures.eventTotal;
    m_totals.aiStatus = figures.aiStatus;
    m_loadingTotals = false;

    // The AI card learns once whether the service is installed, as if it had been built with it.
    if (first && m_aiCard)
        m_aiCard->setShowTip(m_totals.aiStatus == AI_NOT_INSTALLED);
    emit update_total_guard_time(m_totals.guardHours);
    emit update_total_events(m_totals.eventTotal);
    finishAction();
}

void notifyReportMain::collectAiCount()
{
    m_emitAiCount = true;
    if (m_countingAi)
        return; // the running count serves this action too
    m_countingAi = true;
    const int round = ++m_aiRound;
    auto count = std::make_shared<std::optional<qint64>>();
    const Sources paths = sources();
    ThreadWorker::start(
        this,
        [count, paths] {
            *count = ReportFigures::countAiInferences(paths.aiCountProgram, paths.aiCountArguments);
        },
        [this, count, round](int) {
            if (round != m_aiRound)
                return;
            m_countingAi = false;
            // No count keeps the previous one, which is unknown until a count has come.
            if (*count)
                m_totals.aiInferences = **count;
            if (std::exchange(m_emitAiCount, false) && !m_serverEdition)
                emit update_ai_inferences(m_totals.aiInferences);
        });
}

void notifyReportMain::applyAlerts(const AlertList &alerts, int result)
{
    m_loadResult = result;
    if (result != 0) {
        m_loadingAlerts = false;
        qCDebug(lcReport) << "get total alert info error!";
        showLoadFailure(result);
        finishAction();
        return;
    }
    takeSkippedRecords();
    computeData(alerts);
}

// Everything the action shows is counted on a worker; the page builds itself
// from the result on the GUI thread.
void notifyReportMain::computeData(const AlertList &alerts)
{
    const int round = m_dataRound;
    const bool whole = m_action != Action::Range;
    const std::string start = whole ? "init" : m_loadStart.toUtf8().toStdString();
    const std::string end = whole ? "init" : m_loadEnd.toUtf8().toStdString();
    auto result = std::make_shared<SharedReportData>();
    ThreadWorker::start(
        this, [result, alerts, start, end] { *result = ReportData::compute(alerts, start, end); },
        [this, result, round](int) {
            SharedReportData data = std::move(*result);
            if (round == m_dataRound)
                applyData(data);
            releaseOffGuiThread(std::move(data));
        });
}

void notifyReportMain::applyData(const SharedReportData &data)
{
    m_loadingAlerts = false;
    // A range of the snapshot shown leaves the news of its load standing.
    if (m_action != Action::Range)
        m_statusLabel->clear();
    SharedReportData previous = std::exchange(m_data, data);
    m_rangePicked = m_action == Action::Range;
    m_totals.alertTotal = qint64(m_data->alertTotal);
    if (m_action != Action::Range)
        emit update_total_alerts(m_totals.alertTotal);

    switch (m_action) {
    case Action::Build:
        logRange("init", "init");
        m_startDate = oldestAlertDate();
        m_endDate = QDate::currentDate();
        qCDebug(lcReport) << "init start date: " << m_startDate;
        m_dateBar->showSince(m_startDate);
        if (!m_dateBar->picker())
            m_dateBar->setPickerRange(m_startDate, m_endDate);
        if (m_totals.alertTotal == 0)
            showNoAlarms();
        else
            buildReportBody();
        break;
    case Action::Refresh:
        if (m_totals.alertTotal == 0) {
            showNoAlarms();
            break;
        }
        logRange("init", "init");
        m_startDate = oldestAlertDate();
        m_endDate = QDate::currentDate();
        m_dateBar->showRange(m_startDate, m_endDate, false);
        qCDebug(lcReport) << "refresh date range:" << DateRangeBar::dayText(m_startDate)
                          << DateRangeBar::dayText(m_endDate);
        emit signal_update_dateWidget(m_startDate, m_endDate);
        showRangeResult();
        break;
    case Action::Range: {
        m_dateBar->showRange(m_startDate, m_endDate);
        if (m_totals.alertTotal == 0) {
            showNoAlarms();
            break;
        }
        logRange(m_loadStart, m_loadEnd);
        if (m_data->highCount == 0 && m_data->normalCount == 0)
            showNoAlarms();
        else
            showRangeResult();
        break;
    }
    }
    m_shownOnce = true;
    // The old body is gone: whatever of the old data is left is ours alone.
    releaseOffGuiThread(std::move(previous));
    finishAction();
    const auto range = std::exchange(m_rangeAfterRefresh, std::nullopt);
    if (range && m_action == Action::Refresh) {
        m_startDate = range->first;
        m_endDate = range->second;
        emit signal_update_dateWidget(m_startDate, m_endDate);
        startAction(Action::Range, rangeStartText(m_startDate), rangeEndText(m_endDate, REPORT_LAST_SECOND));
    }
}

// A failed load never reads as "no alerts": what was shown stays, and where
// nothing can stay the page says the service could not be reached.
void notifyReportMain::showLoadFailure(int result)
{
    m_rangeAfterRefresh.reset();
    const QString text = AlertStore::failureText(result);
    if (m_shownOnce && !m_emptyState) {
        m_statusLabel->setText(text);
        return;
    }
    m_statusLabel->clear();
    showEmptyState(text, true);
}

void notifyReportMain::finishAction()
{
    setLoadingShown();
    if (isLoading())
        return;
    if (m_action == Action::Refresh) {
        // The log has always given the unreadable installation time as the largest int.
        const qint64 hours
            = m_totals.guardHours == ReportItemData::NoValue ? 2147483647 : m_totals.guardHours;
        qCDebug(lcReport) << "total data:" << hours << m_totals.eventTotal << m_totals.alertTotal;
    }
}

void notifyReportMain::setLoadingShown()
{
    m_busy->setVisible(isLoading());
    if (m_loadingAlerts && m_action != Action::Range)
        m_statusLabel->setText(tr("Loading alarm statistics..."));
}

void notifyReportMain::showRangeResult()
{
    buildReportBody();
    qCDebug(lcReport) << "daterange data:" << m_data->highCount << m_data->normalCount;
    emit update_high_level_count(m_data->highCount);
    emit update_normal_level_count(m_data->normalCount);
}

void notifyReportMain::logRange(const QString &start, const QString &end) const
{
    qCDebug(lcReport) << "daterange date:" << start << end;
    if (start == "init" && end == "init")
        qCDebug(lcReport) << "refreshTotalData process has finished init.";
}

QDate notifyReportMain::oldestAlertDate() const
{
    if (!m_data || m_data->range.alerts.empty())
        return QDate::currentDate();
    return m_data->oldestDate();
}

void notifyReportMain::clearBody()
{
    emptyLayout(m_bodyLayout);
}

void notifyReportMain::buildReportBody()
{
    m_content->setMinimumWidth(856);
    if (m_emptyState) {
        m_mainHLayout->addSpacing(-18);
        m_emptyState = false;
    }
    clearBody();

    QWidget *levelArea = greyPanel(m_content);
    levelArea->setObjectName("levelArea");
    auto *levelLayout = new QVBoxLayout(levelArea);
    levelLayout->setContentsMargins(24, 16, 0, 0);
    auto *heading = new QHBoxLayout();
    heading->addWidget(verticalLine(levelArea));
    heading->addWidget(boldLabel(tr("Alarm level statistics"), levelArea));
    heading->addStretch();
    levelLayout->addLayout(heading);
    auto *levelCards = new QHBoxLayout();
    const auto levelCard = [levelArea, levelCards](const char *icon, qint64 value, const QString &title) {
        ReportItemData data;
        data.type = 0;
        data.value = value;
        data.unit = tr("pcs");
        data.title = title;
        data.icon = QPixmap(icon);
        auto *card = new notifyReportItem(data, levelArea);
        levelCards->addWidget(card);
        return card;
    };
    notifyReportItem *high = levelCard(
        ":/Resource/Icon/setting/selected_red.png", m_data->highCount, tr("High-risk alerts (level 15-16)"));
    high->setObjectName("highRiskCard");
    notifyReportItem *normal = levelCard(
        ":/Resource/Icon/setting/selected.png", m_data->normalCount, tr("Normal-risk alerts (level 12-14)"));
    normal->setObjectName("normalRiskCard");
    connect(this, &notifyReportMain::update_high_level_count, high, &notifyReportItem::updateUi);
    connect(this, &notifyReportMain::update_normal_level_count, normal, &notifyReportItem::updateUi);
    levelLayout->addLayout(levelCards);
    levelLayout->addWidget(new QLabel(tr("Date distribution of alarm severity"), levelArea));

    buildCharts();
    m_eventCard = new EventStatisticsWidget(m_data, m_translation, m_content);
    m_attackCard = new AttackStatisticsWidget(m_data, m_content);
    m_userCard = new UserStatisticsWidget(m_data, m_content);
    for (RankingCard *card : { static_cast<RankingCard *>(m_eventCard),
             static_cast<RankingCard *>(m_attackCard), static_cast<RankingCard *>(m_userCard) })
        connect(card, &RankingCard::drillDown, this, &notifyReportMain::drillDown);

    m_bodyLayout->addWidget(levelArea);
    m_bodyLayout->addWidget(m_dateChartView);
    QWidget *levelTitle = greyPanel(m_content);
    auto *levelTitleLayout = new QHBoxLayout(levelTitle);
    levelTitleLayout->addSpacing(24);
    levelTitleLayout->addWidget(new QLabel(tr("Distribution of the number of alarm severities"), levelTitle));
    m_bodyLayout->addWidget(levelTitle);
    m_bodyLayout->addWidget(m_levelChartView);
    m_bodyLayout->addSpacing(24);
    m_bodyLayout->addWidget(m_eventCard);
    m_bodyLayout->addSpacing(24);
    auto *lastRow = new QHBoxLayout();
    lastRow->setContentsMargins(0, 0, 0, 0);
    lastRow->addWidget(m_attackCard);
    lastRow->addSpacing(16);
    lastRow->addWidget(m_userCard);
    m_bodyLayout->addLayout(lastRow);
}

void notifyReportMain::buildCharts()
{
    QList<QScatterSeries *> scatters;
    m_dateChartView = SeverityCharts::dateChart(
        SeverityCharts::datePoints(m_data->dayCounts, int(m_data->range.alerts.size())), scatters);
    m_dateChartView->setParent(m_content);
    m_dateChartView->setAccessibleName(tr("Date distribution of alarm severity"));
    m_levelChartView = SeverityCharts::levelChart(m_data->levelCounts);
    m_levelChartView->setParent(m_content);
    m_levelChartView->setAccessibleName(tr("Distribution of the number of alarm severities"));
    for (QScatterSeries *series : scatters)
        connect(series, &QScatterSeries::hovered, this,
            [this](const QPointF &point, bool) { onScatterPointClicked(point); });
}

void notifyReportMain::showEmptyState(const QString &text, bool failure)
{
    clearBody();
    QWidget *panel = greyPanel(m_content);
    panel->setObjectName("emptyPanel");
    auto *layout = new QVBoxLayout(panel);
    auto *empty = new EmptyWidget(text, 128, 128, panel);
    // Not the "nothing found" picture when nothing could be looked at.
    if (failure)
        empty->setPicture(QIcon(":/Resource/Icon/base/dialog-error.svg").pixmap(128, 128));
    layout->addWidget(empty);
    m_bodyLayout->addWidget(panel);
    m_bodyLayout->addStretch();
    m_content->setMinimumWidth(832);
    if (!m_emptyState) {
        m_mainHLayout->addSpacing(18);
        m_emptyState = true;
    }
}

// Records that could not be read may be alerts of the range: never "no alarms" then.
void notifyReportMain::showNoAlarms()
{
    if (m_skippedRecords > 0)
        showEmptyState(AlertStore::unreadRecordsText(m_skippedRecords), true);
    else
        showEmptyState(tr("There are no alarm details"));
}

// The store's count belongs to the snapshot it holds, which is the one about to be shown.
void notifyReportMain::takeSkippedRecords()
{
    m_skippedRecords = AlertStore::instance()->skippedRecords();
    m_skippedLabel->setText(AlertStore::unreadRecordsText(m_skippedRecords));
    m_skippedLabel->setVisible(m_skippedRecords > 0);
}

void notifyReportMain::drillDown(AlertField field, const QString &value)
{
    emit signal_drill_down(
        field, value, m_rangePicked ? QList<QDate> { m_startDate, m_endDate } : QList<QDate>());
}

void notifyReportMain::slot_open_calendar()
{
    m_dateBar->openPicker();
}

void notifyReportMain::slot_update_dateTime(QList<QDate> &text)
{
    m_rangeAfterRefresh.reset();
    if (text.size() == 2 && text[0].isValid() && text[1].isValid()) {
        m_startDate = text[0];
        m_endDate = text[1];
    } else {
        qCDebug(lcReport) << "no update date";
    }
    startAction(Action::Range, rangeStartText(m_startDate), rangeEndText(m_endDate, REPORT_LAST_SECOND));
}

void notifyReportMain::slot_refresh_data()
{
    m_rangeAfterRefresh.reset();
    startAction(Action::Refresh);
}

void notifyReportMain::refreshKeepingRange()
{
    const bool picked = m_rangePicked;
    slot_refresh_data();
    if (picked)
        m_rangeAfterRefresh = std::make_pair(m_startDate, m_endDate);
}

void notifyReportMain::slot_refresh_ai_ui_tips()
{
    if (!m_serverEdition && m_aiCard)
        m_aiCard->updateAiUi();
}

void notifyReportMain::onScatterPointClicked(QPointF point)
{
    if (!m_dateChartView)
        return;
    const qint64 x = qint64(point.x());
    const QString date = QDateTime::fromMSecsSinceEpoch(x).date().toString("yyyy-MM-dd");
    QChart *chart = m_dateChartView->chart();

    removeVerticalLine();
    m_hoverLine = new QLineSeries();
    m_hoverLine->setPen(QPen(Qt::gray));
    m_hoverLine->append(double(x), 0);
    m_hoverLine->append(double(x), 60);
    chart->addSeries(m_hoverLine);
    m_hoverLine->attachAxis(chart->axes(Qt::Horizontal).first());
    QTimer::singleShot(HOVER_MS, this, &notifyReportMain::removeVerticalLine);

    const auto day = m_data->dayCounts.find(date.toStdString());
    const DayRiskCounts counts = day == m_data->dayCounts.end() ? DayRiskCounts() : day->second;
    // The tip belongs to the chart view and goes with it on a rebuild; a
    // hover after that makes a new one.
    if (!m_tip)
        m_tip = new tipDialog(date, counts.highRisk, counts.normalRisk, m_dateChartView);
    QTimer::singleShot(HOVER_MS, m_tip, &QWidget::close);
    m_tip->setData(date, counts.highRisk, counts.normalRisk);
    const QPoint at = mapFromGlobal(QCursor::pos()) + QPoint(420, 120 + (point.y() > 45 ? 100 : 0));
    m_tip->move(at);
    m_tip->update();
    m_tip->show();
}

void notifyReportMain::removeVerticalLine()
{
    if (!m_hoverLine || !m_dateChartView)
        return;
    m_dateChartView->chart()->removeSeries(m_hoverLine);
    delete m_hoverLine;
}

// Each shot of the scrolled report goes into one picture of its whole height.
QImage notifyReportMain::takeReportPicture()
{
    QWidget *content = m_scrollArea->widget();
    if (!content) {
        qCDebug(lcReport) << "Content widget not found in scroll area.";
        m_exportError = tr(CANNOT_PICTURE);
        return QImage();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QWidget *viewport = m_scrollArea->viewport();
    const int totalHeight = content->height();
    const int viewportHeight = viewport->height();
    const QList<int> offsets = ReportPdf::shotOffsets(totalHeight, viewportHeight);
    qCDebug(lcReport) << "numScreenshots: " << offsets.size();
    qCDebug(lcReport) << "totalHeight: " << totalHeight;
    qCDebug(lcReport) << "viewportHeight: " << viewportHeight;
    if (offsets.isEmpty()) {
        qCDebug(lcReport) << "Failed to save the screenshot.";
        m_exportError = tr(CANNOT_PICTURE);
        return QImage();
    }

    QImage picture(viewport->width(), totalHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < offsets.size(); ++i) {
        m_scrollArea->verticalScrollBar()->setValue(i * viewportHeight);
        painter.drawPixmap(0, offsets.at(i), viewport->grab());
    }
    return picture;
}

void notifyReportMain::exportScrollAreaToImage()
{
    if (m_exporting)
        return;
    // The failure of an earlier export goes; other news in the strip stays.
    if (!m_exportError.isEmpty() && m_statusLabel->text() == m_exportError)
        m_statusLabel->clear();
    const QString baseName = QString("%1-%2").arg(
        ReportPdf::tr("Intrusion detection statistics report"), QDate::currentDate().toString("yyyy-MM-dd"));
    CustomFileDialog dialog(baseName, nullptr);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    qCDebug(lcReport) << "export filepath:" << path;
    startExport(path, dialog.format());
}

// A PDF's picture must be taken here; the files, which take seconds for a
// large range, are written on a worker while the window goes on.
bool notifyReportMain::startExport(const QString &path, ExportFormat format)
{
    if (m_exporting)
        return false;
    QImage picture;
    if (format == ExportFormat::Pdf) {
        picture = takeReportPicture();
        if (picture.isNull()) {
            showExportFailure();
            return true;
        }
    }
    m_exporting = true;
    m_exportButton->setEnabled(false);
    m_busy->setVisible(true);
    m_exportProgress = std::make_shared<ExportProgress>();
    m_exportProgress->total = m_data ? qint64(m_data->range.alerts.size()) : 0;
    showExportProgress();
    m_cancelButton->setVisible(true);
    m_progressTimer->start();
    struct Outcome
    {
        bool written = false;
        QString error;
    };
    auto outcome = std::make_shared<Outcome>();
    const SharedReportData data = m_data;
    const std::shared_ptr<const Translation> translation = m_translation;
    const std::shared_ptr<ExportProgress> progress = m_exportProgress;
    const QString range = rangeText();
    ThreadWorker::start(
        this,
        [outcome, format, path, picture, data, range, translation, progress] {
            outcome->written = writeExport(
                format, path, picture, data, range, *translation, progress.get(), &outcome->error);
        },
        [this, outcome, path, format](int) { finishExport(outcome->written, path, format, outcome->error); });
    return true;
}

void notifyReportMain::cancelExport()
{
    if (m_exportProgress)
        m_exportProgress->cancelled = true;
}

void notifyReportMain::showExportProgress()
{
    if (!m_exportProgress)
        return;
    m_statusLabel->setText(tr("Exporting: %1 of %2 alerts written")
                               .arg(m_exportProgress->written.load())
                               .arg(m_exportProgress->total));
}

void notifyReportMain::finishExport(
    bool written, const QString &path, ExportFormat format, const QString &error)
{
    m_exporting = false;
    m_exportProgress.reset();
    m_progressTimer->stop();
    m_cancelButton->setVisible(false);
    m_exportButton->setEnabled(true);
    m_busy->setVisible(isLoading());
    m_exportError = error;
    if (!written) {
        showExportFailure();
        return;
    }
    CustomFileDialog::rememberExport(path);
    const QString where = QDir::toNativeSeparators(path);
    m_statusLabel->setText(format == ExportFormat::Pdf ? tr("The report was written to %1").arg(where)
                                                       : tr("The alerts were written to %1").arg(where));
}

// The days the report was made for, as chosen, not the span of its alerts.
QString notifyReportMain::rangeText() const
{
    if (!m_startDate.isValid() || !m_endDate.isValid())
        return QString();
    return QString("%1 - %2").arg(m_startDate.toString("yyyy-MM-dd"), m_endDate.toString("yyyy-MM-dd"));
}

void notifyReportMain::showExportFailure()
{
    m_statusLabel->setText(m_exportError);
}

bool notifyReportMain::exportReport(const QString &pdfPath)
{
    const QImage picture = takeReportPicture();
    if (picture.isNull())
        return false;
    m_exportError.clear();
    return writePdf(pdfPath, picture, m_data, rangeText(), *m_translation, nullptr, &m_exportError);
}

bool notifyReportMain::writeReportPdf(const QString &pdfPath, const QString &imagePath)
{
    const QImage picture(imagePath);
    if (picture.isNull()) {
        qCDebug(lcReport) << "Failed to load image file:" << imagePath;
        m_exportError = tr(CANNOT_PICTURE);
        return false;
    }
    m_exportError.clear();
    return writePdf(pdfPath, picture, m_data, rangeText(), *m_translation, nullptr, &m_exportError);
}

void notifyReportMain::paintEvent(QPaintEvent *)
{
    paintRoundedPanel(this, lumo::style::surface(), lumo::style::surface());
}

QtCharts::QChartView *notifyReportMain::dateChartView() const
{
    return m_dateChartView;
}

QtCharts::QChartView *notifyReportMain::levelChartView() const
{
    return m_levelChartView;
}

tipDialog *notifyReportMain::tip() const
{
    return m_tip;
}

EventStatisticsWidget *notifyReportMain::eventCard() const
{
    return m_eventCard;
}

AttackStatisticsWidget *notifyReportMain::attackCard() const
{
    return m_attackCard;
}

UserStatisticsWidget *notifyReportMain::userCard() const
{
    return m_userCard;
}
