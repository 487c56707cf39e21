// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableModels.h"

ListTableModel::ListTableModel(QString header, Rows rows, Value value, QObject *parent)
    : QAbstractTableModel(parent), header_(std::move(header)), rows_(std::move(rows)), value_(std::move(value))
{
}

int ListTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_();
}

int ListTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant ListTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return value_(index.row());
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? QVariant(header_) : QVariant(section + 1);
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? (Qt::ItemIsEnabled | Qt::ItemIsSelectable) : Qt::NoItemFlags;
}

void ListTableModel::reloadData()
{
    beginResetModel();
    endResetModel();
}
