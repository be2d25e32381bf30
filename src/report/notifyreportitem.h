#ifndef REPORT_NOTIFYREPORTITEM_H
#define REPORT_NOTIFYREPORTITEM_H

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <limits>

class QLabel;
namespace lumo {
class KBallonTip;
}

// What a report card shows.
struct ReportItemData
{
    // Shown as "None": the value could not be determined.
    static constexpr qint64 NoValue = std::numeric_limits<qint64>::max();
    // Shown as "--": the value is not known (yet).
    static constexpr qint64 Pending = std::numeric_limits<qint64>::min();

    int type = 1; // 1 for the totals strip, 0 for the level cards
    qint64 value = 0;
    QString unit;
    QString title;
    QPixmap icon; // none when null
    bool showTip = false;
};

// One card of the report: a large value with its unit above a title.
class notifyReportItem : public QWidget
{
    Q_OBJECT
public:
    explicit notifyReportItem(const ReportItemData &data, QWidget *parent = nullptr);

    qint64 value() const { return m_data.value; }
    QString valueText() const;
    bool tipShown() const { return m_data.showTip; }
    // The AI card learns whether the AI service is installed once its state has arrived.
    void setShowTip(bool show);
    lumo::KBallonTip *ballonTip() const;

public slots:
    void updateUi(qint64 value);
    // Asks the daemon again whether the AI service is installed; hides the tip once it is.
    void updateAiUi();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show_ballon_tip(QObject *watched);
    void updateAccessibleName();

    ReportItemData m_data;
    QLabel *m_valueLabel = nullptr;
    QLabel *m_tipLabel = nullptr;
    QPointer<lumo::KBallonTip> m_ballonTip; // deletes itself when its time is up
    bool m_askingAiState = false;
};

#endif
