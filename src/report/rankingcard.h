#ifndef REPORT_RANKINGCARD_H
#define REPORT_RANKINGCARD_H

#include <QWidget>

class QVBoxLayout;

// Frame of the report's ranking cards: a title with "See all" beside it
// above the card's rows.
class RankingCard : public QWidget
{
    Q_OBJECT
public slots:
    // Shows the card's "See all" window.
    virtual void slot_clicked() = 0;

protected:
    RankingCard(const QString &title, QWidget *parent);

    // Replaces the rows under the title; the card owns them.
    void setRows(QWidget *rows);

private:
    QVBoxLayout *m_layout = nullptr;
    QWidget *m_rows = nullptr;
};

#endif
