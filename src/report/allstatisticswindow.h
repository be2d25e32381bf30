#ifndef REPORT_ALLSTATISTICSWINDOW_H
#define REPORT_ALLSTATISTICSWINDOW_H

#include <QWidget>

class QVBoxLayout;

// Frame of the "See all" windows of the report: a frameless, application-modal
// window with the application icon, a title and minimise, maximise and close
// buttons. It belongs to the card that opens it.
class AllStatisticsWindow : public QWidget
{
    Q_OBJECT
public:
    enum Placement { Centred, LeftOfCentre };

    AllStatisticsWindow(const QString &title, const QSize &minimumSize, Placement placement, QWidget *parent);

public slots:
    void on_close_btn_clicked();
    void on_minimum_btn_clicked();
    void on_maximum_btn_clicked();

protected:
    QVBoxLayout *bodyLayout() const { return m_bodyLayout; }
    void paintEvent(QPaintEvent *event) override;

private:
    void place(Placement placement);

    QVBoxLayout *m_bodyLayout = nullptr;
};

#endif
