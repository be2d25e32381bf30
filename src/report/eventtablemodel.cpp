#include "report/eventtablemodel.h"

#include "reportdata/alerttext.h"
#include "translation/translation.h"

#include <QCoreApplication>

EventTableModel::EventTableModel(std::shared_ptr<const Translation> translation, QObject *parent)
    : QAbstractTableModel(parent)
    , m_translation(std::move(translation))
{
}

int EventTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

int EventTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_loadedRows;
}

Qt::ItemFlags EventTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

bool EventTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_loadedRows < int(m_rows.size());
}

void EventTableModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    const int more = qMin(FETCH_ROWS, int(m_rows.size()) - m_loadedRows);
    beginInsertRows(QModelIndex(), m_loadedRows, m_loadedRows + more - 1);
    m_loadedRows += more;
    endInsertRows();
}

const QString &EventTableModel::cellText(int row, int column) const
{
    std::vector<QString> &texts = m_texts[column == 0 ? 0 : column == 2 ? 1 : 2];
    if (texts.size() < m_rows.size())
        texts.resize(m_rows.size());
    QString &text = texts[size_t(row)];
    if (!text.isNull())
        return text;
    const loginfo &alert = *m_rows[size_t(row)];
    if (column == 0) {
        // Few distinct titles: each is translated once and shared by its rows.
        auto found = m_titleTexts.find(alert.comment);
        if (found == m_titleTexts.end()) {
            const std::string translated
                = m_translation ? m_translation->translate(alert.comment.c_str()) : "";
            const std::string &title = translated.empty() ? alert.comment : translated;
            found
                = m_titleTexts
                      .emplace(alert.comment,
                          alertTextForDisplay(QCoreApplication::translate("EventTableModel", title.c_str())))
                      .first;
        }
        text = found->second;
    } else if (column == 2) {
        auto found = m_sourceTexts.find(alert.location);
        if (found == m_sourceTexts.end())
            found = m_sourceTexts
                        .emplace(alert.location,
                            alertTextForDisplay(
                                QCoreApplication::translate("EventTableModel", alert.location.c_str())))
                        .first;
        text = found->second;
    } else {
        const std::string shown = alertDateToDisplay(alert.date);
        text = alertTextForDisplay(QString::fromStdString(shown.empty() ? alert.date : shown));
    }
    // An empty text is made again next time; it costs next to nothing.
    return text;
}

QVariant EventTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        if (index.column() == 1)
            return m_rows[size_t(index.row())]->level;
        return cellText(index.row(), index.column());
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == CommentRole)
        return QString::fromStdString(m_rows[size_t(index.row())]->comment);
    return QVariant();
}

QVariant EventTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        if (m_headers.contains(section))
            return m_headers.value(section);
        switch (section) {
        case 0:
            return tr("Event Title");
        case 1:
            return tr("Alert Level");
        case 2:
            return tr("Source");
        case 3:
            return tr("Happen Time");
        default:
            break;
        }
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::InitialSortOrderRole)
        return QVariant::fromValue(Qt::DescendingOrder);
    return QAbstractTableModel::headerData(section, orientation, role);
}

bool EventTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int)
{
    m_headers.insert(section, value.toString());
    emit headerDataChanged(orientation, section, section);
    return true;
}

void EventTableModel::loadAlerts(const AlertRange &range)
{
    m_snapshots.push_back(range.snapshot);
    m_rows.reserve(m_rows.size() + range.alerts.size());
    for (const loginfo &alert : range.alerts)
        m_rows.push_back(&alert);
    m_loadedRows = int(m_rows.size());
}

void EventTableModel::resetAlerts(const AlertRange &range)
{
    clear();
    beginResetModel();
    loadAlerts(range);
    endResetModel();
}

void EventTableModel::clear()
{
    if (m_loadedRows > 0) {
        beginRemoveRows(QModelIndex(), 0, m_loadedRows - 1);
        m_loadedRows = 0;
        endRemoveRows();
    }
    m_rows.clear();
    m_snapshots.clear();
    m_ownRecords.clear();
    for (std::vector<QString> &texts : m_texts)
        texts.clear();
}

void EventTableModel::updateServiceInfo(loginfo info)
{
    m_ownRecords.push_back(std::move(info));
    const loginfo *record = &m_ownRecords.back();
    for (size_t row = 0; row < m_rows.size(); ++row) {
        if (m_rows[row]->date == record->date) {
            m_rows[row] = record;
            for (std::vector<QString> &texts : m_texts) {
                if (row < texts.size())
                    texts[row] = QString();
            }
            emit itemRowChanged(int(row));
            if (int(row) < m_loadedRows)
                emit dataChanged(index(int(row), 0), index(int(row), 3));
            return;
        }
    }
    m_rows.push_back(record);
}

void EventSortFilterProxyModel::fetchMore(const QModelIndex &parent)
{
    if (!filterRegularExpression().pattern().isEmpty()) {
        while (canFetchMore(parent))
            QSortFilterProxyModel::fetchMore(parent);
    }
    if (canFetchMore(parent))
        QSortFilterProxyModel::fetchMore(parent);
    if (canFetchMore(parent))
        QSortFilterProxyModel::fetchMore(parent);
}

bool EventSortFilterProxyModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    const int column = sortColumn();
    if (column < 0 || column > 3)
        return QSortFilterProxyModel::lessThan(right, left);
    // Straight from the model: sorting a large range compares millions of times.
    if (auto *events = qobject_cast<const EventTableModel *>(sourceModel())) {
        if (column == 1)
            return unsigned(events->level(right.row())) < unsigned(events->level(left.row()));
        return events->cellText(right.row(), column)
                   .compare(events->cellText(left.row(), column), Qt::CaseSensitive)
            < 0;
    }
    if (column == 1)
        return right.data().toUInt() < left.data().toUInt();
    return right.data().toString().compare(left.data().toString(), Qt::CaseSensitive) < 0;
}
