#ifndef LOGPAGE_NOTIFY_LOG_FRAME_H
#define LOGPAGE_NOTIFY_LOG_FRAME_H

#include "alertengine/notifylogdata.h"

#include <QFrame>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class FrameLineWidget;

// One alert in the alarm log list: a collapsed line with title, level and
// severity, the time and source rows, and details that open with the arrow.
// Every text that comes from the alert is shown as plain text, with the
// controls that could disguise it made visible.
class notify_log_frame : public QFrame
{
    Q_OBJECT
public:
    explicit notify_log_frame(const notifyLogData &data, QWidget *parent = nullptr);
    ~notify_log_frame() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    bool isExpanded() const;
    void setExpanded(bool expanded);
    // As the arrow does: opens or closes the details and says so.
    void toggleExpanded();
    // The keyboard's place in the list: drawn as a frame around the entry.
    void setCurrent(bool current);
    // Marks the alert as come in since the list was loaded before, until the user has seen it.
    void setNew(bool isNew);
    bool isNew() const;

    // The whole alert as labelled plain text, nothing left out: what "Copy
    // alert" puts on the clipboard.
    static QString alertText(const notifyLogData &data);
    // A raw line as an expanded entry shows it: at most SHOWN_LINE_CHARS
    // characters, with what is left out said, and able to wrap anywhere.
    static QString shownRawLine(const QString &line);
    static constexpr int SHOWN_LINE_CHARS = 2000;

signals:
    // The arrow opened or closed the details.
    void expandedChanged(bool expanded);

public slots:
    void setHighLight();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void buildForm();
    void fillView();
    void fillDetails();
    QLabel *plainLabel(const QString &text, QWidget *parent);
    void makeSelectable(QLabel *label);
    void setArrow(bool up);
    QLabel *addRow(QVBoxLayout *into, const QString &caption, const QString &value, QLabel **valueLabel);
    void addDetailLine(const QString &caption, const QString &value);

    notifyLogData m_data;

    QFrame *m_frame = nullptr;
    QFrame *m_detailFrame = nullptr;
    QVBoxLayout *m_loginfoVerticalLayout = nullptr;
    QVBoxLayout *m_detailVerticalLayout = nullptr;
    QLabel *m_iconLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_levelLabel = nullptr;
    QLabel *m_typeLabel = nullptr;
    QLabel *m_upDownIconLabel = nullptr;
    QLabel *m_newMark = nullptr; // made for the first mark
    QString m_accessibleName; // without the mark

    QLabel *m_timeCaption = nullptr;
    QLabel *m_timeValue = nullptr;
    QLabel *m_sourceCaption = nullptr;
    QLabel *m_sourceValue = nullptr;
    FrameLineWidget *m_line = nullptr; // made with the details
    int m_captionWidth = 0;
    bool m_current = false;
};

#endif
