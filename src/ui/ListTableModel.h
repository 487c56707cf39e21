// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

// One read-only column of texts under a header: the lottery list and the ticket list.
class ListTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ListTableModel(QString header, QObject *parent = nullptr);
    void setRows(const QStringList &rows);
    const QStringList &rows() const { return rows_; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QString header_;
    QStringList rows_;
};

class QTableView;
// Puts the model in the table: whole rows chosen one at a time, nothing edited in place,
// Tab moving on to the next control instead of through the cells.
void showListIn(QTableView *table, ListTableModel *model);
