#ifndef WIDGETS_CUSTOMBUTTON_H
#define WIDGETS_CUSTOMBUTTON_H

#include <QList>
#include <QPixmap>
#include <QPushButton>

class QTimer;

// The Confirm button of the settings pages. A click turns it into a loading
// button (spinner and "Configuring..."); the owner calls stopLater() when its
// task is over, and loadingAnimationFinished() follows.
class CustomButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CustomButton(QWidget *parent = nullptr);

    // Starts the spinner unless it already turns.
    void startAnimation();
    // Ends the loading animation after msec (whole milliseconds), unless an
    // end is already scheduled.
    void stopLater(double msec);
    // Keeps the loading picture 500 ms after a task shorter than that, so a
    // quick task does not just flicker, and 50 ms after a longer one.
    void stopAfterTask(int taskMsecs);
    // Back to the idle face, for an owner whose task failed and who lets the
    // user press the button again.
    void resetLoading();

    bool isLoading() const { return m_loading; }
    bool isAnimating() const;
    int frameIndex() const { return m_frameIndex; }
    const QList<QPixmap> &frames() const { return m_frames; }
    QPixmap currentFrame() const { return m_currentFrame; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void loadingAnimationFinished();

public slots:
    void updateLoadingImage();
    void onClicked();
    void stopTimer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static QString loadingText();
    void loadFrames();
    static QPixmap drawnFrame(int index, qreal devicePixelRatio);

    bool m_loading = false;
    int m_frameIndex = 0;
    QTimer *m_animationTimer = nullptr;
    QTimer *m_stopTimer = nullptr;
    QList<QPixmap> m_frames;
    QPixmap m_currentFrame;
};

#endif
