#ifndef REPORT_EVENTTABLEMODEL_H
#define REPORT_EVENTTABLEMODEL_H

#include "reportdata/alertfields.h"
#include "reportdata/alertrange.h"

#include <QAbstractTableModel>
#include <QMap>
#include <QSortFilterProxyModel>

#include <deque>
#include <memory>
#include <unordered_map>
#include <vector>

class Translation;

// Every alert of a range as a row, with the columns EVENT_TABLE_FIELDS names
// (event title, level, source and time). Rows refer to the alerts of the
// shared snapshot; nothing is copied.
class EventTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int FETCH_ROWS = 100;
    // The rule description of a row's alert as recorded, for the drill-down.
    static constexpr int CommentRole = Qt::UserRole + 1;

    // translation must not be null.
    EventTableModel(std::shared_ptr<const Translation> translation, QObject *parent = nullptr);

    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(
        int section, Qt::Orientation orientation, const QVariant &value, int role = Qt::EditRole) override;

    // Appends the alerts of the range as rows, all of them shown at once.
    void loadAlerts(const AlertRange &range);
    // Removes every row, then shows the range instead with a model reset.
    void resetAlerts(const AlertRange &range);
    void clear();

    // What a text cell shows, for sorting without going through QVariant.
    const QString &cellText(int row, int column) const;
    static AlertColumn field(int column) { return EVENT_TABLE_FIELDS[size_t(column)]; }
    int level(int row) const { return m_rows[size_t(row)]->level; }

signals:
    void itemRowChanged(int row);

public slots:
    // Replaces the row of the alert with the same date text, or adds the alert
    // as a further row (shown when more rows are fetched).
    void updateServiceInfo(loginfo info);

private:
    std::shared_ptr<const Translation> m_translation;
    std::vector<AlertList> m_snapshots; // keep the alerts the rows point at
    std::vector<const loginfo *> m_rows;
    std::deque<loginfo> m_ownRecords; // alerts handed in one by one
    int m_loadedRows = 0;
    QMap<int, QString> m_headers;

    // Cell texts of the text columns, made when first asked for.
    mutable std::array<std::vector<QString>, EVENT_TABLE_FIELDS.size()> m_texts;
    // Few distinct titles and sources: each is made once and shared by its rows.
    mutable std::unordered_map<std::string, QString> m_titleTexts;
    mutable std::unordered_map<std::string, QString> m_sourceTexts;
};

// Sorts the event table with every comparison exchanged: a descending sort
// lists titles from A to Z and an ascending one the highest level first.
class EventSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void fetchMore(const QModelIndex &parent) override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};

#endif
