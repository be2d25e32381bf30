#ifndef REPORT_NOTIFYREPORTMAIN_H
#define REPORT_NOTIFYREPORTMAIN_H

#include "alertengine/alertfield.h"
#include "alertstore/alertstore.h"
#include "reportdata/alertexport.h"
#include "reportdata/reportdata.h"

#include <QDate>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <optional>

class AttackStatisticsWidget;
class BusyIndicator;
class DateRangeBar;
class EventStatisticsWidget;
class QFrame;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QImage;
class QTimer;
struct ExportProgress;
class QPushButton;
class QVBoxLayout;
class Translation;
class UserStatisticsWidget;
class notifyReportItem;
class tipDialog;
namespace QtCharts {
class QChart;
class QChartView;
class QLineSeries;
} // namespace QtCharts

// The "Alarm Statistics" tab: totals, the alarm levels of a date range with
// their charts, and the rankings of events, attack sources and users.
//
// The page shows the report's data (ReportData) of the store's snapshot: the
// build takes the snapshot the store holds, Refresh asks for a fresh one and
// a picked range is cut from the one shown. Counting and the daemon's totals
// run on threads of their own; nothing here waits on the GUI thread.
class notifyReportMain : public QWidget
{
    Q_OBJECT
public:
    // The fixed places the page reads besides the daemon; tests point them elsewhere.
    struct Sources
    {
        QString installTimePath;
        QString aiCountProgram;
        QStringList aiCountArguments;
        QString osReleasePath;
    };
    static Sources &sources();
    // A picked range ends with its last day's last second.
    static constexpr const char *REPORT_LAST_SECOND = "23:59:59";

    // What a page shows that is built from data at hand rather than loaded.
    struct Figures
    {
        ReportFigures daemon;
        std::optional<qint64> aiInferences;
    };

    explicit notifyReportMain(QWidget *parent = nullptr);
    // The report of data as it stands, for drawing it without a window: asks
    // neither the store nor the daemon. The range is the whole snapshot when
    // start and end are null, else those days.
    notifyReportMain(const SharedReportData &data, const Figures &figures, const QDate &start,
        const QDate &end, QWidget *parent = nullptr);
    ~notifyReportMain() override;

    // Writes the report of the shown range as a PDF with the picture at
    // imagePath on its first page. On failure exportError() says why.
    bool writeReportPdf(const QString &pdfPath, const QString &imagePath);
    // The picture of the whole report and the PDF, without asking for a name;
    // blocks until it is written.
    bool exportReport(const QString &pdfPath);
    // Writes the report (PDF) or the alerts of the range (CSV, JSON Lines) to
    // path on a worker, a PDF's picture taken here first; the status strip
    // shows the progress with a Cancel and then how it went. False when one
    // is under way already.
    bool startExport(const QString &path, ExportFormat format = ExportFormat::Pdf);
    // Asks the running export to stop; it leaves no file.
    void cancelExport();
    bool isExporting() const { return m_exporting; }
    QString exportError() const { return m_exportError; }

    // Fresh alerts and figures from the daemon, as Refresh, but the days the
    // user picked stay chosen: for a refresh the user did not ask for.
    void refreshKeepingRange();

