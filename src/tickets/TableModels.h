// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <functional>

// One column whose rows the controller answers for; nothing can be edited in place.
class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using Rows = std::function<int()>;
    using Value = std::function<QString(int)>;
    ListTableModel(QString header, Rows rows, Value value, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void reloadData();

private:
    QString header_;
    Rows rows_;
    Value value_;
};
