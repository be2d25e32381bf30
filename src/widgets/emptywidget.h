#ifndef WIDGETS_EMPTYWIDGET_H
#define WIDGETS_EMPTYWIDGET_H

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

// Stands in for a list or table that has nothing to show: a picture, scaled to
// fill its place of at least width x height, above a grey line of text.
class EmptyWidget : public QWidget
{
    Q_OBJECT

public:
    EmptyWidget(const QString &text, int width, int height, QWidget *parent = nullptr);

    QString text() const { return m_text; }
    QPixmap picture() const { return m_picture; }
    // Replaces the picture (the default is the empty-state illustration).
    void setPicture(const QPixmap &picture);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void scalePicture();

    QString m_text;
    QPixmap m_picture;
    int m_pictureMinWidth;
    int m_pictureMinHeight;
    QLabel *m_pictureLabel;
    QLabel *m_textLabel;
};

#endif
