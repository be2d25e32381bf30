#include "report/eventtablemodel.h"

#include "translation/translation.h"

EventTableModel::EventTableModel(std::shared_ptr<const Translation> translation, QObject *parent)
    : QAbstractTableModel(parent)
    , m_translation(std::move(translation))
{
}

int EventTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(EVENT_TABLE_FIELDS.size());
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
    std::vector<QString> &texts = m_texts[size_t(column)];
    if (texts.size() < m_rows.size())
        texts.resize(m_rows.size());
    QString &text = texts[size_t(row)];
    if (!text.isNull())
        return text;
    const loginfo &alert = *m_rows[size_t(row)];
    const AlertColumn shown = field(column);
    const auto shared = [&](std::unordered_map<std::string, QString> &made, const std::string &key) {
        auto found = made.find(key);
        if (found == made.end())
            found = made.emplace(key, alertFieldShown(alert, shown, *m_translation)).first;
        return found->second;
    };
    if (shown == AlertColumn::Title)
        text = shared(m_titleTexts, alert.comment);
    else if (shown == AlertColumn::Location)
        text = shared(m_sourceTexts, alert.location);
    else
        text = alertFieldShown(alert, shown, *m_translation);
    // An empty text is made again next time; it costs next to nothing.
    return text;
}

QVariant EventTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        // The level as a number, so that views and sorting treat it so.
        if (field(index.column()) == AlertColumn::Level)
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
        if (section >= 0 && section < columnCount())
            return alertFieldHeading(field(section));
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
                emit dataChanged(index(int(row), 0), index(int(row), columnCount() - 1));
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
    if (column < 0 || column >= int(EVENT_TABLE_FIELDS.size()))
        return QSortFilterProxyModel::lessThan(right, left);
    const bool level = EventTableModel::field(column) == AlertColumn::Level;
    // Straight from the model: sorting a large range compares millions of times.
    if (auto *events = qobject_cast<const EventTableModel *>(sourceModel())) {
        if (level)
            return unsigned(events->level(right.row())) < unsigned(events->level(left.row()));
        return events->cellText(right.row(), column)
                   .compare(events->cellText(left.row(), column), Qt::CaseSensitive)
            < 0;
    }
    if (level)
        return right.data().toUInt() < left.data().toUInt();
    return right.data().toString().compare(left.data().toString(), Qt::CaseSensitive) < 0;
}
