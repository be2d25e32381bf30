#ifndef REPORT_TIPDIALOG_H
#define REPORT_TIPDIALOG_H

#include <QDialog>
#include <QString>

class QLabel;

// The small window beside a hovered day of the date chart: the day and its
// high-risk and normal-risk counts.
class tipDialog : public QDialog
{
    Q_OBJECT
public:
    tipDialog(const QString &date, int high, int normal, QWidget *parent = nullptr);

    void setData(const QString &date, int high, int normal);

    QString date() const { return m_date; }
    int highCount() const { return m_high; }
    int normalCount() const { return m_normal; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_date;
    int m_high = 0;
    int m_normal = 0;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_highLabel = nullptr;
    QLabel *m_normalLabel = nullptr;
};

#endif