    // Whether a load of alerts or of the daemon's totals is under way.
    bool isLoading() const { return m_loadingAlerts || m_loadingTotals; }
    bool isCountingAi() const { return m_countingAi; }
    bool showsEmptyState() const { return m_emptyState; }
    // The alert records the shown snapshot's load had to pass over.
    int skippedRecords() const { return m_skippedRecords; }
    // The result of the last load of alerts: 0, or why it failed (see AlertStore).
    int loadResult() const { return m_loadResult; }
    qint64 alertTotal() const { return m_totals.alertTotal; }
    int highRiskCount() const { return m_data ? m_data->highCount : 0; }
    int normalRiskCount() const { return m_data ? m_data->normalCount : 0; }
    AlertSpan rangeAlerts() const { return m_data ? m_data->range.alerts : AlertSpan(); }
    const SharedReportData &reportData() const { return m_data; }
    QDate startDate() const { return m_startDate; }
    QDate endDate() const { return m_endDate; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    QtCharts::QChartView *dateChartView() const;
    QtCharts::QChartView *levelChartView() const;
    tipDialog *tip() const;
    EventStatisticsWidget *eventCard() const;
    AttackStatisticsWidget *attackCard() const;
    UserStatisticsWidget *userCard() const;

signals:
    void update_total_guard_time(qint64 hours);
    void update_total_events(qint64 count);
    void update_ai_inferences(qint64 count);
    void update_total_alerts(qint64 count);
    void update_high_level_count(int count);
    void update_normal_level_count(int count);
    void signal_update_dateWidget(QDate start, QDate end);
    // A ranking's row was chosen: the alerts with exactly that value of field,
    // in the report's range ({first day, last day}, empty for all).
    void signal_drill_down(AlertField field, const QString &value, const QList<QDate> &range);

public slots:
    void slot_open_calendar();
    void slot_update_dateTime(QList<QDate> &text);
    void onScatterPointClicked(QPointF point);
    void exportScrollAreaToImage();
    void slot_refresh_data();
    void slot_refresh_ai_ui_tips();
    void removeVerticalLine();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // What the page reloads for; the last action wins.
    enum class Action { Build, Refresh, Range };
    // As the cards show them: a figure not known yet is pending ("--").
    struct Totals
    {
        qint64 guardHours = 0;
        qint64 eventTotal;
        qint64 aiInferences;
        int aiStatus = 0;
        qint64 alertTotal = 0;
        Totals();
    };

    void buildPage(); // what both constructors build
    void buildContent();
    QWidget *buildTitleRow();
    QWidget *buildTotalsStrip();
    QWidget *buildBottomBar();

    void startAction(Action action, const QString &start = QString(), const QString &end = QString());
    void collectDaemonTotals();
    void collectAiCount();
    void applyDaemonTotals(const ReportFigures &figures);
    void applyAlerts(const AlertList &alerts, int result);
    void computeData(const AlertList &alerts);
    void applyData(const SharedReportData &data);
    void finishAction();
    void showLoadFailure(int result);
    void setLoadingShown();

    void logRange(const QString &start, const QString &end) const;
    QDate oldestAlertDate() const;
    void emitTotals();
    void drillDown(AlertField field, const QString &value);
    void showRangeResult();

    QImage takeReportPicture();
    QString rangeText() const;
    void showExportFailure();
    void showExportProgress();
    void finishExport(bool written, const QString &path, ExportFormat format, const QString &error);

    void clearBody();
    void buildReportBody();
    void showEmptyState(const QString &text, bool failure = false);
    void showNoAlarms();
    void takeSkippedRecords();
    void buildCharts();

    // Sources of the figures.
    std::shared_ptr<const Translation> m_translation;
    SharedReportData m_data; // of the range shown, with its snapshot
    Totals m_totals;
    int m_loadResult = 0;
    int m_skippedRecords = 0; // of the snapshot shown; a picked range keeps them
    QString m_exportError;
    QDate m_startDate;
    QDate m_endDate;
    bool m_rangePicked = false; // the shown data is of picked days, not of the whole snapshot
    std::optional<std::pair<QDate, QDate>> m_rangeAfterRefresh; // cut again once the refresh is in
    bool m_serverEdition = false;

    // The action under way.
    Action m_action = Action::Build;
    QString m_loadStart;
    QString m_loadEnd;
    bool m_loadingAlerts = false;
    bool m_loadingTotals = false;
    bool m_countingAi = false;
    int m_totalsRound = 0; // totals of older rounds are dropped
    int m_dataRound = 0; // and so is the data of an older action
    int m_aiRound = 0;
    bool m_emitAiCount = false;
    bool m_shownOnce = false; // the figures of a load have been shown
    bool m_totalsKnown = false; // the daemon's totals have arrived once
    bool m_exporting = false;
    std::shared_ptr<ExportProgress> m_exportProgress; // of the export under way

    // Widgets.
    QHBoxLayout *m_mainHLayout = nullptr;
    QScrollArea *m_scrollArea = nullptr;
    QFrame *m_content = nullptr;
    QVBoxLayout *m_bodyLayout = nullptr;
    QLabel *m_skippedLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    QPushButton *m_exportButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QTimer *m_progressTimer = nullptr;
    BusyIndicator *m_busy = nullptr;
    DateRangeBar *m_dateBar = nullptr;
    notifyReportItem *m_guardCard = nullptr;
    notifyReportItem *m_eventsCard = nullptr;
    notifyReportItem *m_aiCard = nullptr;
    notifyReportItem *m_alertsCard = nullptr;
    bool m_emptyState = false;

    // The body; everything in it goes with each rebuild.
    QPointer<QtCharts::QChartView> m_dateChartView;
    QPointer<QtCharts::QChartView> m_levelChartView;
    QPointer<QtCharts::QLineSeries> m_hoverLine;
    QPointer<tipDialog> m_tip; // belongs to the date chart view
    QPointer<EventStatisticsWidget> m_eventCard;
    QPointer<AttackStatisticsWidget> m_attackCard;
    QPointer<UserStatisticsWidget> m_userCard;
};

#endif
