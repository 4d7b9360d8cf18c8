#include "ui/log/LogTableModel.h"

#include "core/log/LogList.h"
#include "core/text/Cp1252.h"

namespace zelkor {

LogTableModel::LogTableModel(LogList& log, QObject* parent)
    : QAbstractTableModel(parent), m_log(log)
{
    ConnectLog();
}

int LogTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_log.RowCount();
}

int LogTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_log.ColumnCount();
}

QVariant LogTableModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
        case Qt::AccessibleTextRole:
            return ToQString(m_log.Cell(index.row(), index.column()));
        case Qt::TextAlignmentRole:
            return Alignment(index.column());
        default:
            return {};
    }
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_log.ColumnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(m_log.Heading(section));
        case Qt::TextAlignmentRole:
            return Alignment(section);
        default:
            return {};
    }
}

Qt::ItemFlags LogTableModel::flags(const QModelIndex& index) const
{
    // The log is changed through its commands, never by typing into the list.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void LogTableModel::ConnectLog()
{
    connect(&m_log, &LogList::rowsAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&m_log, &LogList::rowsReset, this, [this] { endResetModel(); });
    connect(&m_log, &LogList::rowAboutToBeInserted, this,
            [this](int row) { beginInsertRows({}, row, row); });
    connect(&m_log, &LogList::rowInserted, this, [this] { endInsertRows(); });
    connect(&m_log, &LogList::rowsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows({}, first, last); });
    connect(&m_log, &LogList::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(&m_log, &LogList::cellChanged, this, [this](int row, int column) {
        const QModelIndex cell = index(row, column);
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::AccessibleTextRole});
    });
    connect(&m_log, &LogList::rowsChanged, this, [this](int firstRow, int lastRow) {
        emit dataChanged(index(firstRow, 0), index(lastRow, columnCount() - 1),
                         {Qt::DisplayRole, Qt::AccessibleTextRole});
    });
}

QVariant LogTableModel::Alignment(int column)
{
    // The row number is right-aligned so that the digits line up; every other text reads
    // from the left.
    const Qt::Alignment horizontal = column == 0 ? Qt::AlignRight : Qt::AlignLeft;
    // Held as an int, which every Qt 6 view and delegate reads.
    return static_cast<int>(horizontal | Qt::AlignVCenter);
}

}  // namespace zelkor
