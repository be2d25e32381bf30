#ifndef LOGPAGE_FRAMELINEWIDGET_H
#define LOGPAGE_FRAMELINEWIDGET_H

#include <QWidget>

// The thin separator under an alert entry's visible rows.
class FrameLineWidget : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif
