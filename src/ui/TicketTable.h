// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The ticket list after a draw was checked: each ticket's drawn numbers stand out, and each
// row tells a screen reader how the ticket fared.
#pragma once

#include "core/DrawCheck.h"
#include "ui/ListTableModel.h"

#include <QStyledItemDelegate>

class TicketTableModel : public ListTableModel {
    Q_OBJECT
public:
    // The numbers of a row's ticket that match the draw (QList<int>).
    static constexpr int MainMatchesRole = Qt::UserRole + 1;
    static constexpr int BonusMatchesRole = Qt::UserRole + 2;
    // True when bonus matches are main numbers of the ticket (supplementary numbers).
    static constexpr int BonusFromMainRole = Qt::UserRole + 3;
    // "4 matches" for the row, empty when no draw was checked.
    static constexpr int MatchCountRole = Qt::UserRole + 4;

    explicit TicketTableModel(QObject *parent = nullptr);
    // One check a ticket, in the order of the rows; `bonusFromMain` as DrawRules has it.
    void showMatches(const QList<TicketCheck> &checks, bool bonusFromMain);
    void clearMatches();
    bool hasMatches() const { return !checks_.isEmpty(); }

    QVariant data(const QModelIndex &index, int role) const override;

private:
    QList<TicketCheck> checks_;
    bool bonusFromMain_ = false;
};

// Paints a ticket line with its drawn numbers bold on a coloured ground (main matches in
// amber, bonus matches in blue), and the count of matches at the right end of the row.
class TicketMatchDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
