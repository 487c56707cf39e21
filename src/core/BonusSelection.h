// Wheelwright - lottery wheeling
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

#include <functional>

// The numbers chosen from a lottery's separate bonus pool (Powerball, stars). Unlike the main
// numbers none of them is a key: any chosen number can be given back at any time.
class BonusSelection {
public:
    // A fresh pool 1..poolSize with nothing chosen; 0: the lottery has no bonus pool.
    void reset(int poolSize);
    int poolSize() const { return poolSize_; }
    bool isChosen(int n) const { return chosen_.contains(n); }
    int count() const { return static_cast<int>(chosen_.size()); }
    // In the order chosen: the order they are dealt round the tickets.
    const QList<int> &chosen() const { return chosen_; }
    // Chooses a free number or gives back a chosen one; numbers outside the pool are ignored.
    void tap(int n);
    void clear() { chosen_.clear(); }
    // Chooses up to `count` more free numbers with `random`; returns how many were chosen.
    int drawRandom(int count, const std::function<quint32()> &random);

private:
    int poolSize_ = 0;
    QList<int> chosen_;
};

// A few bonus pools are the digits 0..9, given by the ticket rather than picked from a pool
// 1..N (the Superzahl of Lotto 6aus49, the reintegro and numero clave of the Spanish games; see
// data/lotteries-notes.md). Tickets and saved files number bonus pools from 1, so the program
// does not offer these digits: the player marks them on the playslip.
bool bonusIsDigit(const QString &country, const QString &lottery);
