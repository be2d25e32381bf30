#ifndef WIDGETS_BUSYINDICATOR_H
#define WIDGETS_BUSYINDICATOR_H

#include <QTimer>
#include <QWidget>

// A small turning arc that says "still working". It turns only while shown.
class BusyIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit BusyIndicator(int size, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QTimer m_timer;
    int m_angle = 0;
};

#endif
