#ifndef WIDGETS_TARVIXMESSAGEDIALOG_H
#define WIDGETS_TARVIXMESSAGEDIALOG_H

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The application's confirmation box: an optional title row, an icon with a
// question, a line of explanation, Cancel and Confirm. Modal for the whole
// application while shown. Confirm and Cancel report through both signals
// (the caller connects the one that fits its question) and close the box;
// the title row's close button closes it without an answer.
class TarvixMessageDialog : public QWidget
{
    Q_OBJECT

public:
    TarvixMessageDialog(const QString &title, const QPixmap &titleIcon, const QString &text,
        const QString &detail, const QPixmap &icon, QWidget *parent = nullptr);

    QPushButton *cancelButton() const { return m_cancelButton; }
    QPushButton *confirmButton() const { return m_confirmButton; }

signals:
    void signal_service_close(bool);
    void signal_service_open(bool);

public slots:
    void on_close_btn_clicked();
    void on_minimum_btn_clicked();

private slots:
    void slot_cancel();
    void slot_confirm();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *buildTitleRow();
    QPushButton *createWindowButton(const char *name, const QString &toolTip, const QString &icon);

    QString m_title;
    QPixmap m_titleIcon;
    QString m_text;
    QString m_detail;
    QPixmap m_icon;
    QVBoxLayout *m_layout = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QPushButton *m_confirmButton = nullptr;
};

#endif
