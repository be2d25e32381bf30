#ifndef REPORT_RANKINGCARD_H
#define REPORT_RANKINGCARD_H

#include "alertengine/alertfield.h"

#include <QWidget>

class QPushButton;
class QVBoxLayout;

// Frame of the report's ranking cards: a title with "See all" beside it
// above the card's rows.
class RankingCard : public QWidget
{
    Q_OBJECT
public:
    QPushButton *seeAllButton() const { return m_seeAll; }

signals:
    // A row of the card or of its "See all" window was chosen: the alerts
    // with exactly that value of field are wanted.
    void drillDown(AlertField field, const QString &value);

public slots:
    // Shows the card's "See all" window.
    virtual void slot_clicked() = 0;

protected:
    // accessibleName names the card and its "See all" button for screen readers.
    RankingCard(const QString &title, const QString &seeAllName, QWidget *parent);

    // Replaces the rows under the title; the card owns them.
    void setRows(QWidget *rows);

private:
    QVBoxLayout *m_layout = nullptr;
    QWidget *m_rows = nullptr;
    QPushButton *m_seeAll = nullptr;
};

// A row of a ranking that leads to its alerts: it shows it can be clicked
// (pointer, hover, focus) and is chosen by a click or by Return.
class RankingRow : public QWidget
{
    Q_OBJECT
public:
    explicit RankingRow(QWidget *parent);

signals:
    void chosen();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};

#endif
