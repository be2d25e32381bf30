#ifndef REPORT_HITSTATLIST_H
#define REPORT_HITSTATLIST_H

#include "reportdata/hitranking.h"

#include <QAbstractListModel>
#include <QListView>
#include <QStyledItemDelegate>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Attack sources or user names with their counts, shared by a ranking card
// and its "See all" window.
using HitStats = HitRanking;
using SharedHitStats = std::shared_ptr<const HitStats>;
using HitEntry = HitStats::value_type;

// The three texts of one row; the display role is the first line.
struct HitRowTexts
{
    QString name; // bold, left
    QString count; // right
    QString latest; // second line
};

// Rows of entries of a shared statistics map, in the order given. The texts
// are made when a row is shown, so a list of any length costs nothing until
// it is looked at.
class HitStatModel : public QAbstractListModel
{
    Q_OBJECT
public:
    // KeyRole: the source address or user name as recorded, for the drill-down.
    enum Role { CountTextRole = Qt::UserRole + 1, LatestTextRole, KeyRole };
    using TextsOf = std::function<HitRowTexts(const HitEntry &entry)>;

    HitStatModel(SharedHitStats stats, std::vector<const HitEntry *> rows, TextsOf texts, QObject *parent);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    SharedHitStats m_stats; // keeps the entries the rows point at
    std::vector<const HitEntry *> m_rows;
    TextsOf m_texts;
};

// Paints a row as the name in bold with the count at the right, and the
// latest time below. Painted text is never read as markup.
class HitRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// A plain list of such rows on the background of whatever holds it. A row
// leads to its alerts: clicked, or Return on the current one.
class HitStatListView : public QListView
{
    Q_OBJECT
public:
    explicit HitStatListView(HitStatModel *model, QWidget *parent = nullptr);

signals:
    // The recorded key of the chosen row.
    void keyChosen(const QString &key);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// The latest time of an entry as a row shows it: the slash form, or the text
// as recorded when it cannot be read.
QString hitLatestTime(const HitStat &stat);

#endif
